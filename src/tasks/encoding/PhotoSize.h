#pragma once

// К3. The size of an uncompressed RGB photograph (3 bytes a pixel), picked
// among four answers.

#include "exercise/Exercise.h"
#include "exercise/NoRepeatDraw.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {}

namespace zorbiks {

struct PhotoVariant {
    QString size; // `зад2`, "2048х1536" with the Cyrillic х
    // The texts of `Отв1` … `Отв4` for each placement; placement p puts
    // the right answer into `Отв`p.
    std::array<std::array<QString, 4>, 4> placements;
};

class PhotoSizeModel {
public:
    static const std::array<PhotoVariant, 6> &variants();

    // The photograph with the variant bag; the placement of the right
    // answer uniform over 1..4, never the same twice running.
    void draw(RandomSource &random);
    int variant() const { return variant_; }
    int placement() const { return placement_; }
    const PhotoVariant &current() const { return variants()[static_cast<size_t>(variant_ - 1)]; }
    const std::array<QString, 4> &options() const
    {
        return current().placements[static_cast<size_t>(placement_ - 1)];
    }

private:
    VariantBag bag_{6};
    NoRepeatDraw placementDraw_{1, 4};
    int variant_ = 1;
    int placement_ = 1;
};

class PhotoSize final : public Exercise {
public:
    PhotoSize();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    int correctOption() const override { return model_.placement(); }

    const PhotoSizeModel &model() const { return model_; }

private:
    PhotoSizeModel model_;
    QLabel *size_ = nullptr; // `зад2`
    std::array<QLabel *, 4> options_{};
};

} // namespace zorbiks
