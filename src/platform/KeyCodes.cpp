#include "platform/KeyCodes.h"

#include <QKeyEvent>

namespace zorbiks {

namespace {

// evdev scan codes of the X server (keycode = Linux input code + 8).
int fromScanCode(quint32 scanCode)
{
    switch (scanCode) {
    case 11: return KeyCode::Digit2;
    case 13: return KeyCode::Digit4;
    case 15: return KeyCode::Digit6;
    case 61: return KeyCode::Slash;
    case 37:
    case 105: return KeyCode::Control;
    case 64:
    case 108: return KeyCode::Alt;
    case 133: return KeyCode::LeftWindows;
    case 134: return KeyCode::RightWindows;
    case 135: return KeyCode::Applications;
    default: return 0;
    }
}

int fromQtKey(int key)
{
    switch (key) {
    case Qt::Key_2:
    case Qt::Key_At: return KeyCode::Digit2;
    case Qt::Key_4:
    case Qt::Key_Dollar: return KeyCode::Digit4;
    case Qt::Key_6:
    case Qt::Key_AsciiCircum: return KeyCode::Digit6;
    case Qt::Key_Slash:
    case Qt::Key_Question: return KeyCode::Slash;
    case Qt::Key_Control: return KeyCode::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return KeyCode::Alt;
    case Qt::Key_Meta:
    case Qt::Key_Super_L: return KeyCode::LeftWindows;
    case Qt::Key_Super_R: return KeyCode::RightWindows;
    case Qt::Key_Menu: return KeyCode::Applications;
    default: break;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;
    return 0;
}

} // namespace

int keyCodeOf(const QKeyEvent &event)
{
    if (const quint32 scanCode = event.nativeScanCode()) {
        // A known physical key decides; the Qt key of any other key may be a
        // character that another layout puts on one of the keys above.
        if (const int code = fromScanCode(scanCode))
            return code;
        const int key = event.key();
        const bool letterOrDigit =
            (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z);
        return letterOrDigit ? key : 0;
    }
    return fromQtKey(event.key());
}

} // namespace zorbiks
