// A child process of the kiosk test, on a real X server.
//
//   kiosk_helper --witness   an ordinary window, titled "witness", that says
//                            "key <code>" on its standard output for every
//                            key it receives
//   kiosk_helper --stage     Зорбикс with its real services; commands on the
//                            standard input move it from screen to screen,
//                            and it answers "ready <command>" each time:
//                              context menu       opens the surname box's
//                                                 context menu (as a right
//                                                 click does)
//                              menu               registers a pupil
//                              teacher cancel     the teacher screen, left
//                                                 with `Отмена`
//                              teacher save PATH  … left with `ОК` and PATH
//                              exercise CODE      opens a question
//                              results            shows the results screen
//                              exit no            `Выход`, then `Нет`
//                              exit cancel        `Выход`, `Да`, `Отмена`
//                              end                the program's own end

#include "app/Startup.h"
#include "platform/Services.h"
#include "shell/Stage.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QContextMenuEvent>
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

// A control of one of the stage's screens, by the screen's and its own name.
QWidget *control(Stage *stage, const char *screen, const char *name)
{
    auto *parent =
        stage->findChild<QWidget *>(QString::fromUtf8(screen), Qt::FindDirectChildrenOnly);
    QWidget *widget = parent ? parent->findChild<QWidget *>(QString::fromUtf8(name)) : nullptr;
    if (!widget)
        qFatal("no %s on %s", name, screen);
    return widget;
}

void click(Stage *stage, const char *screen, const char *name)
{
    test::leftClick(control(stage, screen, name));
}

// The teacher screen reached with the access code, then left one way.
void visitTeacher(Stage *stage, const QList<QByteArray> &words)
{
    click(stage, "Титул1", "Label5");
    test::typeText(control(stage, "Титул1", "Text3"), QStringLiteral("482915"));
    click(stage, "Титул1", "Command1");
    if (words.value(1) == "save") {
        static_cast<QLineEdit *>(control(stage, "secret", "Text2"))
            ->setText(QString::fromUtf8(words.value(2)));
        click(stage, "secret", "Command2");
    } else {
        click(stage, "secret", "Command3");
    }
}

// The run ended through the results screen, one of its two ways.
void leave(Stage *stage, const QByteArray &how)
{
    click(stage, "Результат", "Выход");
    if (how == "no") {
        click(stage, "Результат", "Нет");
    } else {
        click(stage, "Результат", "Да");
        click(stage, "Результат", "Отмена");
    }
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
                auto *surname = static_cast<QLineEdit *>(control(stage, "Титул1", "Text1"));
                surname->clear(); // keys the test typed on the real keyboard
                test::typeText(surname, QStringLiteral("Петров"));
                click(stage, "Титул1", "Далее");
            } else if (line == "context menu") {
                QWidget *surname = control(stage, "Титул1", "Text1");
                const QPoint at = surname->rect().center();
                QContextMenuEvent event(QContextMenuEvent::Mouse, at, surname->mapToGlobal(at));
                QApplication::sendEvent(surname, &event);
            } else if (words[0] == "teacher") {
                visitTeacher(stage, words);
            } else if (words[0] == "exit") {
                leave(stage, words.value(1));
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
