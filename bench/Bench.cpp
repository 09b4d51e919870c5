// Benchmarks of Зорбикс, printed as one table:
//  - what the pupil waits for at the start: from exec to the registration
//    screen painted, and on to the process gone (the program ending the way
//    `Отмена` ends it), against a bare full-screen QWidget with a QLabel that
//    ends the ordinary way at its first paint, run from this program (every
//    library of Зорбикс loaded) and as a program of its own (Qt Widgets
//    alone); under Xvfb 1366 × 768, in turn, with where the time goes and the
//    peak memory of each;
//  - `Отмена` → the process gone, after every exercise screen was made;
//  - in-process (ScreenBench.cpp): first creation and repeated activation of
//    every exercise screen, the sweep, one results log record;
//  - a click on `ОК` to its feedback on the screen, with the log on a local
//    disk, with every fsync of its folder 300 ms slower (the fault library
//    of the reliability tests, preloaded), and with its lock held 2 s by
//    another process.
// ZORBIKS_BENCH_ROUNDS sets the number of start-ups of each kind (15);
// ZORBIKS_BENCH_ONLY=start,screens,sweep,log,clicks runs only those parts (to
// profile one, for instance).

#include "BareWindow.h"
#include "Marks.h"
#include "ScreenBench.h"
#include "Table.h"

#include "app/Startup.h"
#include "exercise/ExerciseScreen.h"
#include "log/Cp1251.h"
#include "shell/RegistrationScreen.h"
#include "shell/Stage.h"
#include "tasks/Catalogue.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zorbiks;

