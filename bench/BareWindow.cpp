// The reference of the start-up benchmark: a bare Qt Widgets program, one
// label on a full-screen window, which ends at its first paint.

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <cstdlib>

namespace {

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("bare"))
            QMetaObject::invokeMethod(
                qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FirstPaint watch;
    application.installEventFilter(&watch);
    QLabel label(QStringLiteral("Зорбикс"));
    label.setObjectName(QStringLiteral("bare"));
    label.showFullScreen();
    return application.exec();
}
