#pragma once

class QKeyEvent;

namespace zorbiks {

// The key codes the key rules of Зорбикс are written in (the codes of the
// classroom keyboards' keys): 17 Ctrl, 18 Alt, 50/52/54 the digit keys 2, 4
// and 6, 91/92 the left and right Windows (Super) keys, 93 the Applications
// (Menu) key, 191 the key that carries "/" and "?" on the Latin layout and
// "." and "," on the Russian one. Physical keys are recognised by their
// X11 (evdev) scan codes, so that the rules hold on every layout; without a
// scan code the Qt key of the US layout is used.
int keyCodeOf(const QKeyEvent &event);

namespace KeyCode {
constexpr int Control = 17;
constexpr int Alt = 18;
constexpr int Digit2 = 50;
constexpr int Digit4 = 52;
constexpr int Digit6 = 54;
constexpr int LeftWindows = 91;
constexpr int RightWindows = 92;
constexpr int Applications = 93;
constexpr int Slash = 191;
} // namespace KeyCode

} // namespace zorbiks
