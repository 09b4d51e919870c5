#include "tasks/infotech/CapitalLetterFilter.h"

#include "pupil/Transliteration.h"

namespace zorbiks {

namespace {

bool isCyrillicLetter(ushort code)
{
    return code >= 192 || code == 168 || code == 184;
}

// "|", "\" and the digits and signs from "." to "?".
bool isSign(ushort code)
{
    return code == '|' || code == '\\' || (code >= '.' && code <= '?');
}

} // namespace

KeyVerdict cyrillicCapitalsFilter(ushort code, qint16 lastKeyDown)
{
    KeyVerdict verdict{code, {}, {}};
    if (code >= 32 && code <= 126) {
        const ushort russian = LatinToCyrillic(code, lastKeyDown);
        // A sign is dropped unless its key carries a Russian letter, so that
        // Б, Ю, Ж (and their small letters) can be typed on the Latin layout.
        if (isSign(code) && !isCyrillicLetter(russian))
            return {0, {}, {}};
        verdict.code = russian;
        verdict.layout = KeyboardLayoutKind::Russian;
    }
    if (verdict.code >= 224 && verdict.code <= 255)
        verdict.warning = QStringLiteral("В ответе должны быть  только заглавные буквы!");
    return verdict;
}

} // namespace zorbiks
