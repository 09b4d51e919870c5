#pragma once

// Л1. The integer that makes a compound condition true: a mandatory
// comparison joined by conjunction to a bracketed disjunction
// ((X < v) \/ (X > v)), four consecutive candidates.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {

struct ConditionVariant {
    QString expression;               // `зад2`
    std::array<int, 4> candidates;    // `Отв1` … `Отв4`
    int accepted;                     // the number of the accepted option
    std::array<int, 2> failMandatory; // `пояс1`, `пояс2`
    QString mandatory;                // `пояс3`
    int failDisjunction;              // `пояс4`
};

class CompoundConditionModel {
public:
    static const std::array<ConditionVariant, 6> &variants();

    // The variant bag of this screen draws marks first.
    void draw(RandomSource &random);
    int variant() const { return variant_; }
    const ConditionVariant &current() const { return variants()[variant_ - 1]; }

private:
    VariantBag bag_{6, 1, VariantBag::Order::MarksFirst};
    int variant_ = 1;
};

class CompoundCondition final : public Exercise {
public:
    CompoundCondition();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    int correctOption() const override { return model_.current().accepted; }

    const CompoundConditionModel &model() const { return model_; }

private:
    CompoundConditionModel model_;
    QLabel *expression_ = nullptr;        // `зад2`
    std::array<QLabel *, 4> options_{};   // `Отв1` … `Отв4`
    std::array<QLabel *, 4> explained_{}; // `пояс1` … `пояс4`
};

} // namespace zorbiks
