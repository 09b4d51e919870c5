#pragma once

// Per-key transliteration between the Latin (US) and the Russian keyboard
// layouts, on Windows-1251 character codes. A code that a table does not list
// comes back unchanged; 0 means: discard the key.

namespace zorbiks {

// The character of the same key and shift state on the Russian layout.
// `lastKeyDown` (the key code of the key pressed, see KeyCodes.h) lets a
// character that the Russian layout itself gives on the digit keys 2, 4, 6 or
// on the key 191 pass unchanged.
unsigned short LatinToCyrillic(unsigned short code, int lastKeyDown);

// The character of the same key and shift state on the US layout; the
// letters of the bracket, apostrophe and backquote keys are discarded.
unsigned short CyrillicToLatin(unsigned short code);

} // namespace zorbiks
