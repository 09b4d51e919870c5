#pragma once

#include <QString>

namespace zorbiks {

// The number at the start of a text, as a typed answer is read: leading
// blanks skipped, then an optional sign, digits and a decimal point, up to
// the first character that cannot continue the number. A text without such a
// number reads as 0.
double numericPrefix(const QString &text);

} // namespace zorbiks
