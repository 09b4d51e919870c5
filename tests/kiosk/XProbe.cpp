#include "XProbe.h"

// X11 headers last: they define macros such as None and KeyPress.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

XProbe::XProbe(const QByteArray &display)
    : display_(XOpenDisplay(display.constData()))
{}

XProbe::~XProbe()
{
    if (display_)
        XCloseDisplay(display_);
}

bool XProbe::keyboardHeldElsewhere()
{
    const int result = XGrabKeyboard(display_, DefaultRootWindow(display_), False, GrabModeAsync,
                                     GrabModeAsync, CurrentTime);
    if (result == GrabSuccess)
        XUngrabKeyboard(display_, CurrentTime);
    XSync(display_, False);
    return result == AlreadyGrabbed;
}

int XProbe::groupCount()
{
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (!keyboard)
        return 0;
    int groups = 0;
    if (XkbGetControls(display_, XkbAllControlsMask, keyboard) == Success && keyboard->ctrls)
        groups = keyboard->ctrls->num_groups;
    XkbFreeKeyboard(keyboard, 0, True);
    return groups;
}

int XProbe::lockedGroup()
{
    XkbStateRec state;
    if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success)
        return -1;
    return state.locked_group;
}

void XProbe::lockGroup(int group)
{
    XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned>(group));
    XSync(display_, False);
}
