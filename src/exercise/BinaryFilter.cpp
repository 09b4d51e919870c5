#include "exercise/BinaryFilter.h"

namespace zorbiks::KeyFilters {

QString binaryWarning()
{
    return QStringLiteral("Двоичное число состоит из нулей и единиц!");
}

KeyVerdict binaryOnly(ushort code)
{
    if (code == 8 || code == '0' || code == '1')
        return {code, {}, {}};
    return {0, binaryWarning(), {}};
}

} // namespace zorbiks::KeyFilters
