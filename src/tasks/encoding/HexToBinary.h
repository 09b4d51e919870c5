#pragma once

// К9. A two-digit hexadecimal number to convert into the binary system.

#include "tasks/encoding/NumberExercise.h"

namespace zorbiks {

class HexToBinary final : public NumberExercise {
public:
    HexToBinary();

    // The hexadecimal numbers shown (Latin capitals) and their binary notations.
    static const QList<NumberRow> &rows();

    void buildView(ExerciseView &view) override;
};

} // namespace zorbiks
