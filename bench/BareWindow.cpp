#include "BareWindow.h"
#include "Marks.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace {

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("bare") &&
            !seen_) {
            seen_ = true;
            mark("painted");
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

int bareWindow(int argc, char *argv[])
{
    QApplication application(argc, argv);
    mark("application");
    FirstPaint watch;
    application.installEventFilter(&watch);
    QWidget window;
    QLabel label(QStringLiteral("Зорбикс"), &window);
    label.setObjectName(QStringLiteral("bare"));
    label.move(40, 40);
    // Without a window manager a full-screen window keeps its natural size.
    if (QScreen *screen = window.screen())
        window.setGeometry(screen->geometry());
    window.showFullScreen();
    mark("shown");
    return application.exec();
}
