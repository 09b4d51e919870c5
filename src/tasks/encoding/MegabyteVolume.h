#pragma once

// К4. How many megabytes a message of 2^X bits holds.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

class QLabel;

namespace zorbiks {

class MegabyteVolumeModel {
public:
    // X over 23..31, each once per cycle of nine.
    void draw(RandomSource &random) { exponent_ = bag_.draw(random); }
    int exponent() const { return exponent_; }
    // 2^(X − 23) megabytes.
    int answer() const { return 1 << (exponent_ - 23); }
    // The leading number of the answer equals 2^(X − 23).
    bool isCorrect(const QString &answer) const;

private:
    VariantBag bag_{9, 23};
    int exponent_ = 23;
};

class MegabyteVolume final : public Exercise {
public:
    MegabyteVolume();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return QString::number(model_.answer()); }
    KeyVerdict filterKey(ushort code, qint16 lastKeyDown) const override;

    const MegabyteVolumeModel &model() const { return model_; }

private:
    MegabyteVolumeModel model_;
    QLabel *exponent_ = nullptr; // `зад2`
};

} // namespace zorbiks
