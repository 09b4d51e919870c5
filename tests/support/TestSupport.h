#pragma once

// Helpers of the screen tests: a recording navigator, key and mouse input,
// the log file as text, and a rig that puts one exercise screen on a stage
// of its own with fake services.

#include "exercise/Exercise.h"
#include "exercise/ExerciseScreen.h"
#include "log/ResultsLog.h"
#include "platform/FakeServices.h"
#include "pupil/PupilRecord.h"
#include "screen/DisplayScale.h"
#include "screen/Navigator.h"
#include "tasks/Catalogue.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>

class QLineEdit;

namespace zorbiks::test {

class FakeNavigator final : public Navigator {
public:
    QSize stageSize() const override { return size; }
    ScreenMetrics metrics() const override { return ScreenMetrics(96, DisplayScale::factor()); }
    double workWindowTop() const override { return top; }
    void leaveToMenu(QWidget *screen, Section section, bool showSectionList) override;
    void showMenu(QWidget *from) override;
    void repeatExercise(const QString &code) override;
    void showResults(QWidget *from, bool hideFrom) override;
    void hideSectionList(Section section) override;
    void enableMenuPictures() override { calls << QStringLiteral("enableMenuPictures"); }
    void setMenuPictureVisible(const QString &name, bool visible) override;
    void setMenuExitIconVisible(bool visible) override;
    void showTeacherScreen() override { calls << QStringLiteral("showTeacherScreen"); }
    void returnToRegistration() override { calls << QStringLiteral("returnToRegistration"); }
    void endProgram() override { calls << QStringLiteral("endProgram"); }

    QStringList calls;
    QSize size{1024, 768};
    double top = 885;
    // What pressing a question's button does (the real menu opens the
    // exercise again).
    std::function<void(const QString &code)> onRepeat;
};

// What `КакойОтвет` says after a right and after a wrong answer.
inline const QString right = QStringLiteral("Ответ правильный! Продолжим?");
inline const QString wrong =
    QStringLiteral("Ответ неверный! Посмотрите пояснение и попробуйте ещё раз");

// A key press and release carrying `text`, as a keyboard would send it.
void pressKey(QWidget *target, int key, const QString &text = QString(),
              Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0);
void releaseKey(QWidget *target, int key, quint32 scanCode = 0);
// Types every character of `text` (Cyrillic too) as a key press and release.
void typeText(QWidget *target, const QString &text);
// A mouse move without buttons over the widget's centre (or `at`).
void hover(QWidget *widget, QPoint at = QPoint(-1, -1));
void leftClick(QWidget *widget);

QByteArray fileBytes(const QString &path);
// A rectangle as "x,y wxh", for the messages of failed checks.
QString rectText(const QRectF &rect);
// The log file decoded from Windows-1251.
QString fileText1251(const QString &path);

// The catalogue's line of a code, and the line whose factory makes an
// exercise of type T.
const Question &questionOf(const QString &code);
template <typename T> const Question &questionOf()
{
    for (const Question &question : Catalogue::questions()) {
        if (question.make == &makeExercise<T>)
            return question;
    }
    qFatal("no question makes this exercise");
}

struct ExerciseRig {
    // The screen of a catalogue line with the exercise the line makes …
    explicit ExerciseRig(const Question &question, const QSize &stageSize = {1024, 768});
    // … or with an exercise of the test's own; on a stage of the given size,
    // built at the display scale of a screen of that size.
    ExerciseRig(const Question &question, std::unique_ptr<Exercise> exercise,
                const QSize &stageSize = {1024, 768});
    ~ExerciseRig();

    // What the stage does when it opens the screen: show, then activate.
    void open();
    template <typename T = QWidget> T *find(const QString &name) const
    {
        T *widget = screen->findChild<T *>(name);
        if (!widget)
            qFatal("no child named %s", qPrintable(name));
        return widget;
    }
    void click(const QString &name) { leftClick(find(name)); }
    QString logText() const { return fileText1251(logPath); }
    bool visible(const QString &name) const { return find(name)->isVisible(); }
    bool enabled(const QString &name) const { return find(name)->isEnabled(); }
    QString text(const QString &name) const;
    // The answer box `Ответ` of a typed answer.
    QLineEdit *box() const;
    // Types `typed` into `Ответ` in place of what it held and presses `ОК`.
    void answer(const QString &typed);

    FakeServices fakes;
    std::unique_ptr<Services> services;
    PupilRecord pupil;
    QTemporaryDir folder;
    QString logPath;
    ResultsLog log;
    FakeNavigator navigator;
    QWidget stage;
    ExerciseScreen *screen = nullptr;
};

// A rig over a screen of exercise type T, opened with the given variants
// (each out of `count`) drawn at its first showings.
template <typename T> struct QuestionRig : ExerciseRig {
    explicit QuestionRig(const QList<int> &variants = {}, int count = 4)
        : ExerciseRig(questionOf<T>())
    {
        for (int variant : variants)
            fakes.random->scriptDraw(variant, count);
        open();
    }
    const T &exercise() const { return static_cast<const T &>(screen->exercise()); }
};

} // namespace zorbiks::test

namespace zorbiks {
class Stage;
}

namespace zorbiks::test {

// The whole program, started in-process the way main() starts it, with fake
// services (the log goes to a file of the rig's own). Runs that share
// `home` share the computer: the log file there and the spool.
struct AppRig {
    // `displayScale`: the administrator's `[Display] scale` setting.
    explicit AppRig(const QStringList &arguments = {}, const QString &home = QString(),
                    std::optional<double> displayScale = std::nullopt);
    ~AppRig();

    QWidget *screen(const QString &name) const;
    template <typename T = QWidget> T *child(const QString &screenName, const QString &name) const
    {
        QWidget *parent = screen(screenName);
        T *widget = parent ? parent->findChild<T *>(name) : nullptr;
        if (!widget)
            qFatal("no %s in %s", qPrintable(name), qPrintable(screenName));
        return widget;
    }
    // Clicks, then waits for the log's writer: a pupil is slower than the
    // writer on a local disk (unless `waitForWriter` is off).
    void click(const QString &screenName, const QString &name)
    {
        leftClick(child(screenName, name));
        if (waitForWriter)
            waitForLog();
    }
    // Types a surname on the registration screen and confirms it.
    void registerPupil(const QString &surname = QStringLiteral("Петров"));
    // Opens the access-code frame, types the teacher's code and confirms it.
    void openTeacherScreen();
    // The log once the writer has tried every record and the screens have
    // heard of it.
    QString log() const;
    void waitForLog() const;

    FakeServices fakes;
    QTemporaryDir folder;
    QString logPath;
    Stage *stage = nullptr;
    bool waitForWriter = true;
};

} // namespace zorbiks::test
