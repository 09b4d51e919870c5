#include "screen/WindowsKeyGuard.h"

#include "platform/KeyCodes.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace zorbiks {

WindowsKeyGuard::WindowsKeyGuard(Services &services, QWidget *screen)
    : QObject(screen)
    , services_(services)
    , screen_(screen)
{
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &WindowsKeyGuard::tick);
}

bool WindowsKeyGuard::isGuardedKey(int keyCode)
{
    return keyCode == KeyCode::LeftWindows || keyCode == KeyCode::RightWindows ||
           keyCode == KeyCode::Applications;
}

bool WindowsKeyGuard::keyReleased(int keyCode)
{
    if (!isGuardedKey(keyCode))
        return false;
    if (running_)
        return true;
    running_ = true;
    // (600, 10) of the stage: a point of the menu's title strip, which stays
    // visible above every work window, or of the registration screen.
    services_.pointer->moveTo(screen_->window()->mapToGlobal(QPoint(600, 10)));
    timer_.start(1);
    services_.sounds->play(QStringLiteral("error"));
    QPointer<QObject> alive(this);
    while (alive && !done_) {
        services_.pointer->click();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    if (!alive)
        return true;
    ticks_ = 0;
    done_ = 0;
    timer_.stop();
    running_ = false;
    emit finished();
    return true;
}

void WindowsKeyGuard::tick()
{
    if (ticks_ < 32767)
        ++ticks_;
    if (ticks_ > 3)
        done_ = 1;
}

} // namespace zorbiks
