#pragma once

// Л5. The chain of letters that an algorithm builds when it is applied twice
// to a chain of two capital Cyrillic letters: the chain, the chain reversed,
// then the letter that follows the chain's first letter in the alphabet.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {

struct ChainVariant {
    QString chain;  // `зад2`
    QString answer; // the chain after the algorithm applied twice
};

class LetterChainModel {
public:
    static const std::array<ChainVariant, 10> &variants();

    void draw(RandomSource &random) { variant_ = bag_.draw(random); }
    int variant() const { return variant_; }
    const ChainVariant &current() const { return variants()[static_cast<size_t>(variant_ - 1)]; }
    // Exactly the answer, character by character.
    bool isCorrect(const QString &answer) const { return answer == current().answer; }

    // Keys of the Latin layout become the Cyrillic letters of the same keys
    // (and the layout is switched to Russian); digits and signs that are not
    // letters on either layout are discarded; a small letter is entered with
    // a warning.
    static KeyVerdict filter(ushort code, int lastKeyDown);

private:
    VariantBag bag_{10};
    int variant_ = 1;
};

class LetterChain final : public Exercise {
public:
    LetterChain();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return model_.current().answer; }
    KeyVerdict filterKey(ushort code, qint16 lastKeyDown) const override
    {
        return LetterChainModel::filter(code, lastKeyDown);
    }

    const LetterChainModel &model() const { return model_; }

private:
    LetterChainModel model_;
    QLabel *chain_ = nullptr; // `зад2`
};

} // namespace zorbiks
