#pragma once

// П4. A command string for the executor Утроитель (1: subtract 2, 2: multiply
// by three) that turns the start number into the target in at most five
// commands.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>
#include <optional>

class QLabel;

namespace zorbiks {

struct TriplerVariant {
    int start = 0;  // `зад2`
    int target = 0; // `зад3`
    QString stored; // the algorithm the screen holds for the variant
};

class TriplerCommandsModel {
public:
    static constexpr qsizetype maxCommands = 5;

    static const std::array<TriplerVariant, 6> &variants();
    // The number the commands make of `start`, or nothing when the text is
    // not a string of commands 1 and 2.
    static std::optional<qint64> run(qint64 start, const QString &commands);

    void draw(RandomSource &random) { variant_ = bag_.draw(random); }
    int variant() const { return variant_; }
    const TriplerVariant &current() const { return variants()[static_cast<size_t>(variant_ - 1)]; }

    // One to five commands that lead from the start number to the target.
    bool isCorrect(const QString &answer) const;
    // Digits and the control codes 0 to 8 pass.
    static KeyVerdict filter(ushort code);

private:
    VariantBag bag_{6};
    int variant_ = 1;
};

class TriplerCommands final : public Exercise {
public:
    TriplerCommands();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return model_.current().stored; }
    KeyVerdict filterKey(ushort code, qint16) const override { return model_.filter(code); }

    const TriplerCommandsModel &model() const { return model_; }

private:
    TriplerCommandsModel model_;
    QLabel *start_ = nullptr;  // `зад2`
    QLabel *target_ = nullptr; // `зад3`
};

} // namespace zorbiks
