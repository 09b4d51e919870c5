#include "tasks/infotech/CapitalLetterFilter.h"

#include "exercise/TranslitFilters.h"
#include "pupil/Transliteration.h"

namespace zorbiks {

namespace {

bool isCyrillicLetter(ushort code)
{
    return code >= 192 || code == 168 || code == 184;
}

} // namespace

KeyVerdict cyrillicCapitalsFilter(ushort code, qint16 lastKeyDown)
{
    // A sign whose key carries a Russian letter gives that letter, so that
    // Б, Ю, Ж (and their small letters) can be typed on the Latin layout;
    // the other signs and the digits are dropped as in every box that
    // expects Cyrillic letters.
    const ushort russian = LatinToCyrillic(code, lastKeyDown);
    const KeyVerdict typed = code >= 32 && code <= 126 && isCyrillicLetter(russian)
                                 ? KeyVerdict{russian, {}, KeyboardLayoutKind::Russian}
                                 : TranslitFilters::typedOnRussianLayout(code, lastKeyDown);
    return TranslitFilters::warnUnless(
        typed, !TranslitFilters::isSmallCyrillic(typed.code),
        QStringLiteral("В ответе должны быть  только заглавные буквы!"),
        TranslitFilters::Warned::KeepsCharacter);
}

} // namespace zorbiks
