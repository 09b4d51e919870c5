#pragma once

// The kiosk test's own connection to the X server, beside the programs it
// runs: what any other client of the session sees of the keyboard.

#include <QByteArray>

struct _XDisplay;

class XProbe {
public:
    explicit XProbe(const QByteArray &display);
    ~XProbe();
    XProbe(const XProbe &) = delete;
    XProbe &operator=(const XProbe &) = delete;

    bool isOpen() const { return display_ != nullptr; }
    // True while another client holds the keyboard: a grab of our own on the
    // root window is refused with AlreadyGrabbed.
    bool keyboardHeldElsewhere();
    // The keyboard's XKB groups (one per layout), the group in force, and
    // putting one in force as a desktop's layout switcher does.
    int groupCount();
    int lockedGroup();
    void lockGroup(int group);

private:
    _XDisplay *display_ = nullptr;
};
