#pragma once

// The behaviour shared by all 28 exercise screens: the show step, the typed
// and the choice check, feedback, explanation frames, the counters and their
// flushes into the pupil's lists, `Повтор`, `Вопросы`, `Меню`, `Image1`,
// `Сдаюсь`, the hover colours, the key sink and the Windows-key guard. What
// differs between screens comes from the screen's Exercise and its traits.

#include "exercise/Exercise.h"
#include "screen/WorkWindow.h"

#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;

namespace zorbiks {

class FilteredLineEdit;
class HoverLabel;
class Picture;
class WindowsKeyGuard;

class ExerciseScreen : public WorkWindow {
    Q_OBJECT
public:
    ExerciseScreen(const ScreenContext &context, std::unique_ptr<Exercise> exercise,
                   QWidget *parent = nullptr);
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
    void buildTypedControls();
    void buildChoiceControls();
    void buildNavigation();
    void layOut();

    // Answer checks.
    void typedCheck();
    void choiceCheck(int option);
    void answeredCorrectly(int option);
    void answeredWrongly(int option);

    // Leaving a task or the screen.
    void repeat();
    void leaveToMenu(bool showSectionList);
    void leaveToResults();
    void giveUp();
    bool shortcutToResults(const QKeyEvent &event);
    void flushLists();
    void hideTaskFeedback();
    void enableAnswerRow();
    void setNavigationVisible(bool visible);

    // Key filter of `Ответ`.
    ushort filterCharacter(ushort code);
    void showFeedback(const QString &text);

    // Hover colours.
    void hoverOption(int index);
    void paintOption(int index, bool hover);

    std::unique_ptr<Exercise> exercise_;
    const ExerciseTraits &traits_;

    QGroupBox *task_ = nullptr;          // `Задание`
    FilteredLineEdit *answer_ = nullptr; // `Ответ`
    QPushButton *ok_ = nullptr;          // `ОК`
    QPushButton *giveUp_ = nullptr;      // `Сдаюсь`
    QGroupBox *answers_ = nullptr;       // `Ответы`
    QLabel *feedback_ = nullptr;         // `КакойОтвет`
    QList<QGroupBox *> explanations_;
    HoverLabel *menu_ = nullptr;      // `Меню`
    HoverLabel *questions_ = nullptr; // `Вопросы`
    HoverLabel *repeat_ = nullptr;    // `Повтор`
    WindowsKeyGuard *guard_ = nullptr;
    ExerciseView view_;

    qint16 correctCount_ = 0;
    qint16 wrongCount_ = 0;
    QString answerText_;
    double titleBarHeight_ = 360; // twips; as designed until the first layout
};

} // namespace zorbiks
