#include "support/TestMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

// A child process whose standard output is read line by line.
class Child {
public:
    Child(const QStringList &arguments, const QProcessEnvironment &environment)
    {
        process_.setProcessEnvironment(environment);
        process_.start(QStringLiteral(ZORBIKS_KIOSK_HELPER), arguments);
    }
    ~Child()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
    // Waits for a line; the lines before it are kept for said().
    bool waitFor(const QByteArray &line, int ms = 10000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            read();
            if (lines_.contains(line))
                return true;
            process_.waitForReadyRead(100);
        }
        return false;
    }
    QByteArrayList said()
    {
        process_.waitForReadyRead(100);
        read();
        return lines_;
    }
    void forget() { lines_.clear(); }
    void send(const QByteArray &line) { process_.write(line + '\n'); }
    bool running() const { return process_.state() == QProcess::Running; }
    bool waitForEnd(int ms) { return process_.waitForFinished(ms); }
    int exitCode() const { return process_.exitCode(); }
    QString errors() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

private:
    void read()
    {
        for (const QByteArray &line : process_.readAllStandardOutput().split('\n')) {
            if (!line.isEmpty())
                lines_.append(line);
        }
    }
    QProcess process_;
    QByteArrayList lines_;
};

// A server process stopped with SIGTERM at the end, so that it cleans up
// after itself (an X server its socket and lock file).
class Server : public QProcess {
public:
    ~Server() override
    {
        if (state() != QProcess::NotRunning) {
            terminate();
            if (!waitForFinished(3000))
                kill();
            waitForFinished(1000);
        }
    }
};

QString output(const QString &program, const QStringList &arguments,
               const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

} // namespace

class KioskEscapeTest : public QObject {
    Q_OBJECT
private slots:
    // On a real X server with a real window manager and a second client
    // beside it: the escapes a pupil may try leave the stage up, on top and
    // holding the keyboard on every kind of screen; the other client gets
    // keys again once the program has ended.
    void theStageHoldsAgainstTheUsualEscapes()
    {
        for (const char *tool : {"Xvfb", "openbox", "xdotool", "xprop", "wmctrl"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is missing: kiosk test not run (install "
                                                "with scripts/install-deps.sh --with-x-tools)")
                                     .arg(tool)));
        }
        QTemporaryDir home;
        for (const char *folder : {"config", "data", "runtime"})
            QDir(home.path()).mkpath(QString::fromLatin1(folder));
        QFile::setPermissions(home.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // A display of its own.
        Server xvfb;
        QString display;
        for (int n = 81; n < 90 && display.isEmpty(); ++n) {
            if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
                QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            xvfb.start("Xvfb", {QStringLiteral(":%1").arg(n), "-screen", "0", "1024x768x24",
                                "-nolisten", "tcp"});
            for (int i = 0; i < 100; ++i) {
                if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
                    display = QStringLiteral(":%1").arg(n);
                    break;
                }
                QThread::msleep(30);
            }
        }
        if (display.isEmpty())
            QSKIP("Xvfb does not start here: kiosk test not run");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        environment.insert("ZORBIKS_DEFAULT_LOG", home.filePath("log.txt"));
        environment.insert("ZORBIKS_SPOOL", home.filePath("spool"));
        environment.insert("ZORBIKS_SOUNDS", home.filePath("sounds"));

        Server windowManager;
        windowManager.setProcessEnvironment(environment);
        windowManager.start("openbox", {"--sm-disable"});
        QElapsedTimer clock;
        clock.start();
        while (output("wmctrl", {"-m"}, environment).isEmpty() && clock.elapsed() < 30000 &&
               windowManager.state() != QProcess::NotRunning)
            QThread::msleep(100);
        QVERIFY2(!output("wmctrl", {"-m"}, environment).isEmpty(),
                 qPrintable("openbox did not start on " + display + ": " +
                            QString::fromLocal8Bit(windowManager.readAllStandardError())));

        Child witness({"--witness"}, environment);
        QVERIFY(witness.waitFor("ready witness"));
        auto stage = std::make_unique<Child>(QStringList{"--stage"}, environment);
        QVERIFY(stage->waitFor("ready registration"));
        QThread::msleep(500); // the keyboard grab is retried until the window is up

        const auto xdotool = [&](const QStringList &arguments) {
            return output("xdotool", arguments, environment);
        };
        const QString stageWindow =
            xdotool({"search", "--onlyvisible", "--name", "^Зорбикс$"}).section('\n', 0, 0);
        const QString witnessWindow = xdotool({"search", "--name", "^witness$"});
        QVERIFY2(!stageWindow.isEmpty(), "no stage window");
        QVERIFY2(!witnessWindow.isEmpty(), "no witness window");
        const auto topWindow = [&] {
            const QString stacking =
                output("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}, environment);
            return stacking.section(',', -1).trimmed();
        };

        const QList<QByteArray> screens = {"registration", "menu", "exercise К1", "results"};
        for (const QByteArray &screen : screens) {
            if (screen != "registration") {
                stage->send(screen);
                QVERIFY2(stage->waitFor("ready " + screen), screen.constData());
            }
            witness.forget();
            for (const char *keys :
                 {"alt+F4", "alt+Tab", "super", "ctrl+alt+Delete", "ctrl+Escape"})
                xdotool({"key", QString::fromLatin1(keys)});
            // Another program asks for the other window to be brought up.
            output("wmctrl", {"-i", "-a", witnessWindow}, environment);
            xdotool({"key", "b"});
            output("wmctrl", {"-i", "-c", stageWindow}, environment);
            output("wmctrl", {"-c", "Зорбикс"}, environment);
            QThread::msleep(400);

            const QString where = QString::fromUtf8(screen);
            QVERIFY2(stage->running(), qPrintable(where + ": the program ended"));
            QVERIFY2(!xdotool({"search", "--onlyvisible", "--name", "^Зорбикс$"}).isEmpty(),
                     qPrintable(where + ": the stage is gone"));
            QCOMPARE(QString::number(topWindow().toULongLong(nullptr, 16)), stageWindow);
            const QByteArrayList stolen = witness.said();
            QVERIFY2(stolen.isEmpty(),
                     qPrintable(where + ": the other window got " + stolen.join(' ')));
        }

        stage->send("end");
        QVERIFY(stage->waitForEnd(10000));
        // (Under the sanitizers a report ends the program with another code.)
        QVERIFY2(stage->exitCode() == 0, qPrintable(stage->errors().right(3000)));
        stage.reset();
        xdotool({"windowactivate", "--sync", witnessWindow});
        xdotool({"key", "a"});
        QVERIFY2(witness.waitFor("key 65", 5000), "the other window gets no keys after the end");
    }
};

ZORBIKS_TEST(KioskEscapeTest)
#include "KioskEscapeTest.moc"
