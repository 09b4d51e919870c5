#pragma once

// Key filters that several exercises share.

#include "exercise/Exercise.h"

namespace zorbiks::KeyFilters {

// Digits and the control codes 0 to 8 (backspace among them) pass; every
// other character is discarded without a word.
KeyVerdict digitsOnly(ushort code);

} // namespace zorbiks::KeyFilters
