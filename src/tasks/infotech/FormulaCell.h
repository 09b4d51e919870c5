#pragma once

// И2. The value of the formula cell C2 of a two-row spreadsheet fragment.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {

// The six cells as shown, A1 A2 B1 B2 C1 C2, and the value of C2.
struct FormulaDataSet {
    std::array<QString, 6> cells;
    quint8 answer;
};

class FormulaCellModel {
public:
    static const std::array<FormulaDataSet, 6> &dataSets();
    // The addresses of the six cells, in the order of FormulaDataSet::cells.
    static const std::array<QString, 6> &addresses();

    void draw(RandomSource &random) { dataSet_ = bag_.draw(random); }
    int dataSet() const { return dataSet_; }
    const FormulaDataSet &current() const { return dataSets()[static_cast<size_t>(dataSet_ - 1)]; }
    // The whole typed number equals the value of C2 ("046" is 46; 314 is
    // not 58, although the two agree in their lowest byte).
    bool isCorrect(const QString &answer) const;
    // Digits and the control codes 0 to 8 pass.
    static KeyVerdict filter(ushort code);

private:
    VariantBag bag_{6};
    int dataSet_ = 1;
};

class FormulaCell final : public Exercise {
public:
    FormulaCell();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return QString::number(model_.current().answer); }
    KeyVerdict filterKey(ushort code, qint16) const override { return model_.filter(code); }

    const FormulaCellModel &model() const { return model_; }

private:
    FormulaCellModel model_;
    std::array<QLabel *, 6> cells_{};
};

} // namespace zorbiks
