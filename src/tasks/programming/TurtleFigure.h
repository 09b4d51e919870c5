#pragma once

// П1. Which figure the turtle draws: Повтори r [ Вперёд10  Вправо a ].

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {

class TurtleFigureModel {
public:
    // The algorithm of each variant; variant k is answered by option k.
    static const std::array<QString, 4> &algorithms();

    void draw(RandomSource &random) { variant_ = bag_.draw(random); }
    int variant() const { return variant_; }

private:
    VariantBag bag_{4};
    int variant_ = 1;
};

class TurtleFigure final : public Exercise {
public:
    TurtleFigure();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    int correctOption() const override { return model_.variant(); }

    const TurtleFigureModel &model() const { return model_; }

private:
    TurtleFigureModel model_;
    QLabel *algorithm_ = nullptr; // `зад2`
};

} // namespace zorbiks
