// Benchmarks of Зорбикс, printed as one table:
//  - cold start to the registration screen painted, against a bare Qt
//    Widgets window (one label, full screen), A B A B …, offscreen and under
//    Xvfb, with the peak memory of both;
//  - first creation and repeated activation of every exercise screen;
//  - one results log record against a bare open / append / fsync / close;
//  - a click on `ОК` to its feedback on the screen, with the log on a local
//    disk, with every fsync of its folder 300 ms slower (the fault library
//    of the reliability tests, preloaded), and with its lock held 2 s by
//    another process;
//  - the sweep: every exercise opened, answered right and left.
// ZORBIKS_BENCH_ROUNDS sets the number of start-ups of each kind (10).

#include "app/Startup.h"
#include "exercise/ExerciseScreen.h"
#include "log/Cp1251.h"
#include "log/LogSpool.h"
#include "log/ResultsLog.h"
#include "platform/FakeServices.h"
#include "platform/Services.h"
#include "pupil/PupilRecord.h"
#include "shell/RegistrationScreen.h"
#include "shell/Stage.h"
#include "tasks/Catalogue.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

using namespace zorbiks;

namespace {

// ---- the child: one start-up that ends at its first paint -----------------

class FirstPaint : public QObject {
public:
    explicit FirstPaint(QString name)
        : name_(std::move(name))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == name_ && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(
                qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QString name_;
    bool seen_ = false;
};

int child(int argc, char *argv[], const QString &kind)
{
    QApplication application(argc, argv);
    if (kind == QLatin1String("bare-here")) {
        FirstPaint watch(QStringLiteral("bare"));
        application.installEventFilter(&watch);
        QLabel label(QStringLiteral("Зорбикс"));
        label.setObjectName(QStringLiteral("bare"));
        label.showFullScreen();
        return application.exec();
    }
    FirstPaint watch(QStringLiteral("Титул1"));
    application.installEventFilter(&watch);
    std::unique_ptr<QWidget> stage(startApplication(application.arguments()));
    return application.exec();
}

// ---- figures --------------------------------------------------------------

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double percentile(QList<double> values, int percent)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min<qsizetype>(values.size() - 1, (values.size() * percent + 99) / 100 - 1)];
}

double percentile95(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min<qsizetype>(values.size() - 1, (values.size() * 95 + 99) / 100 - 1)];
}

void row(const QString &what, const QString &figure, const QString &goal = QString())
{
    std::printf("%-58s %-26s %s\n", qPrintable(what), qPrintable(figure), qPrintable(goal));
}

struct Start {
    double ms = 0;
    double peakMiB = 0;
};

