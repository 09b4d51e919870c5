#include "linux/X11Platform.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <functional>

// X11 headers come after Qt's: they define macros such as None and KeyPress.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace zorbiks {

namespace {

Display *x11Display()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

class X11KeyboardLayout final : public KeyboardLayout {
public:
    // The XKB group is global to the X session: the one in force now is the
    // one given back at the end.
    X11KeyboardLayout()
    {
        Display *display = x11Display();
        XkbStateRec state;
        if (display && XkbGetState(display, XkbUseCoreKbd, &state) == Success)
            startGroup_ = state.locked_group;
    }

    void activate(KeyboardLayoutKind layout) override
    {
        Display *display = x11Display();
        if (!display)
            return;
        const int group = findGroup(display, layout);
        if (group < 0)
            return;
        XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(group));
        XFlush(display);
    }

    void restore() override
    {
        Display *display = x11Display();
        if (!display || startGroup_ < 0)
            return;
        XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(startGroup_));
        // Done before the program goes on to end.
        XSync(display, False);
    }

private:
    // The index of the group whose name is the wanted layout's, or -1.
    static int findGroup(Display *display, KeyboardLayoutKind layout)
    {
        XkbDescPtr keyboard = XkbAllocKeyboard();
        if (!keyboard)
            return -1;
        int found = -1;
        if (XkbGetNames(display, XkbGroupNamesMask, keyboard) == Success && keyboard->names) {
            for (int group = 0; group < XkbNumKbdGroups && found < 0; ++group) {
                const Atom atom = keyboard->names->groups[group];
                if (atom == 0)
                    continue;
                char *name = XGetAtomName(display, atom);
                if (!name)
                    continue;
                const QString text = QString::fromUtf8(name);
                XFree(name);
                const bool matches =
                    layout == KeyboardLayoutKind::Russian
                        ? text.startsWith(QLatin1String("Russian"))
                        : text == QLatin1String("English (US)") || text == QLatin1String("English");
                if (matches)
                    found = group;
            }
        }
        XkbFreeKeyboard(keyboard, 0, True);
        return found;
    }

    int startGroup_ = -1; // -1: not known (no X11)
};

class X11PointerInput final : public PointerInput {
public:
    void moveTo(const QPoint &screenPosition) override { QCursor::setPos(screenPosition); }

    void click() override
    {
        Display *display = x11Display();
        if (!display)
            return;
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        XFlush(display);
    }
};

// Qt's popups (the context menu of a text box, a drop-down list) take the
// keyboard while they are open and, closing, let it go altogether: the
// stage's grab with it. The watch reports every popup that closes.
class PopupWatch final : public QObject {
public:
    explicit PopupWatch(std::function<void()> closed)
        : closed_(std::move(closed))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->windowType() == Qt::Popup)
            QTimer::singleShot(0, this, closed_); // once Qt has let the keyboard go
        return false;
    }

private:
    std::function<void()> closed_;
};

class KeyboardGrabLock final : public TaskManagerLock {
public:
    explicit KeyboardGrabLock(bool grab)
        : grab_(grab)
    {
        retry_.setInterval(500);
        QObject::connect(&retry_, &QTimer::timeout, [this] { tryGrab(); });
    }

    void attachWindow(QWidget *window) override { window_ = window; }

    void engage() override
    {
        engaged_ = true;
        if (!grab_)
            return;
        const QString platform = QGuiApplication::platformName();
        if (platform.startsWith(QLatin1String("wayland")) && !warned_) {
            warned_ = true;
            std::fputs("Зорбикс: в сеансе Wayland программа не может удерживать клавиатуру; "
                       "для класса настройте сеанс X11 (см. README.md).\n",
                       stderr);
        }
        if (platform != QLatin1String("xcb"))
            return;
        if (!popups_) {
            popups_ = std::make_unique<PopupWatch>([this] { takeBackFromPopup(); });
            QCoreApplication::instance()->installEventFilter(popups_.get());
        }
        attempts_ = 0;
        tryGrab();
    }

    void release() override
    {
        engaged_ = false;
        retry_.stop();
        if (grabbed_ && window_ && window_->windowHandle())
            window_->windowHandle()->setKeyboardGrabEnabled(false);
        grabbed_ = false;
    }

    bool isEngaged() const override { return engaged_; }

private:
    // The grab succeeds only once the window is shown and no other client
    // holds the keyboard, so it is tried again for a while.
    void tryGrab()
    {
        QWindow *window = window_ ? window_->windowHandle() : nullptr;
        if (engaged_ && window && window->isExposed() && window->setKeyboardGrabEnabled(true)) {
            grabbed_ = true;
            retry_.stop();
            return;
        }
        if (!engaged_ || ++attempts_ > 40)
            retry_.stop();
        else if (!retry_.isActive())
            retry_.start();
    }

    // After the last open popup has closed, the stage holds the keyboard again.
    void takeBackFromPopup()
    {
        if (!engaged_ || QApplication::activePopupWidget())
            return;
        attempts_ = 0;
        tryGrab();
    }

    bool grab_;
    bool engaged_ = false;
    bool warned_ = false;
    bool grabbed_ = false;
    int attempts_ = 0;
    QPointer<QWidget> window_;
    QTimer retry_;
    std::unique_ptr<PopupWatch> popups_;
};

} // namespace

std::unique_ptr<KeyboardLayout> makeX11KeyboardLayout()
{
    return std::make_unique<X11KeyboardLayout>();
}

std::unique_ptr<PointerInput> makeX11PointerInput()
{
    return std::make_unique<X11PointerInput>();
}

std::unique_ptr<TaskManagerLock> makeKeyboardGrabLock(bool grab)
{
    return std::make_unique<KeyboardGrabLock>(grab);
}

} // namespace zorbiks
