#pragma once

// К2. A Morse radiogram without breaks between its letters, written with
// five known letters: the pupil types its text.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {

struct Radiogram {
    QString signs;  // `Label2`: "." dots and "_" dashes, one blank between signs
    QString answer; // the only accepted text
};

struct MorseLetter {
    QString letter;
    QString code; // as shown in the code table
};

class MorseRadiogramModel {
public:
    static const std::array<Radiogram, 4> &radiograms();
    static const std::array<MorseLetter, 5> &letters();

    void draw(RandomSource &random) { variant_ = bag_.draw(random); }
    int variant() const { return variant_; }
    const Radiogram &current() const { return radiograms()[static_cast<size_t>(variant_ - 1)]; }
    // The exact text, capital Cyrillic letters, nothing trimmed.
    bool isCorrect(const QString &answer) const { return answer == current().answer; }
    // Points, digits and the like are discarded, Latin keys give the
    // Cyrillic letters of the same keys (and switch to the Russian layout),
    // and anything but the five letters and backspace draws a warning
    // that keeps the character.
    static KeyVerdict filter(ushort code, qint16 lastKeyDown);

private:
    VariantBag bag_{4};
    int variant_ = 1;
};

class MorseRadiogram final : public Exercise {
public:
    MorseRadiogram();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return model_.current().answer; }
    KeyVerdict filterKey(ushort code, qint16 lastKeyDown) const override
    {
        return MorseRadiogramModel::filter(code, lastKeyDown);
    }

    const MorseRadiogramModel &model() const { return model_; }

private:
    MorseRadiogramModel model_;
    QLabel *signs_ = nullptr; // `Label2`
};

} // namespace zorbiks
