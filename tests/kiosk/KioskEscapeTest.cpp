#include "support/TestMain.h"

#include "XProbe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

#include <csignal>

namespace {

// A child process whose standard output is read line by line.
class Child {
public:
    Child(const QString &program, const QStringList &arguments,
          const QProcessEnvironment &environment)
    {
        process_.setProcessEnvironment(environment);
        process_.start(program, arguments);
        process_.waitForStarted();
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
    // Ended by itself (not killed by a signal) with exit code 0.
    bool endedCleanly() const
    {
        return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }
    void signal(int number) { ::kill(static_cast<pid_t>(process_.processId()), number); }
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

const QString helper = QStringLiteral(ZORBIKS_KIOSK_HELPER);
const QString zorbiksProgram = QStringLiteral(ZORBIKS_PROGRAM);

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
    // A display of the test's own with a real window manager: Xvnc where it
    // is installed (it honours a second keyboard layout), otherwise Xvfb.
    void initTestCase()
    {
        const bool vnc = !QStandardPaths::findExecutable("Xvnc").isEmpty();
        const QString server = vnc ? "Xvnc" : "Xvfb";
        for (const QString &tool : {server, QString("openbox"), QString("xdotool"),
                                    QString("xprop"), QString("wmctrl")}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is missing: kiosk test not run (install "
                                                "with scripts/install-deps.sh --with-x-tools)")
                                     .arg(tool)));
        }
        for (const char *folder : {"config", "data", "runtime"})
            QDir(home_.path()).mkpath(QString::fromLatin1(folder));
        QFile::setPermissions(home_.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // The server's messages go to a file: unread, they would fill the
        // pipe and stop the server.
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.setStandardOutputFile(home_.filePath("server.log"));
        for (int n = 81; n < 90 && display_.isEmpty(); ++n) {
            if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
                QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            const QString display = QStringLiteral(":%1").arg(n);
            if (vnc)
                server_.start("Xvnc",
                              {display, "-geometry", "1024x768", "-depth", "24", "-SecurityTypes",
                               "None", "-localhost", "-rfbport", "-1", "-nolisten", "tcp"});
            else
                server_.start("Xvfb", {display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
            for (int i = 0; i < 100 && server_.state() != QProcess::NotRunning; ++i) {
                if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
                    display_ = display;
                    break;
                }
                QThread::msleep(30);
            }
            if (display_.isEmpty()) { // another server won the display
                server_.kill();
                server_.waitForFinished(1000);
            }
        }
        if (display_.isEmpty())
            QSKIP(qPrintable(server + " does not start here: kiosk test not run"));
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert("DISPLAY", display_);
        environment_.insert("QT_QPA_PLATFORM", "xcb");
        environment_.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        environment_.insert("XDG_DATA_HOME", home_.filePath("data"));
        environment_.insert("XDG_RUNTIME_DIR", home_.filePath("runtime"));
        environment_.insert("ZORBIKS_DEFAULT_LOG", home_.filePath("log.txt"));
        environment_.insert("ZORBIKS_SPOOL", home_.filePath("spool"));
        environment_.insert("ZORBIKS_SOUNDS", home_.filePath("sounds"));
        // The two layouts of a Russian classroom (Xvfb keeps its one).
        output("setxkbmap", {"-layout", "us,ru"}, environment_);
        probe_ = std::make_unique<XProbe>(display_.toLocal8Bit());
        QVERIFY2(probe_->isOpen(), qPrintable("no connection to " + display_));
        qInfo("%s on %s, keyboard layouts: %d", qPrintable(server), qPrintable(display_),
              probe_->groupCount());

        windowManager_.setProcessEnvironment(environment_);
        windowManager_.start("openbox", {"--sm-disable"});
        QElapsedTimer clock;
        clock.start();
        while (output("wmctrl", {"-m"}, environment_).isEmpty() && clock.elapsed() < 30000 &&
               windowManager_.state() != QProcess::NotRunning)
            QThread::msleep(100);
        QVERIFY2(!output("wmctrl", {"-m"}, environment_).isEmpty(),
                 qPrintable("openbox did not start on " + display_ + ": " +
                            QString::fromLocal8Bit(windowManager_.readAllStandardError())));
    }

    // With a second client beside it: the escapes a pupil may try leave the
    // stage up, on top and holding the keyboard on every kind of screen, after
    // a context menu has closed and after the teacher screen left either way;
    // the other client gets keys again once the program has ended.
    void theStageHoldsAgainstTheUsualEscapes()
    {
        probe_->lockGroup(0); // the keys below are typed on the Latin layout
        Child witness(helper, {"--witness"}, environment_);
        QVERIFY(witness.waitFor("ready witness"));
        auto stage = std::make_unique<Child>(helper, QStringList{"--stage"}, environment_);
        QVERIFY(stage->waitFor("ready registration"));
        QThread::msleep(500); // the keyboard grab is retried until the window is up

        const QString stageWindow =
            xdotool({"search", "--onlyvisible", "--name", "^Зорбикс$"}).section('\n', 0, 0);
        const QString witnessWindow = xdotool({"search", "--name", "^witness$"});
        QVERIFY2(!stageWindow.isEmpty(), "no stage window");
        QVERIFY2(!witnessWindow.isEmpty(), "no witness window");
        const auto topWindow = [&] {
            const QString stacking =
                output("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}, environment_);
            return stacking.section(',', -1).trimmed();
        };

        const QByteArray moved = QFile::encodeName(home_.filePath("data/moved.txt"));
        const QList<QByteArray> screens = {
            "registration", "context menu", "teacher cancel", "teacher save " + moved,
            "menu",         "exercise К1",  "results"};
        for (const QByteArray &screen : screens) {
            if (screen != "registration") {
                stage->send(screen);
                QVERIFY2(stage->waitFor("ready " + screen), screen.constData());
            }
            if (screen == "context menu") {
                xdotool({"key", "Escape"}); // the menu closes; the keyboard stays held
                QThread::msleep(200);
            }
            const QString where = QString::fromUtf8(screen);
            QVERIFY2(probe_->keyboardHeldElsewhere(),
                     qPrintable(where + ": another program can take the keyboard"));
            witness.forget();
            for (const char *keys :
                 {"alt+F4", "alt+Tab", "super", "ctrl+alt+Delete", "ctrl+Escape"})
                xdotool({"key", QString::fromLatin1(keys)});
            // Another program asks for the other window to be brought up.
            output("wmctrl", {"-i", "-a", witnessWindow}, environment_);
            xdotool({"key", "b"});
            output("wmctrl", {"-i", "-c", stageWindow}, environment_);
            output("wmctrl", {"-c", "Зорбикс"}, environment_);
            QThread::msleep(400);

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
        QVERIFY2(!probe_->keyboardHeldElsewhere(), "the keyboard is still held after the end");
        xdotool({"windowactivate", "--sync", witnessWindow});
        xdotool({"key", "a"});
        QVERIFY2(witness.waitFor("key 65", 5000), "the other window gets no keys after the end");
    }

    void theLayoutIsGivenBackWhenTheProgramEnds_data()
    {
        QTest::addColumn<QByteArray>("way");
        QTest::newRow("results, Нет") << QByteArray("exit no");
        QTest::newRow("results, Да, Отмена") << QByteArray("exit cancel");
        QTest::newRow("SIGTERM") << QByteArray("SIGTERM");
        QTest::newRow("SIGHUP") << QByteArray("SIGHUP");
    }

    // The layout is the whole session's: the program switches it for the
    // pupil (a Latin key typed into the surname box), and every way the
    // program ends gives back the layout the session had before.
    void theLayoutIsGivenBackWhenTheProgramEnds()
    {
        QFETCH(QByteArray, way);
        if (const int layouts = probe_->groupCount(); layouts < 2)
            QSKIP(qPrintable(QStringLiteral("the X server's keyboard has %1 layout(s), not two: "
                                            "layout test not run (Xvnc honours two: "
                                            "scripts/install-deps.sh --with-x-tools)")
                                 .arg(layouts)));
        probe_->lockGroup(0);
        QCOMPARE(probe_->lockedGroup(), 0);
        // The results screen's ways are driven through the helper; a signal
        // goes to the program itself.
        const bool bySignal = way.startsWith("SIG");
        Child zorbiks(bySignal ? zorbiksProgram : helper,
                      bySignal ? QStringList() : QStringList{"--stage"}, environment_);
        QElapsedTimer clock;
        clock.start();
        while (xdotool({"search", "--onlyvisible", "--name", "^Зорбикс$"}).isEmpty() &&
               zorbiks.running() && clock.elapsed() < 10000)
            QThread::msleep(100);
        // Until the window holds the keyboard a key may go elsewhere: typed
        // again until the program has switched.
        while (probe_->lockedGroup() == 0 && zorbiks.running() && clock.elapsed() < 20000) {
            xdotool({"key", "g"});
            QThread::msleep(200);
        }
        QVERIFY2(probe_->lockedGroup() == 1,
                 qPrintable("the Russian layout was not switched on: " + zorbiks.errors()));

        if (way == "SIGTERM")
            zorbiks.signal(SIGTERM);
        else if (way == "SIGHUP")
            zorbiks.signal(SIGHUP);
        else
            zorbiks.send("menu\nresults\n" + way);
        QVERIFY2(zorbiks.waitForEnd(10000), "the program did not end");
        QVERIFY2(zorbiks.endedCleanly(), qPrintable(zorbiks.errors().right(3000)));
        QCOMPARE(probe_->lockedGroup(), 0);
    }

private:
    QString xdotool(const QStringList &arguments)
    {
        return output("xdotool", arguments, environment_);
    }

    QTemporaryDir home_;
    Server server_;
    Server windowManager_; // stopped before the server
    QString display_;
    QProcessEnvironment environment_;
    std::unique_ptr<XProbe> probe_;
};

ZORBIKS_TEST(KioskEscapeTest)
#include "KioskEscapeTest.moc"
