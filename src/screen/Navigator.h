#pragma once

// What a work window (an exercise, the results or the help screen) asks of
// the stage and its main menu. The stage implements it; tests use a fake.

#include "platform/ScreenMetrics.h"
#include "screen/Section.h"

#include <QSize>

class QWidget;

namespace zorbiks {

class Navigator {
public:
    virtual ~Navigator() = default;

    // Facts for the layout, read at every activation.
    virtual QSize stageSize() const = 0; // the "screen" of the layout rules, in pixels
    virtual ScreenMetrics metrics() const = 0;
    virtual double workWindowTop() const = 0; // twips: the bottom of the menu's tab strip

    // `Вопросы`, `Сдаюсь` (showSectionList) and `Меню` (hides it): the main
    // menu enabled, shown and activated; `screen` is put away.
    virtual void leaveToMenu(QWidget *screen, Section section, bool showSectionList) = 0;
    // `Меню` of the results and help screens (and the registration screen's
    // `Далее`): the menu enabled, shown and activated without changing its
    // visible list; a work window `from` is put away.
    virtual void showMenu(QWidget *from) = 0;
    // `Повтор`: the menu enabled, the section's list shown, the question's
    // button focused and pressed, which opens the exercise again.
    virtual void repeatExercise(const QString &code) = 0;
    // The results screen shown over the disabled menu.
    virtual void showResults(QWidget *from, bool hideFrom) = 0;
    // Show step of an exercise: the main menu's list of its section hidden.
    virtual void hideSectionList(Section section) = 0;
    // Extra effects of `Меню` on some screens.
    virtual void enableMenuPictures() = 0;
    virtual void setMenuPictureVisible(const QString &name, bool visible) = 0;
    virtual void setMenuExitIconVisible(bool visible) = 0;
    // The registration screen's hidden way to the teacher screen, and back.
    virtual void showTeacherScreen() = 0;
    virtual void returnToRegistration() = 0;
    // The end of the run: the task-manager lock released and the program ended.
    virtual void endProgram() = 0;
};

} // namespace zorbiks
