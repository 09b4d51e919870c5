#pragma once

// The behaviour shared by all 28 exercise screens: the show step, feedback,
// explanation frames, the counters and their flushes into the pupil's lists,
// the log, `Повтор`, `Вопросы`, `Меню`, `Image1`, `Сдаюсь`, the key sink and
// the Windows-key guard. The answer area (typed or choice) is a unit of its
// own; what differs between screens comes from the screen's question, its
// Exercise and its traits.

#include "exercise/Question.h"
#include "screen/WorkWindow.h"

#include <memory>

class QGroupBox;
class QLabel;

namespace zorbiks {

class AnswerArea;
class HoverLabel;
class WindowsKeyGuard;

class ExerciseScreen : public WorkWindow {
    Q_OBJECT
public:
    // The screen of `question`, showing `exercise` (which the question's
    // factory made, or a test's own).
    ExerciseScreen(const ScreenContext &context, const Question &question,
                   std::unique_ptr<Exercise> exercise, QWidget *parent = nullptr);
    ~ExerciseScreen() override;

    // The show step: run every time the screen becomes the active one.
    void activate() override;

    const Exercise &exercise() const { return *exercise_; }
    Exercise &exercise() { return *exercise_; }
    qint16 correctCount() const { return correctCount_; }
    qint16 wrongCount() const { return wrongCount_; }
    WindowsKeyGuard &guard() { return *guard_; }

protected:
    void restColours() override;

private:
    void buildFrame();
    void buildAnswerArea(ExerciseView &view);
    void buildNavigation();
    void layOut();

    // Answers.
    void answeredRightly(int option);
    void answeredWrongly(int option);
    void logAttempt(Attempt attempt, int option);
    void warn(const QString &text);
    void showFeedback(const QString &text);

    // Leaving a task or the screen.
    void repeat();
    void leaveToMenu(bool showSectionList);
    void leaveToResults();
    void giveUp();
    void shortcutToResults();
    void flushLists();
    void putTaskAway(bool focus = false);
    void setNavigationVisible(bool visible);

    const Question question_;
    std::unique_ptr<Exercise> exercise_;
    const ExerciseTraits &traits_;

    QGroupBox *task_ = nullptr;  // `Задание`
    QLabel *feedback_ = nullptr; // `КакойОтвет`
    QList<QGroupBox *> explanations_;
    AnswerArea *answers_ = nullptr;
    HoverLabel *menu_ = nullptr;      // `Меню`
    HoverLabel *questions_ = nullptr; // `Вопросы`
    HoverLabel *repeat_ = nullptr;    // `Повтор`
    WindowsKeyGuard *guard_ = nullptr;

    qint16 correctCount_ = 0;
    qint16 wrongCount_ = 0;
    double titleBarHeight_ = 360; // twips; as designed until the first layout
};

} // namespace zorbiks
