#pragma once

// The choice answers: the frame `Ответы` with the exercise's answer
// controls (options), each perhaps with a companion widget elsewhere on the
// screen. A click answers; a wrong option is disabled or hidden, the right
// one leaves only itself; hover colours follow the pointer.

#include "exercise/AnswerArea.h"

class QGroupBox;

namespace zorbiks {

class ChoiceAnswers final : public AnswerArea {
    Q_OBJECT
public:
    explicit ChoiceAnswers(const AnswerParts &parts);

    QGroupBox *frame() const { return answers_; } // `Ответы`, for the exercise to fill

    void viewBuilt(const ExerciseView &view) override;
    void measure(ScreenLayout::ExerciseInput &in, const ScreenMetrics &m) const override;
    void place(const ScreenLayout::ExerciseGeometry &g, const ScreenMetrics &m) override;
    void showStep() override;
    void answeredRightly(int option) override;
    void answeredWrongly(int option) override;
    void putAway(bool) override {}
    void restColours() override;

private:
    void hover(qsizetype index);
    void paint(qsizetype index, bool hover);

    QGroupBox *answers_ = nullptr;
    QList<ChoiceOption> options_;
    QWidget *lastAnswerLabel_ = nullptr;
};

} // namespace zorbiks
