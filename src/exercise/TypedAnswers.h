#pragma once

// The typed answer row: the answer box `Ответ` with the exercise's key
// filter, `ОК` that checks the answer, `Сдаюсь`, and on some screens Ctrl or
// Alt in the box as a shortcut to the results.

#include "exercise/AnswerArea.h"

class QKeyEvent;
class QPushButton;

namespace zorbiks {

class FilteredLineEdit;

class TypedAnswers final : public AnswerArea {
    Q_OBJECT
public:
    explicit TypedAnswers(const AnswerParts &parts);

    void viewBuilt(const ExerciseView &) override {}
    void measure(ScreenLayout::ExerciseInput &in, const ScreenMetrics &m) const override;
    void place(const ScreenLayout::ExerciseGeometry &g, const ScreenMetrics &m) override;
    void showStep() override;
    void answeredRightly(int option) override;
    void answeredWrongly(int option) override;
    void putAway(bool focus) override;
    void restColours() override;

private:
    void check();
    ushort filterCharacter(ushort code);
    bool keyDown(const QKeyEvent &event);

    FilteredLineEdit *answer_ = nullptr; // `Ответ`
    QPushButton *ok_ = nullptr;          // `ОК`
    QPushButton *giveUp_ = nullptr;      // `Сдаюсь`
    QString text_;                       // what `Ответ` holds
};

} // namespace zorbiks
