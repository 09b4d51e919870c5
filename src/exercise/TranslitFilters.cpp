#include "exercise/TranslitFilters.h"

#include "log/Cp1251.h"
#include "pupil/Transliteration.h"

namespace zorbiks::TranslitFilters {

KeyVerdict typedOnRussianLayout(ushort code, qint16 lastKeyDown)
{
    if (code == '|' || code == '\\' || (code >= 46 && code <= 63))
        return {0, {}, {}};
    if (code >= 32 && code <= 126)
        return {LatinToCyrillic(code, lastKeyDown), {}, KeyboardLayoutKind::Russian};
    return {code, {}, {}};
}

KeyVerdict cyrillicCapitals(ushort code, qint16 lastKeyDown)
{
    KeyVerdict typed = typedOnRussianLayout(code, lastKeyDown);
    if (typed.code == 0 && code >= 32 && code <= 126) {
        const ushort letter = LatinToCyrillic(code, lastKeyDown);
        if (isCyrillicLetter(letter))
            typed = {letter, {}, KeyboardLayoutKind::Russian};
    }
    return warnUnless(typed, !isSmallCyrillic(typed.code),
                      QStringLiteral("В ответе должны быть  только заглавные буквы!"),
                      Warned::KeepsCharacter);
}

KeyVerdict typedOnUsLayout(ushort code, QStringView cyrillicLetters)
{
    if (isOneOf(code, cyrillicLetters))
        return {CyrillicToLatin(code), {}, KeyboardLayoutKind::UsEnglish};
    return {code, {}, {}};
}

KeyVerdict warnUnless(KeyVerdict verdict, bool allowed, const QString &warning, Warned effect)
{
    if (allowed)
        return verdict;
    verdict.warning = warning;
    if (effect == Warned::DropsCharacter)
        verdict.code = 0;
    return verdict;
}

bool isOneOf(ushort code, QStringView letters)
{
    if (code == 0)
        return false;
    for (QChar letter : letters) {
        if (Cp1251::code(letter) == code)
            return true;
    }
    return false;
}

bool isSmallCyrillic(ushort code)
{
    return code >= 224 && code <= 255;
}

bool isCyrillicLetter(ushort code)
{
    return code >= 192 || code == 168 || code == 184;
}

} // namespace zorbiks::TranslitFilters
