#pragma once

// И8. The line spacing (1, 1.5, 2 or 3) of three lines of text.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

namespace zorbiks {

class LineStack;

class LineSpacingModel {
public:
    // Data set k spaces the lines by the factor of option k.
    static const std::array<double, 4> &factors();
    // The distance from the top of one line to the top of the next in
    // twips: single spacing is 1.23 times the font size (24.6 twips a point).
    static double lineDistance(double factor, double pointSize)
    {
        return factor * 24.6 * pointSize;
    }

    void draw(RandomSource &random) { dataSet_ = bag_.draw(random); }
    int dataSet() const { return dataSet_; }
    double factor() const { return factors()[static_cast<size_t>(dataSet_ - 1)]; }

private:
    VariantBag bag_{4};
    int dataSet_ = 1;
};

class LineSpacing final : public Exercise {
public:
    LineSpacing();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    int correctOption() const override { return model_.dataSet(); }

    const LineSpacingModel &model() const { return model_; }

private:
    LineSpacingModel model_;
    ScreenMetrics metrics_;
    LineStack *lines_ = nullptr; // `зад2`, `зад3`, `зад4`
};

} // namespace zorbiks
