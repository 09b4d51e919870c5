#pragma once

// П3. The value of a after three assignments: a := number; b := expression
// in a; a := expression in a and b.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {

struct AssignmentVariant {
    // The right-hand sides of the three assignments (`зад2`, `зад3`, `зад4`),
    // as shown: some write the variable of the second with a Cyrillic а.
    QString first;
    QString second;
    QString third;
    int answer = 0; // a after the three
};

class ThreeAssignmentsModel {
public:
    static const std::array<AssignmentVariant, 8> &variants();

    void draw(RandomSource &random) { variant_ = bag_.draw(random); }
    int variant() const { return variant_; }
    const AssignmentVariant &current() const
    {
        return variants()[static_cast<size_t>(variant_ - 1)];
    }

    // The leading number of the answer, with its sign and decimal point,
    // equals the value of a.
    bool isCorrect(const QString &answer) const;
    // Digits, the minus sign, the point and the control codes 0 to 8 pass.
    static KeyVerdict filter(ushort code);

private:
    VariantBag bag_{8};
    int variant_ = 1;
};

class ThreeAssignments final : public Exercise {
public:
    ThreeAssignments();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return QString::number(model_.current().answer); }
    KeyVerdict filterKey(ushort code, qint16) const override { return model_.filter(code); }

    const ThreeAssignmentsModel &model() const { return model_; }

private:
    ThreeAssignmentsModel model_;
    std::array<QLabel *, 3> sides_{}; // `зад2`, `зад3`, `зад4`
};

} // namespace zorbiks
