#pragma once

// Answers the release of a Windows (Super) key or the Applications (Menu) key
// on a guarded screen: the pointer goes onto the program's own title strip,
// "error" sounds, and the guard clicks there, letting pending events run,
// until its timer `Timer1` has ticked four times — which closes a desktop
// menu that the key may have opened. A guarded key released while the guard
// runs is ignored.

#include <QObject>
#include <QTimer>

class QWidget;

namespace zorbiks {

struct Services;

class WindowsKeyGuard : public QObject {
    Q_OBJECT
public:
    // `screen` is the guarded screen; its window places the click point.
    WindowsKeyGuard(Services &services, QWidget *screen);

    // Handles a released key (a key code of KeyCodes.h); true when it was a
    // guarded key.
    bool keyReleased(int keyCode);

    bool isRunning() const { return running_; }
    qint16 ticks() const { return ticks_; }
    const QTimer &timer() const { return timer_; }

    static bool isGuardedKey(int keyCode);

signals:
    void finished();

private:
    void tick();

    Services &services_;
    QWidget *screen_;
    QTimer timer_;
    qint16 ticks_ = 0;
    qint16 done_ = 0;
    bool running_ = false;
};

} // namespace zorbiks
