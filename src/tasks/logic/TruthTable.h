#pragma once

// Л2. Which of four logical expressions of X and Y has the truth table
// shown. The expressions are pictures with highlighted twins.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {

class BorderedGrid;
class GapLabel;
class TwinPictures;

class TruthTableModel {
public:
    // The expressions of the four options, as drawn ("¬" negation, "&"
    // conjunction, "\/" disjunction).
    static const std::array<QString, 4> &expressions();
    // The F column of each variant for (X, Y) = (0, 0), (0, 1), (1, 0),
    // (1, 1); variant k is the table of option k.
    static const std::array<std::array<int, 4>, 4> &columns();

    void draw(RandomSource &random) { variant_ = bag_.draw(random); }
    int variant() const { return variant_; }
    const std::array<int, 4> &column() const { return columns()[size_t(variant_ - 1)]; }

private:
    VariantBag bag_{4};
    int variant_ = 1;
};

class TruthTable final : public Exercise {
public:
    TruthTable();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    int correctOption() const override { return model_.variant(); }
    void resetOptions(const QList<ChoiceOption> &options) override;

    const TruthTableModel &model() const { return model_; }

private:
    TruthTableModel model_;
    QWidget *answers_ = nullptr;
    BorderedGrid *table_ = nullptr;
    std::array<QLabel *, 4> values_{}; // `Label8`, `Label12`, `Label15`, `Label18`
    TwinPictures *pictures_ = nullptr;
};

} // namespace zorbiks
