#pragma once

// К10. The sum of two binary numbers, typed in binary.

#include "tasks/encoding/NumberExercise.h"

namespace zorbiks {

class BinaryAddition final : public NumberExercise {
public:
    BinaryAddition();

    // `зад2` (the first number and " + "), `зад3` (the second) and the sum.
    static const QList<NumberRow> &rows();

    void buildView(ExerciseView &view) override;
};

} // namespace zorbiks
