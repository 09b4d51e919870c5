// In-process benchmarks on the offscreen platform, with fake services:
// first creation and repeated activation of every exercise screen, with and
// without its paint; the sweep (every exercise opened, answered right and
// left); one results log record against a bare open / append / fsync /
// close; a click on `ОК` to its feedback with a local, a slow and a locked
// log.

#include "ScreenBench.h"
#include "Table.h"

#include "app/Startup.h"
#include "exercise/ExerciseScreen.h"
#include "log/Cp1251.h"
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
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <array>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zorbiks;

namespace {

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

// The system calls of one record with none of the program's work around
// them, its items made beforehand. `Calls::Bare` is a bare open, append,
// fsync, close; `Calls::Locked` adds what the program did before its
// write-ahead: the lock and the log's size. `Calls::All` add the two looks
// at the settings files and the spool's two items (the record kept, the
// delivery noted). What these cost against a bare append is the floor of
// each scheme on this machine.
struct Calls {
    enum Kind { Bare, Locked, All };
    QByteArray name, bytes, settings, item, note;
    int spool = -1;

    bool append(Kind kind) const
    {
        struct stat status {};
        bool ok = true;
        if (kind == All) {
            (void)::stat(settings.constData(), &status);
            (void)::stat("/etc/xdg/zorbiks/zorbiks.conf", &status);
            ok = ::write(spool, item.constData(), size_t(item.size())) == item.size();
        }
        const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        if (kind != Bare) {
            struct flock lock {};
            lock.l_type = F_WRLCK;
            ok = ::fcntl(fd, F_SETLK, &lock) == 0 && ::fstat(fd, &status) == 0 && ok;
        }
        if (kind == All)
            ok = ::write(spool, note.constData(), size_t(note.size())) == note.size() && ok;
        ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size() &&
             ::fsync(fd) == 0 && ok;
        return ::close(fd) == 0 && ok;
    }
};

} // namespace

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
    // "median / p95 (worst <what> <screen> <ms>)"
    const auto spread = [](const QList<double> &values, const char *what, const QString &worst,
                           double worstMs) {
        return QStringLiteral("%1 / %2 (worst %3%4 %5)")
            .arg(median(values), 0, 'f', 2)
            .arg(percentile95(values), 0, 'f', 2)
            .arg(QLatin1String(what), worst)
            .arg(worstMs, 0, 'f', 2);
    };
    row(QStringLiteral("Screen, first creation (%1 screens): median / p95 ms").arg(codes.size()),
        spread(firsts, "", worstFirst, worstFirstMs), "goal p95 ≤ 10 ms");
    row(QStringLiteral("Screen, again (20 × each): median / p95 ms"),
        spread(agains, "p95 ", worstAgain, worstAgainMs), "goal p95 ≤ 2 ms");
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

void logRecord(const QString &folder)
{
    const QString token = QStringLiteral(" К1 - да, ");
    const QByteArray bytes = Cp1251::encode(token);
    const QString logPath = folder + "/log.txt";
    PupilRecord pupil;
    FakeClock clock;
    // The real settings store: looked at before every record, read again
    // when its files changed. Each log has a spool of its own, as each run has.
    std::unique_ptr<Services> real = makeRealServices({true});
    real->settings->setLogLocation(logPath);
    ResultsLog withSettings(pupil, *real->settings, clock, logPath, folder + "/spool-settings");
    FakeSettingsStore fixed;
    fixed.location = folder + "/log-fixed.txt";
    ResultsLog writeOnly(pupil, fixed, clock, fixed.location, folder + "/spool-fixed");
    QFile settingsFile(folder + "/settings.conf");
    if (settingsFile.open(QIODevice::WriteOnly))
        settingsFile.write("[Position]\nsecr=" + QFile::encodeName(logPath) + '\n');
    settingsFile.close();
    Calls calls;
    calls.name = QFile::encodeName(folder + "/floor.txt");
    calls.bytes = bytes;
    calls.settings = QFile::encodeName(settingsFile.fileName());
    const QByteArray length = QByteArray::number(bytes.size());
    calls.item = 'R' + length + ' ' + calls.name.toHex() + '\n' + bytes;
    calls.note = "D1000 " + length + ' ' + calls.name.toHex() + " 1\n";
    calls.spool = ::open(QFile::encodeName(folder + "/spool-floor").constData(),
                         O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    Calls locked = calls;
    locked.name = QFile::encodeName(folder + "/locked.txt");
    Calls bare = calls;
    bare.name = QFile::encodeName(folder + "/bare.txt");
    // The kinds take turns in a shuffled order, so that none always follows
    // the same one: what a flush of the disk costs depends on what came
    // before it.
    enum Kind { Bare, Locked, Floor, Logged, LoggedFixed, Kinds };
    std::array<QList<double>, Kinds> times;
    std::array<int, Kinds> order{Bare, Locked, Floor, Logged, LoggedFixed};
    std::mt19937 shuffler(12345);
    for (int i = 0; i < 1000; ++i) {
        std::shuffle(order.begin(), order.end(), shuffler);
        for (const int kind : order) {
            QElapsedTimer timer;
            timer.start();
            switch (kind) {
            case Bare: bare.append(Calls::Bare); break;
            case Locked: locked.append(Calls::Locked); break;
            case Floor: calls.append(Calls::All); break;
            case Logged: withSettings.writeToken(token); break;
            default: writeOnly.writeToken(token); break;
            }
            times[size_t(kind)] << timer.nsecsElapsed() / 1e3;
        }
    }
    const double bareUs = median(times[Bare]);
    const auto ratio = [&](Kind kind) {
        return QStringLiteral("%1 ×").arg(median(times[size_t(kind)]) / bareUs, 0, 'f', 2);
    };
    row("Log record: bare / ResultsLog / without settings read (µs)",
        QStringLiteral("%1 / %2 / %3")
            .arg(bareUs, 0, 'f', 0)
            .arg(median(times[Logged]), 0, 'f', 0)
            .arg(median(times[LoggedFixed]), 0, 'f', 0));
    row("Log record: ratio to bare (with / without settings read)",
        ratio(Logged) + " / " + ratio(LoggedFixed), "goal ≤ 1.05 ×");
    row("Log record: its system calls alone, ratio to bare", ratio(Floor), "the scheme's floor");
    row("Log record: lock and size alone, ratio to bare", ratio(Locked),
        "the floor before the write-ahead");
    ::close(calls.spool);
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