namespace {

// ---- the children -----------------------------------------------------------

class FirstPaint : public QObject {
public:
    FirstPaint(QString name, std::function<void()> then)
        : name_(std::move(name))
        , then_(std::move(then))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == name_ && !seen_) {
            seen_ = true;
            mark("painted");
            QMetaObject::invokeMethod(qApp, then_, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QString name_;
    std::function<void()> then_;
    bool seen_ = false;
};

// A click as the pointer makes it, arriving over the widget first.
void click(QWidget *widget)
{
    const QPoint centre = widget->rect().center();
    const QPoint global = widget->mapToGlobal(centre);
    for (auto [type, button, buttons] :
         {std::tuple{QEvent::MouseMove, Qt::NoButton, Qt::NoButton},
          std::tuple{QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton},
          std::tuple{QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton}}) {
        QMouseEvent event(type, centre, global, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

QWidget *control(Stage *stage, const QString &screen, const QString &name)
{
    QWidget *parent = stage->findChild<QWidget *>(screen, Qt::FindDirectChildrenOnly);
    QWidget *widget = parent ? parent->findChild<QWidget *>(name) : nullptr;
    if (!widget)
        qFatal("no %s on %s", qPrintable(name), qPrintable(screen));
    return widget;
}

// A pupil's whole run, quickly: registered, every question opened once, the
// results, `Выход`, `Да`, and then `Отмена`, the click that ends the program.
void workThenCancel(Stage *stage)
{
    stage->pupil().PupilName = QStringLiteral("Бенч");
    stage->log().writeHeader();
    stage->showMenu(stage->registration());
    for (const QString &code : Catalogue::codes()) {
        stage->openExercise(code);
        QCoreApplication::processEvents();
        stage->leaveToMenu(stage->exerciseScreen(code), sectionOfCode(code), true);
    }
    stage->openResultsFromMenu();
    click(control(stage, "Результат", "Выход"));
    click(control(stage, "Результат", "Да"));
    QCoreApplication::processEvents();
    mark("click");
    click(control(stage, "Результат", "Отмена"));
}

// Зорбикс as main() runs it; it ends at its first paint the way `Отмена`
// ends it, or, for "cancel", after a pupil's run through `Отмена` itself.
int program(int argc, char *argv[], bool cancel)
{
    QApplication application(argc, argv);
    mark("application");
    auto *stage = static_cast<Stage *>(startApplication(application.arguments()));
    mark("shown");
    FirstPaint watch(QStringLiteral("Титул1"), [stage, cancel] {
        if (cancel)
            workThenCancel(stage);
        else
            stage->endProgram();
    });
    application.installEventFilter(&watch);
    endApplication(stage, application.exec());
}

// ---- the parent -------------------------------------------------------------

double nowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

struct Run {
    QMap<QString, double> ms; // each mark, and "gone", in ms after the exec
    double peakMiB = 0;
    bool ok = false;
};

// Starts a child and waits for it to end: "bare" is the bare window as a
// program of its own, the other kinds run this program again.
Run runChild(const QString &self, const QString &kind, const QStringList &environment)
{
    QByteArrayList strings = {QFile::encodeName(self), "--child", kind.toLatin1()};
    if (kind == QLatin1String("bare"))
        strings = {ZORBIKS_BARE_WINDOW};
    QByteArrayList env;
    for (const QString &entry : environment)
        env.append(entry.toLocal8Bit());
    std::vector<char *> args, envp;
    for (QByteArray &s : strings)
        args.push_back(s.data());
    args.push_back(nullptr);
    for (QByteArray &s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);

    int marks[2];
    if (pipe(marks) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, marks[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, marks[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const double exec = nowNs();
    const int started = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(marks[1]);
    Run run;
    if (started == 0) {
        int status = 0;
        struct rusage usage {};
        wait4(pid, &status, 0, &usage);
        run.ms.insert(QStringLiteral("gone"), (nowNs() - exec) / 1e6);
        run.peakMiB = double(usage.ru_maxrss) / 1024.0;
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    QByteArray output;
    char buffer[4096];
    for (ssize_t n; (n = read(marks[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, n);
    close(marks[0]);
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2)
            run.ms.insert(QString::fromLatin1(words[0]), (words[1].toDouble() - exec) / 1e6);
    }
    return run;
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
                          {display, "-screen", "0", "1366x768x24", "-nolisten", "tcp"});
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

// The figures of one kind of start: its whole process and the steps of it.
struct Starts {
    explicit Starts(QString name)
        : what(std::move(name))
    {}
    QString what;
    QMap<QString, QList<double>> ms;
    QList<double> peakMiB;
    int failed = 0;

    void add(const Run &run)
    {
        if (!run.ok || !run.ms.contains(QStringLiteral("painted"))) {
            ++failed;
            return;
        }
        for (auto it = run.ms.begin(); it != run.ms.end(); ++it)
            ms[it.key()] << it.value();
        peakMiB << run.peakMiB;
    }
    double at(const char *name) const { return median(ms.value(QString::fromLatin1(name))); }
    double whole() const { return at("gone"); }
};

void startAndEnd(const QString &self, const QString &home)
{
    const int rounds = qEnvironmentVariableIsSet("ZORBIKS_BENCH_ROUNDS")
                           ? qEnvironmentVariableIntValue("ZORBIKS_BENCH_ROUNDS")
                           : 15;
    XServer xvfb;
    if (!xvfb.start()) {
        row("Start and end under Xvfb", "Xvfb not available");
        return;
    }
    QStringList environment = QProcess::systemEnvironment();
    environment.erase(std::remove_if(environment.begin(), environment.end(),
                                     [](const QString &entry) {
                                         return entry.startsWith("QT_QPA_PLATFORM=") ||
                                                entry.startsWith("DISPLAY=") ||
                                                entry.startsWith("XDG_") ||
                                                entry.startsWith("ZORBIKS_DEFAULT_LOG=");
                                     }),
                      environment.end());
    const QString log = home + "/cancel.txt";
    environment << "QT_QPA_PLATFORM=xcb"
                << "DISPLAY=" + xvfb.display << "XDG_CONFIG_HOME=" + home + "/config"
                << "XDG_DATA_HOME=" + home + "/data"
                << "XDG_RUNTIME_DIR=" + home + "/runtime"
                << "ZORBIKS_DEFAULT_LOG=" + log;

    Starts bare("bare window, Qt Widgets alone"), bareHere("bare window, our libraries"),
        program("Зорбикс");
    for (const char *kind : {"bare", "bare-here", "program"})
        runChild(self, kind, environment); // warms the disk cache
    QList<double> cancels;
    int cancelsWithoutTotal = 0;
    for (int i = 0; i < rounds; ++i) {
        bare.add(runChild(self, "bare", environment));
        program.add(runChild(self, "program", environment));
        bareHere.add(runChild(self, "bare-here", environment));
        if (i < 5) {
            QFile::remove(log);
            const Run run = runChild(self, "cancel", environment);
            cancels << run.ms.value("gone") - run.ms.value("click", run.ms.value("gone"));
            QFile file(log);
            if (!run.ok || !file.open(QIODevice::ReadOnly) ||
                !file.readAll().contains(Cp1251::encode(QStringLiteral("Общий итог"))))
                ++cancelsWithoutTotal;
        }
    }

    row(QStringLiteral("Start under Xvfb 1366 × 768, %1 runs each, median ms:").arg(rounds),
        "whole / libraries / Qt / build / paint / end", "peak MiB");
    for (const Starts *start : {&bare, &bareHere, &program}) {
        row("  " + start->what +
                (start->failed ? QStringLiteral(" (%1 failed)").arg(start->failed) : QString()),
            QStringLiteral("%1 / %2 / %3 / %4 / %5 / %6")
                .arg(start->whole(), 0, 'f', 1)
                .arg(start->at("main"), 0, 'f', 1)
                .arg(start->at("application") - start->at("main"), 0, 'f', 1)
                .arg(start->at("shown") - start->at("application"), 0, 'f', 1)
                .arg(start->at("painted") - start->at("shown"), 0, 'f', 1)
                .arg(start->whole() - start->at("painted"), 0, 'f', 1),
            QString::number(median(start->peakMiB), 'f', 1));
    }
    row("Start, whole process: Зорбикс / bare window, our libraries",
        QStringLiteral("%1 ×").arg(program.whole() / bareHere.whole(), 0, 'f', 2), "goal ≤ 1.3 ×");
    row("Start, whole process: Зорбикс / bare window, Qt Widgets alone",
        QStringLiteral("%1 ×").arg(program.whole() / bare.whole(), 0, 'f', 2), "goal ≤ 1.3 ×");
    row("Start, to the first paint: Зорбикс / bare window, Qt Widgets alone",
        QStringLiteral("%1 ×").arg(program.at("painted") / bare.at("painted"), 0, 'f', 2));
    row("Peak memory: Зорбикс − bare window, Qt Widgets alone (MiB)",
        QStringLiteral("+%1").arg(median(program.peakMiB) - median(bare.peakMiB), 0, 'f', 1),
        "goal ≤ +10 MiB");
    row("`Отмена` → process gone, all 28 screens made: median / max ms",
        QStringLiteral("%1 / %2%3")
            .arg(median(cancels), 0, 'f', 1)
            .arg(cancels.isEmpty() ? 0 : *std::max_element(cancels.begin(), cancels.end()), 0, 'f',
                 1)
            .arg(cancelsWithoutTotal
                     ? QStringLiteral(" (%1 without the total line!)").arg(cancelsWithoutTotal)
                     : QString()),
        "goal ≤ 50 ms");
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
    if (argc >= 4 && std::string(argv[1]) == "--clicks")
        return clickChild(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    if (argc >= 4 && std::string(argv[1]) == "--hold-lock")
        return holdLock(argv[2], std::atoi(argv[3]));
    if (argc >= 3 && std::string(argv[1]) == "--child") {
        mark("main");
        alarm(60); // a child that does not end is no measurement
        const std::string kind = argv[2];
        if (kind == "bare-here")
            return bareWindow(argc, argv);
        return program(argc, argv, kind == "cancel");
    }

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

    const QStringList only =
        qEnvironmentVariable("ZORBIKS_BENCH_ONLY").split(QLatin1Char(','), Qt::SkipEmptyParts);
    const auto wanted = [&only](const char *part) {
        return only.isEmpty() || only.contains(QLatin1String(part));
    };
    machine();
    if (wanted("start"))
        startAndEnd(self, home.path());

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (wanted("screens"))
        screens(home.path());
    if (wanted("sweep"))
        sweep(home.path());
    if (wanted("log"))
        logRecord(home.path());
    if (wanted("clicks"))
        clicks(self, home.path());
    return 0;
}
