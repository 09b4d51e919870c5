#pragma once

// И7. How a paragraph is aligned: left, centred, right or justified.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

namespace zorbiks {

class SampleText;

struct AlignmentDataSet {
    bool padded;             // shows the padded paragraph `зад3` instead of `зад2`
    Qt::Alignment alignment; // of the paragraph shown
};

class ParagraphAlignmentModel {
public:
    // Data set k names its alignment in option k.
    static const std::array<AlignmentDataSet, 4> &dataSets();

    void draw(RandomSource &random) { dataSet_ = bag_.draw(random); }
    int dataSet() const { return dataSet_; }
    const AlignmentDataSet &current() const
    {
        return dataSets()[static_cast<size_t>(dataSet_ - 1)];
    }

private:
    VariantBag bag_{4};
    int dataSet_ = 1;
};

class ParagraphAlignment final : public Exercise {
public:
    ParagraphAlignment();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    int correctOption() const override { return model_.dataSet(); }

    const ParagraphAlignmentModel &model() const { return model_; }

private:
    ParagraphAlignmentModel model_;
    SampleText *plain_ = nullptr;  // `зад2`
    SampleText *padded_ = nullptr; // `зад3`
};

} // namespace zorbiks