// Starts a child of the given kind and waits for it: "bare" is the separate
// bare window program, "bare-here" the same window made by this program
// (the same libraries as Зорбикс loaded), "program" Зорбикс itself.
Start startOnce(const QString &self, const QString &kind, const QStringList &environment)
{
    QByteArrayList strings = {QFile::encodeName(self), "--child", kind.toLatin1()};
    if (kind == QLatin1String("bare"))
        strings = {ZORBIKS_BARE_WINDOW};
    QByteArrayList env;
    for (const QString &entry : environment)
        env.append(entry.toLocal8Bit());
    std::vector<char *> args;
    for (QByteArray &s : strings)
        args.push_back(s.data());
    args.push_back(nullptr);
    std::vector<char *> envp;
    for (QByteArray &s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);

    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int started = posix_spawn(&pid, args[0], &quiet, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (started != 0)
        return {};
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    return {clock.nsecsElapsed() / 1e6, usage.ru_maxrss / 1024.0};
}

struct XServer {
    QProcess process;
    QString display;
    bool start()
    {
        for (int n = 91; n < 99; ++n) {
            if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
                continue;
            display = QStringLiteral(":%1").arg(n);
            process.start(QStringLiteral("Xvfb"),
                          {display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
            if (!process.waitForStarted(3000))
                return false;
            for (int i = 0; i < 100; ++i) {
                if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
                    return true;
                QThread::msleep(20);
            }
            return false;
        }
        return false;
    }
    ~XServer()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            process.waitForFinished(3000);
        }
    }
};

void coldStart(const QString &self, const QString &home)
{
    const int rounds = qEnvironmentVariableIsSet("ZORBIKS_BENCH_ROUNDS")
                           ? qEnvironmentVariableIntValue("ZORBIKS_BENCH_ROUNDS")
                           : 10;
    XServer xvfb;
    for (const QString &platform : {QStringLiteral("offscreen"), QStringLiteral("xcb")}) {
        QStringList environment = QProcess::systemEnvironment();
        environment.erase(std::remove_if(environment.begin(), environment.end(),
                                         [](const QString &entry) {
                                             return entry.startsWith("QT_QPA_PLATFORM=") ||
                                                    entry.startsWith("DISPLAY=") ||
                                                    entry.startsWith("XDG_");
                                         }),
                          environment.end());
        environment << "QT_QPA_PLATFORM=" + platform << "XDG_CONFIG_HOME=" + home + "/config"
                    << "XDG_DATA_HOME=" + home + "/data"
                    << "XDG_RUNTIME_DIR=" + home + "/runtime";
        if (platform == QLatin1String("xcb")) {
            if (!xvfb.start()) {
                row("Cold start under Xvfb", "Xvfb not available");
                continue;
            }
            environment << "DISPLAY=" + xvfb.display;
        }
        QList<double> bare, bareHere, program, bareMemory, programMemory;
        for (const char *kind : {"bare", "bare-here", "program"})
            startOnce(self, kind, environment); // warms the disk cache
        for (int i = 0; i < rounds; ++i) {
            const Start a = startOnce(self, "bare", environment);
            const Start b = startOnce(self, "program", environment);
            const Start c = startOnce(self, "bare-here", environment);
            bare << a.ms;
            bareMemory << a.peakMiB;
            program << b.ms;
            programMemory << b.peakMiB;
            bareHere << c.ms;
        }
        const QString where = platform == QLatin1String("xcb") ? "Xvfb" : "offscreen";
        row(QStringLiteral("Cold start, %1: bare / bare, our libraries / program (ms)").arg(where),
            QStringLiteral("%1 / %2 / %3")
                .arg(median(bare), 0, 'f', 1)
                .arg(median(bareHere), 0, 'f', 1)
                .arg(median(program), 0, 'f', 1));
        row(QStringLiteral("Cold start, %1: ratio to bare (to bare, our libraries)").arg(where),
            QStringLiteral("%1 × (%2 ×)")
                .arg(median(program) / median(bare), 0, 'f', 2)
                .arg(median(program) / median(bareHere), 0, 'f', 2),
            where == "Xvfb" ? "goal ≤ 1.3 ×" : "");
        row(QStringLiteral("Peak memory, %1: bare / program (MiB)").arg(where),
            QStringLiteral("%1 / %2 (+%3)")
                .arg(median(bareMemory), 0, 'f', 1)
                .arg(median(programMemory), 0, 'f', 1)
                .arg(median(programMemory) - median(bareMemory), 0, 'f', 1),
            "goal ≤ bare + 15 MiB");
    }
}

// ---- in-process: screens and the sweep -------------------------------------

struct Program {
    FakeServices fakes;
    std::unique_ptr<QWidget> widget;
    Stage *stage = nullptr;

    explicit Program(const QString &log)
    {
        fakes.settings->location = log;
        widget.reset(startApplication({}, fakes.take()));
        stage = static_cast<Stage *>(widget.get());
        stage->pupil().PupilName = QStringLiteral("Бенч");
        stage->showMenu(stage->registration());
        settle();
    }
    static void settle() { QCoreApplication::processEvents(); }

    double open(const QString &code)
    {
        QElapsedTimer clock;
        clock.start();
        stage->openExercise(code);
        lastWithoutPaint = clock.nsecsElapsed() / 1e6;
        settle();
        return clock.nsecsElapsed() / 1e6;
    }
    double lastWithoutPaint = 0; // the last open() up to its paint
    void leave(const QString &code)
    {
        ExerciseScreen *screen = stage->exerciseScreen(code);
        stage->leaveToMenu(screen, sectionOfCode(code), true);
        settle();
    }
};

void click(QWidget *widget)
{
    // The pointer arrives over the widget first, as a real one does.
    const QPoint centre = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, centre, widget->mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, widget->mapToGlobal(centre),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// Answers the task on the screen right, then returns what it takes to give
// it.
double answerRight(ExerciseScreen *screen, bool &answered)
{
    const Exercise &exercise = screen->exercise();
    auto *menu = screen->findChild<QWidget *>(QStringLiteral("Меню"));
    QElapsedTimer clock;
    if (exercise.traits().kind == ExerciseKind::Typed) {
        const QString answer = exercise.rightAnswer();
        auto *box = screen->findChild<QWidget *>(QStringLiteral("Ответ"));
        clock.start();
        if (!answer.isEmpty() && box) {
            for (const QChar c : answer) {
                QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier,
                                QString(c));
                QApplication::sendEvent(box, &press);
                QKeyEvent release(QEvent::KeyRelease, c.toUpper().unicode(), Qt::NoModifier,
                                  QString(c));
                QApplication::sendEvent(box, &release);
            }
            click(screen->findChild<QWidget *>(QStringLiteral("ОК")));
        }
    } else {
        clock.start();
        const QString number = QString::number(exercise.correctOption());
        auto *answers = screen->findChild<QWidget *>(QStringLiteral("Ответы"));
        for (QWidget *option : answers ? answers->findChildren<QWidget *>() : QList<QWidget *>()) {
            if (menu->isVisible())
                break;
            if (option->objectName().endsWith(number) &&
                !option->objectName().endsWith("1" + number) && option->isVisible() &&
                option->isEnabled())
                click(option);
        }
        // Picture options answer on their highlighted twin (`Отв1` + number).
        if (auto *twin = screen->findChild<QWidget *>(QStringLiteral("Отв1") + number);
            twin && !menu->isVisible() && twin->isVisible() && twin->isEnabled())
            click(twin);
    }
    Program::settle();
    answered = menu && menu->isVisible();
    return clock.nsecsElapsed() / 1e6;
}

void screens(const QString &home)
{
    const QStringList codes = Catalogue::codes();
    Program program(home + "/screens.txt");
    QList<double> firsts, agains, unpainted;
    QString worstFirst, worstAgain;
    double worstFirstMs = 0, worstAgainMs = 0;
    for (const QString &code : codes) {
        const double first = program.open(code);
        program.leave(code);
        QList<double> again;
        for (int i = 0; i < 20; ++i) {
            again << program.open(code);
            unpainted << program.lastWithoutPaint;
            program.leave(code);
        }
        firsts << first;
        agains << again;
        if (first > worstFirstMs) {
            worstFirstMs = first;
            worstFirst = code;
        }
        if (percentile95(again) > worstAgainMs) {
            worstAgainMs = percentile95(again);
            worstAgain = code;
        }
    }
    row(QStringLiteral("Screen, first creation (%1 screens): median / p95 ms").arg(codes.size()),
        QStringLiteral("%1 / %2 (worst %3 %4)")
            .arg(median(firsts), 0, 'f', 2)
            .arg(percentile95(firsts), 0, 'f', 2)
            .arg(worstFirst)
            .arg(worstFirstMs, 0, 'f', 1),
        "goal ≤ 20 ms");
    row(QStringLiteral("Screen, again (20 × each): median / p95 ms"),
        QStringLiteral("%1 / %2 (worst p95 %3 %4)")
            .arg(median(agains), 0, 'f', 2)
            .arg(percentile95(agains), 0, 'f', 2)
            .arg(worstAgain)
            .arg(worstAgainMs, 0, 'f', 2),
        "goal ≤ 2 ms");
    row(QStringLiteral("Screen, again, before its paint: median / p95 ms"),
        QStringLiteral("%1 / %2")
            .arg(median(unpainted), 0, 'f', 2)
            .arg(percentile95(unpainted), 0, 'f', 2));
}

void sweep(const QString &home)
{
    const QStringList codes = Catalogue::codes();
    Program program(home + "/sweep.txt");
    double total = 0;
    int right = 0;
    QStringList missed;
    for (const QString &code : codes) {
        total += program.open(code);
        bool answered = false;
        total += answerRight(program.stage->exerciseScreen(code), answered);
        right += answered ? 1 : 0;
        if (!answered)
            missed << code;
        QElapsedTimer clock;
        clock.start();
        program.leave(code);
        total += clock.nsecsElapsed() / 1e6;
    }
    row(QStringLiteral("Sweep: open, answer right, leave, all %1 (ms)").arg(codes.size()),
        QStringLiteral("%1 (%2 answered right%3)")
            .arg(total, 0, 'f', 1)
            .arg(right)
            .arg(missed.isEmpty() ? QString() : QStringLiteral("; not ") + missed.join(' ')),
        "goal < 1000 ms");
}

// ---- the log --------------------------------------------------------------

bool bareAppend(const QByteArray &name, const QByteArray &bytes)
{
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok =
        ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size() && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

void logRecord(const QString &folder)
{
    const QString token = QStringLiteral(" К1 - да, ");
    const QByteArray bytes = Cp1251::encode(token);
    const QString barePath = folder + "/bare.txt";
    const QByteArray bareName = QFile::encodeName(barePath);
    const QString logPath = folder + "/log.txt";
    PupilRecord pupil;
    FakeClock clock;
    // The real settings store: its value is read again before every record.
    std::unique_ptr<Services> real = makeRealServices({true});
    real->settings->setLogLocation(logPath);
    ResultsLog withSettings(pupil, *real->settings, clock, logPath, folder + "/spool");
    FakeSettingsStore fixed;
    fixed.location = logPath;
    ResultsLog writeOnly(pupil, fixed, clock, logPath, folder + "/spool");
    QList<double> bare, logged, loggedFixed;
    for (int i = 0; i < 300; ++i) {
        QElapsedTimer timer;
        timer.start();
        bareAppend(bareName, bytes);
        bare << timer.nsecsElapsed() / 1e3;
        timer.restart();
        withSettings.writeToken(token);
        logged << timer.nsecsElapsed() / 1e3;
        timer.restart();
        writeOnly.writeToken(token);
        loggedFixed << timer.nsecsElapsed() / 1e3;
    }
    row("Log record: bare / ResultsLog / without settings read (µs)",
        QStringLiteral("%1 / %2 / %3")
            .arg(median(bare), 0, 'f', 0)
            .arg(median(logged), 0, 'f', 0)
            .arg(median(loggedFixed), 0, 'f', 0));
    row("Log record: ratio to bare (with / without settings read)",
        QStringLiteral("%1 × / %2 ×")
            .arg(median(logged) / median(bare), 0, 'f', 2)
            .arg(median(loggedFixed) / median(bare), 0, 'f', 2),
        "goal ≤ 1.2 ×");
    real->settings->setLogLocation(QString());
}

// ---- a click on ОК to its feedback ------------------------------------------

// The child: opens К1 and answers it `clicks` times, each a click on `ОК`
// up to the feedback painted; prints the times (ms), one a line.
int clickChild(const QString &log, int clicks)
{
    int argc = 1;
    char name[] = "zorbiks_bench";
    char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Program program(log);
    program.open(QStringLiteral("К1"));
    ExerciseScreen *screen = program.stage->exerciseScreen(QStringLiteral("К1"));
    auto *box = screen->findChild<QLineEdit *>(QStringLiteral("Ответ"));
    auto *ok = screen->findChild<QWidget *>(QStringLiteral("ОК"));
    auto *again = screen->findChild<QWidget *>(QStringLiteral("Повтор"));
    if (!box || !ok || !again)
        return 1;
    for (int i = 0; i < clicks; ++i) {
        box->setText(QStringLiteral("1"));
        Program::settle();
        QElapsedTimer timer;
        timer.start();
        click(ok);
        Program::settle();
        std::printf("%.3f\n", timer.nsecsElapsed() / 1e6);
        click(again);
        Program::settle();
        QThread::msleep(10);
    }
    std::fflush(stdout);
    return 0;
}

// Holds the write lock of `path` (fcntl, as another computer's copy of the
// program does) for `ms`, saying "held" once it has it.
int holdLock(const char *path, int ms)
{
    const int fd = ::open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    struct flock whole = {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (fd < 0 || ::fcntl(fd, F_SETLKW, &whole) != 0)
        return 1;
    std::printf("held\n");
    std::fflush(stdout);
    QThread::msleep(static_cast<unsigned long>(ms));
    return 0;
}

void clickRow(const QString &what, const QString &self, const QString &log,
              const QProcessEnvironment &environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(self, {"--clicks", log, "200"});
    child.waitForFinished(120000);
    QList<double> times;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            times << line.toDouble();
    }
    if (times.isEmpty()) {
        row(what, "failed");
        return;
    }
    row(what,
        QStringLiteral("%1 / %2")
            .arg(median(times), 0, 'f', 2)
            .arg(percentile(times, 99), 0, 'f', 2),
        "goal p99 ≤ 16 ms");
}

void clicks(const QString &self, const QString &home)
{
    const QProcessEnvironment plain = QProcessEnvironment::systemEnvironment();
    const QString local = home + "/clicks-local";
    QDir().mkpath(local);
    clickRow("Click on ОК to feedback, local disk: median / p99 (ms)", self, local + "/log.txt",
             plain);
#ifdef ZORBIKS_FAULTS_LIBRARY
    const QString slow = home + "/clicks-slow";
    QDir().mkpath(slow);
    QProcessEnvironment preloaded = plain;
    preloaded.insert("LD_PRELOAD", ZORBIKS_FAULTS_LIBRARY);
    preloaded.insert("ZORBIKS_FAULTS", QStringLiteral("call=fsync path=%1/ sleep=300").arg(slow));
    clickRow("Click on ОК to feedback, fsync +300 ms: median / p99 (ms)", self, slow + "/log.txt",
             preloaded);
#else
    row("Click on ОК to feedback, fsync +300 ms", "the fault library is built with the tests");
#endif
    const QString locked = home + "/clicks-locked";
    QDir().mkpath(locked);
    QProcess holder;
    holder.start(self, {"--hold-lock", locked + "/log.txt", "2000"});
    holder.waitForReadyRead(5000);
    clickRow("Click on ОК to feedback, lock held 2 s: median / p99 (ms)", self, locked + "/log.txt",
             plain);
    holder.waitForFinished(10000);
}

void machine()
{
    QFile cpu(QStringLiteral("/proc/cpuinfo"));
    QString model;
    if (cpu.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : cpu.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                model = QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
                break;
            }
        }
    }
    struct utsname name {};
    uname(&name);
    struct sysinfo info {};
    sysinfo(&info);
    row("Machine", QStringLiteral("%1, %2 cores, %3 GiB, Linux %4, Qt %5")
                       .arg(model)
                       .arg(QThread::idealThreadCount())
                       .arg(double(info.totalram) * info.mem_unit / (1 << 30), 0, 'f', 1)
                       .arg(name.release)
                       .arg(qVersion()));
    double load[3] = {};
    getloadavg(load, 3);
    row("Load average at the start", QString::number(load[0], 'f', 2));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3 && std::string(argv[1]) == "--child")
        return child(argc, argv, QString::fromLatin1(argv[2]));
    if (argc >= 4 && std::string(argv[1]) == "--clicks")
        return clickChild(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    if (argc >= 4 && std::string(argv[1]) == "--hold-lock")
        return holdLock(argv[2], std::atoi(argv[3]));

    QTemporaryDir home;
    for (const char *folder : {"config", "data", "runtime"})
        QDir(home.path()).mkpath(QString::fromLatin1(folder));
    QFile::setPermissions(home.path() + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/data"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path() + "/runtime"));
    qputenv("ZORBIKS_SPOOL", QFile::encodeName(home.path() + "/spool"));
    qputenv("ZORBIKS_DEFAULT_LOG", QFile::encodeName(home.path() + "/default.txt"));

    machine();
    coldStart(self, home.path());

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    screens(home.path());
    sweep(home.path());
    logRecord(home.path());
    clicks(self, home.path());
    return 0;
}
