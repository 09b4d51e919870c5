#include "pupil/Transliteration.h"

#include "platform/KeyCodes.h"

#include <array>

namespace zorbiks {

namespace {

constexpr std::array<unsigned short, 26> latinSmallToCyrillic = {
    244, 232, 241, 226, 243, 224, 239, 240, 248, 238, 235, 228, 252,
    242, 249, 231, 233, 234, 251, 229, 227, 236, 246, 247, 237, 255};

constexpr std::array<unsigned short, 26> latinCapitalToCyrillic = {
    212, 200, 209, 194, 211, 192, 207, 208, 216, 206, 203, 196, 220,
    210, 217, 199, 201, 202, 219, 197, 195, 204, 214, 215, 205, 223};

// Cyrillic capitals А…Я (192…223), then small а…я (224…255); 0 = discarded.
constexpr std::array<char, 64> cyrillicToLatin = {
    'F', '<', 'D', 'U', 'L', 'T', ':', 'P', 'B', 'Q', 'R', 'K', 'V', 'Y', 'J', 'G',
    'H', 'C', 'N', 'E', 'A', 0,   'W', 'X', 'I', 'O', 0,   'S', 'M', '"', '>', 'Z',
    'f', ',', 'd', 'u', 'l', 't', ';', 'p', 'b', 'q', 'r', 'k', 'v', 'y', 'j', 'g',
    'h', 'c', 'n', 'e', 'a', 0,   'w', 'x', 'i', 'o', 0,   's', 'm', 0,   '.', 'z'};

} // namespace

unsigned short LatinToCyrillic(unsigned short code, int lastKeyDown)
{
    if (code >= 'a' && code <= 'z')
        return latinSmallToCyrillic[code - 'a'];
    if (code >= 'A' && code <= 'Z')
        return latinCapitalToCyrillic[code - 'A'];
    switch (code) {
    case '[': return 245;  // х
    case ']': return 250;  // ъ
    case '{': return 213;  // Х
    case '}': return 218;  // Ъ
    case '`': return 184;  // ё
    case '~': return 168;  // Ё
    case '\'': return 253; // э
    case '<': return 193;  // Б
    case '>': return 222;  // Ю
    case '?': return ',';
    // The Russian layout's own characters on the key 191 and on the digit
    // keys pass; typed on their Latin-layout keys they are letters.
    case ',': return lastKeyDown == KeyCode::Slash ? ',' : 225;  // б
    case '.': return lastKeyDown == KeyCode::Slash ? '.' : 254;  // ю
    case '/': return lastKeyDown == KeyCode::Slash ? '.' : 254;  // ю
    case '"': return lastKeyDown == KeyCode::Digit2 ? '"' : 221; // Э
    case '@': return lastKeyDown == KeyCode::Digit2 ? '"' : 221; // Э
    case ';': return lastKeyDown == KeyCode::Digit4 ? ';' : 230; // ж
    case '$': return lastKeyDown == KeyCode::Digit4 ? ';' : 230; // ж
    case ':': return lastKeyDown == KeyCode::Digit6 ? ':' : 198; // Ж
    case '^': return lastKeyDown == KeyCode::Digit6 ? ':' : 198; // Ж
    default: return code;
    }
}

unsigned short CyrillicToLatin(unsigned short code)
{
    if (code >= 192 && code <= 255)
        return static_cast<unsigned short>(cyrillicToLatin[code - 192]);
    if (code == 168 || code == 184) // Ё, ё
        return 0;
    return code;
}

} // namespace zorbiks
