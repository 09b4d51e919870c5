#pragma once

// Key filters of the answer boxes that transliterate: a box that expects
// Cyrillic capitals takes what the same key gives on the Russian layout, a
// box that expects Latin letters takes what the same key gives on the US
// layout, and the keyboard layout is switched to match. A warning on
// `КакойОтвет` (with the sound "нет") either keeps or drops the character.
// The pieces are combined by each exercise in its own order:
//
//     KeyVerdict v = TranslitFilters::typedOnRussianLayout(code, lastKeyDown);
//     return TranslitFilters::warnUnless(v, isAllowed(v.code), warning,
//                                        TranslitFilters::Warned::KeepsCharacter);

#include "exercise/Exercise.h"

#include <QStringView>

namespace zorbiks::TranslitFilters {

enum class Warned {
    KeepsCharacter, // the warned character is typed all the same
    DropsCharacter, // the warned character is discarded
};

// For boxes that expect Cyrillic letters: "|", "\" and the codes 46 to 63
// (".", "/", the digits, ":", ";", "<", "=", ">", "?") are discarded; any
// other printable ASCII character (32 to 126) becomes the character of the
// same key on the Russian layout (LatinToCyrillic, which reads
// `lastKeyDown`), and the layout is switched to Russian. Everything else
// (Cyrillic letters, backspace) passes unchanged, without a switch.
KeyVerdict typedOnRussianLayout(ushort code, qint16 lastKeyDown);

// For boxes that expect Latin letters: a character among `cyrillicLetters`
// becomes the character of the same key on the US layout (CyrillicToLatin)
// and the layout is switched to US English; any other character passes
// unchanged, without a switch.
KeyVerdict typedOnUsLayout(ushort code, QStringView cyrillicLetters);

// For boxes whose answers are Cyrillic capitals (Л5, И3, И4):
// typedOnRussianLayout, except that a sign whose key carries a Russian
// letter ("<", ">", ":" and ".", ";", "," on the Latin layout give Б, Ю, Ж
// and ю, ж, б) gives that letter and switches the layout instead of being
// discarded, so that every letter can be typed on either layout; a small
// letter is typed with the warning "В ответе должны быть  только заглавные
// буквы!". Digits and the other signs are still discarded.
KeyVerdict cyrillicCapitals(ushort code, qint16 lastKeyDown);

// Adds `warning` to the verdict unless `allowed`; a warning that drops the
// character also sets its code to 0.
KeyVerdict warnUnless(KeyVerdict verdict, bool allowed, const QString &warning, Warned effect);

// Windows-1251 code tests.
bool isOneOf(ushort code, QStringView letters);
bool isSmallCyrillic(ushort code);  // а … я (224 to 255)
bool isCyrillicLetter(ushort code); // А … я, Ё, ё

} // namespace zorbiks::TranslitFilters
