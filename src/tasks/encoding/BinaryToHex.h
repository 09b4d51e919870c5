#pragma once

// К8. A binary number to convert into the hexadecimal system, tetrad by
// tetrad.

#include "exercise/Exercise.h"
#include "exercise/NoRepeatDraw.h"

#include <array>

class QLabel;

namespace zorbiks {

struct BinaryHexRow {
    QString binary; // shown in `зад2`
    QString hex;    // the only accepted answer, Latin capitals
};

class BinaryToHexModel {
public:
    static const std::array<BinaryHexRow, 20> &rows();

    // One of the 20 rows, never the same twice running.
    void draw(RandomSource &random) { row_ = draw_.draw(random); }
    int row() const { return row_; }
    const BinaryHexRow &current() const { return rows()[static_cast<size_t>(row_ - 1)]; }
    bool isCorrect(const QString &answer) const { return answer == current().hex; }
    // The Russian letters of the keys A to F become those Latin capitals
    // (and switch the layout to US English); digits, A to F and backspace
    // pass, anything else is discarded with a warning.
    static KeyVerdict filter(ushort code);

private:
    NoRepeatDraw draw_{1, 20};
    int row_ = 1;
};

class BinaryToHex final : public Exercise {
public:
    BinaryToHex();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return model_.current().hex; }
    KeyVerdict filterKey(ushort code, qint16) const override
    {
        return BinaryToHexModel::filter(code);
    }

    const BinaryToHexModel &model() const { return model_; }

private:
    BinaryToHexModel model_;
    QLabel *binary_ = nullptr; // `зад2`
};

} // namespace zorbiks
