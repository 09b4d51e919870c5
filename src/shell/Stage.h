#pragma once

// The stage: the one top-level window of the program. It owns the services,
// the pupil's record, the results log and every screen (created at first use,
// then only hidden and shown), refuses every close request, and implements
// the navigation between the screens.

#include "exercise/Question.h"
#include "log/ResultsLog.h"
#include "pupil/PupilRecord.h"
#include "screen/Navigator.h"
#include "screen/ScreenContext.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <memory>

namespace zorbiks {

class ExerciseScreen;
class MainMenu;
class RegistrationScreen;
class Screen;

using ScreenFactory = std::function<Screen *(const ScreenContext &context, QWidget *parent)>;

// What the stage builds its screens from; the program's start-up fills it.
struct StageParts {
    QList<Question> questions; // in the menu's order; a line without a factory is not built yet
    ScreenFactory results;     // `Результат`
    ScreenFactory help;        // `Справ`
    ScreenFactory teacher;     // `secret`
};

class Stage : public QWidget, public Navigator {
    Q_OBJECT
public:
    Stage(std::unique_ptr<Services> services, StageParts parts, bool windowed);
    ~Stage() override;

    // Shows the stage and, on it, the registration screen.
    void start();
    // Ends the run after the event loop, for a process that ends next:
    // closes the results log and the services (sound thread, keyboard),
    // and leaves the screens standing, since nothing will look at them
    // again. Only deleting the stage may follow.
    void finishRun();

    Services &services() { return *services_; }
    PupilRecord &pupil() { return pupil_; }
    ResultsLog &log() { return *log_; }
    MainMenu *menu() const { return menu_; }
    RegistrationScreen *registration() const { return registration_; }
    // The screen of an exercise, made at its first use.
    ExerciseScreen *exerciseScreen(const QString &code);
    bool isEnding() const { return ending_; }

    // The menu's actions.
    void openExercise(const QString &code);
    void openResultsFromMenu();
    void openHelpFromMenu();

    // Navigator
    QSize stageSize() const override;
    ScreenMetrics metrics() const override;
    double workWindowTop() const override;
    void leaveToMenu(QWidget *screen, Section section, bool showSectionList) override;
    void showMenu(QWidget *from) override;
    void repeatExercise(const QString &code) override;
    void showResults(QWidget *from, bool hideFrom) override;
    void hideSectionList(Section section) override;
    void enableMenuPictures() override;
    void setMenuPictureVisible(const QString &name, bool visible) override;
    void setMenuExitIconVisible(bool visible) override;
    void showTeacherScreen() override;
    void returnToRegistration() override;
    void endProgram() override;

signals:
    // The run is over (just before the application is asked to quit).
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    ScreenContext context();
    const Question *question(const QString &code) const;
    MainMenu *ensureMenu();
    Screen *ensure(Screen *&screen, const ScreenFactory &factory);
    void bringToFront(Screen *screen);

    std::unique_ptr<Services> services_;
    StageParts parts_;
    bool windowed_;
    PupilRecord pupil_;
    std::unique_ptr<ResultsLog> log_;
    RegistrationScreen *registration_ = nullptr;
    MainMenu *menu_ = nullptr;
    Screen *results_ = nullptr;
    Screen *help_ = nullptr;
    Screen *teacher_ = nullptr;
    QHash<QString, ExerciseScreen *> exercises_;
    bool ending_ = false;
};

} // namespace zorbiks
