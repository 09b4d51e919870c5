#pragma once

// К7. A binary number to convert into the decimal system; the reverse of К6
// on the same numbers.

#include "tasks/encoding/NumberExercise.h"

namespace zorbiks {

class ScriptText;

class BinaryToDecimal final : public NumberExercise {
public:
    BinaryToDecimal();

    static const QList<NumberRow> &rows();

    void buildView(ExerciseView &view) override;
};

} // namespace zorbiks
