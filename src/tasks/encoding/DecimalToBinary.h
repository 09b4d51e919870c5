#pragma once

// К6. A decimal number to convert into the binary system.

#include "tasks/encoding/NumberExercise.h"

namespace zorbiks {

class DecimalToBinary final : public NumberExercise {
public:
    DecimalToBinary();

    // The decimal numbers shown and their binary notations.
    static const QList<NumberRow> &rows();
    // The lines of the worked division in the explanation.
    static QStringList divisionLines();

    void buildView(ExerciseView &view) override;
};

} // namespace zorbiks
