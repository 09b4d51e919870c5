#include "exercise/KeyFilters.h"

namespace zorbiks::KeyFilters {

KeyVerdict digitsOnly(ushort code)
{
    const bool passes = code <= 8 || (code >= '0' && code <= '9');
    return {passes ? code : ushort(0), {}, {}};
}

} // namespace zorbiks::KeyFilters
