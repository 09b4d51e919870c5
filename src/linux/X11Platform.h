#pragma once

#include "platform/Services.h"

namespace zorbiks {

// Switches the XKB group to the Russian or the US English layout; does
// nothing without X11 or when the keyboard has no such group. The group the
// session had when this was made is the one restore() gives back.
std::unique_ptr<KeyboardLayout> makeX11KeyboardLayout();

// QCursor for the move and the XTest extension for the click; clicks do
// nothing without X11.
std::unique_ptr<PointerInput> makeX11PointerInput();

// The kiosk hold: while engaged, the stage window holds the keyboard grab, so
// that desktop shortcuts never reach the desktop. With grab == false (the
// development window) nothing is grabbed but the lock still counts as engaged.
std::unique_ptr<TaskManagerLock> makeKeyboardGrabLock(bool grab);

} // namespace zorbiks
