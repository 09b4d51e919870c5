#pragma once

// П2. The value of c after a loop drawn as a flowchart: b := 0, c := 0, then
// the body runs until b equals the limit.

#include "exercise/Exercise.h"
#include "exercise/NoRepeatDraw.h"

#include <array>

class QLabel;

namespace zorbiks {

class BorderedGrid;

struct LoopVariant {
    QString condition; // `зад2`, e.g. "b=11"
    QString body;      // `зад3`, two statements
    int limit = 0;     // `пояс1`
    // b and c when each of the first six passes begins.
    std::array<int, 6> b{};
    std::array<int, 6> c{};
    int answer = 0; // c when b first equals the limit
};

class LoopFlowchartModel {
public:
    static const std::array<LoopVariant, 6> &variants();

    // A variant uniform over 1..6, never the one drawn just before.
    void draw(RandomSource &random) { variant_ = draw_.draw(random); }
    int variant() const { return variant_; }
    const LoopVariant &current() const { return variants()[static_cast<size_t>(variant_ - 1)]; }

    // The typed number, read whole, equals the answer.
    bool isCorrect(const QString &answer) const;
    // Digits and the control codes 0 to 8 pass.
    static KeyVerdict filter(ushort code);

private:
    NoRepeatDraw draw_{1, 6};
    int variant_ = 1;
};

class LoopFlowchart final : public Exercise {
public:
    LoopFlowchart();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return QString::number(model_.current().answer); }
    KeyVerdict filterKey(ushort code, qint16) const override { return model_.filter(code); }

    const LoopFlowchartModel &model() const { return model_; }

private:
    LoopFlowchartModel model_;
    QLabel *condition_ = nullptr; // `зад2`
    QLabel *body_ = nullptr;      // `зад3`
    QLabel *limit_ = nullptr;     // `пояс1`
    BorderedGrid *trace_ = nullptr;
};

} // namespace zorbiks
