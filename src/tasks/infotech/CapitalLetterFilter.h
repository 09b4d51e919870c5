#pragma once

// The key filter of the answers made of Cyrillic capitals (И3, И4), built on
// TranslitFilters: a key of the Latin layout gives the letter of the same key
// on the Russian layout, and the layout is switched to Russian; small letters
// are entered with a warning. Digits and signs are discarded, except the keys
// that carry a Russian letter ("<", ">", ":", ".", ";" and the like give Б,
// Ю, Ж, ю, ж).

#include "exercise/Exercise.h"

namespace zorbiks {

// `code` is a Windows-1251 character code, `lastKeyDown` the key code of the
// key that produced it.
KeyVerdict cyrillicCapitalsFilter(ushort code, qint16 lastKeyDown);

} // namespace zorbiks
