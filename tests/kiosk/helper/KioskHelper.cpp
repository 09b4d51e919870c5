// A child process of the kiosk test, on a real X server.
//
//   kiosk_helper --witness   an ordinary window, titled "witness", that says
//                            "key <code>" on its standard output for every
//                            key it receives
//   kiosk_helper --stage     Зорбикс with its real services; commands on the
//                            standard input ("menu", "exercise <code>",
//                            "results", "end") move it from screen to screen,
//                            and it answers "ready <screen>" each time

#include "app/Startup.h"
#include "platform/Services.h"
#include "shell/Stage.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

using namespace zorbiks;

namespace {

void say(const QByteArray &line)
{
    const QByteArray text = line + '\n';
    if (::write(STDOUT_FILENO, text.constData(), size_t(text.size())) < 0)
        std::_Exit(1);
}

class KeyWitness : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && watched->isWidgetType())
            say("key " + QByteArray::number(static_cast<QKeyEvent *>(event)->key()));
        return false;
    }
};

int witness(QApplication &application)
{
    KeyWitness watch;
    application.installEventFilter(&watch);
    QLineEdit window;
    window.setWindowTitle(QStringLiteral("witness"));
    window.setGeometry(700, 500, 300, 60);
    window.show();
    QTimer::singleShot(200, [] { say("ready witness"); });
    return application.exec();
}

int stage(QApplication &application)
{
    auto *stage = static_cast<Stage *>(startApplication(application.arguments()));
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QWidget *current = nullptr;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer - 1);
        if (n <= 0)
            return;
        for (const QByteArray &line : QByteArray(buffer, n).trimmed().split('\n')) {
            const QList<QByteArray> words = line.trimmed().split(' ');
            if (words[0] == "menu") {
                test::typeText(stage->findChild<QWidget *>(QStringLiteral("Text1")),
                               QStringLiteral("Петров"));
                test::leftClick(stage->findChild<QWidget *>(QStringLiteral("Далее")));
            } else if (words[0] == "exercise" && words.size() > 1) {
                const QString code = QString::fromUtf8(words[1]);
                stage->openExercise(code);
                current = stage->exerciseScreen(code);
            } else if (words[0] == "results") {
                stage->showResults(current, true);
            } else if (words[0] == "end") {
                stage->endProgram();
            }
            QTimer::singleShot(300, [line] { say("ready " + line); });
        }
    });
    QTimer::singleShot(300, [] { say("ready registration"); });
    // The program's own end, as main() ends it.
    endApplication(stage, application.exec());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (application.arguments().contains(QStringLiteral("--witness")))
        return witness(application);
    return stage(application);
}
