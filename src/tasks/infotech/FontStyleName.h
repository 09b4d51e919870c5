#pragma once

// И6. The name of the font style (bold, italic, underlined, struck through
// or regular) a sentence is shown in, among eight.

#include "drawing/SampleText.h"
#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

namespace zorbiks {

struct StyleDataSet {
    FontStyle style;
    QString caption; // of the option that names it
};

class FontStyleModel {
public:
    // Data set k names its style in option k.
    static const std::array<StyleDataSet, 8> &dataSets();

    void draw(RandomSource &random) { dataSet_ = bag_.draw(random); }
    int dataSet() const { return dataSet_; }
    const StyleDataSet &current() const { return dataSets()[static_cast<size_t>(dataSet_ - 1)]; }

private:
    VariantBag bag_{8};
    int dataSet_ = 1;
};

class FontStyleName final : public Exercise {
public:
    FontStyleName();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    int correctOption() const override { return model_.dataSet(); }
    // The tokens of the first two options end without the blank the others have.
    bool tokenBlank(Attempt attempt, int option) const override;

    const FontStyleModel &model() const { return model_; }

private:
    FontStyleModel model_;
    SampleText *sample_ = nullptr; // `зад2`
};

} // namespace zorbiks
