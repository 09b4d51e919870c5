#pragma once

// The key filter of the screens whose answer is a binary number: only the
// digits 0 and 1 and backspace reach the answer box. Any other character is
// discarded with the warning below, which the exercise screen shows on
// `КакойОтвет` with the sound "нет".

#include "exercise/Exercise.h"

namespace zorbiks::KeyFilters {

QString binaryWarning(); // "Двоичное число состоит из нулей и единиц!"

// Codes 8 (backspace), 48 ("0") and 49 ("1") pass.
KeyVerdict binaryOnly(ushort code);

} // namespace zorbiks::KeyFilters
