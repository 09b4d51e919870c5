#pragma once

// И5. The directory a user reaches by moving two levels up from the
// directory he worked in and then down into another one: four full paths to
// choose from, each in a frame of its own.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {

struct DirectoryDataSet {
    QString start;                // `зад2`, the directory worked in (drive letter Latin "C")
    QString descent;              // `зад3`, the directory descended into
    std::array<QString, 4> paths; // `от1` … `от4` (drive letter Cyrillic "С")
};

class DirectoryPathModel {
public:
    // Data set k has its right path in option k.
    static const std::array<DirectoryDataSet, 4> &dataSets();

    void draw(RandomSource &random) { dataSet_ = bag_.draw(random); }
    int dataSet() const { return dataSet_; }
    const DirectoryDataSet &current() const
    {
        return dataSets()[static_cast<size_t>(dataSet_ - 1)];
    }

private:
    VariantBag bag_{4};
    int dataSet_ = 1;
};

class DirectoryPath final : public Exercise {
public:
    DirectoryPath();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    int correctOption() const override { return model_.dataSet(); }

    const DirectoryPathModel &model() const { return model_; }

private:
    DirectoryPathModel model_;
    QLabel *start_ = nullptr;   // `зад2`
    QLabel *descent_ = nullptr; // `зад3`
    std::array<QLabel *, 4> paths_{};
};

} // namespace zorbiks
