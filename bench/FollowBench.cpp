// Figures of the journal following a class, printed as one table:
//  - a class of 30 computers writing one record every 5 s each for 10
//    minutes into one folder (build/tools/make_class, in a process of its
//    own), followed here exactly as `zorbiks-report --follow` follows it:
//    the time from a record written to the table printed with it, with the
//    file system's notifications and without them (as on a share), and the
//    follower's processor time against the time it ran;
//  - a 200 000-run log (build/tools/make_journal) followed while records
//    are appended to it once a second for a minute: its first reading
//    against each update, and the same updates of a small log.
// ZORBIKS_FOLLOW_SPEED runs the lesson and the minute that many times
// faster (default 10); 1 is the real time. An argument "class" or "log"
// runs only that half.

#include "Table.h"

#include "log/LogFormat.h"
#include "log/ResultsLog.h"
#include "platform/FakeServices.h"
#include "pupil/PupilRecord.h"
#include "report/FollowCommand.h"
#include "report/LogFollower.h"
#include "report/NowTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <thread>

using namespace zorbiks;
using namespace zorbiks::report;
namespace LF = zorbiks::LogFormat;

namespace {

double speed()
{
    const double value = qEnvironmentVariable("ZORBIKS_FOLLOW_SPEED").toDouble();
    return value > 0 ? value : 10;
}

qint64 microsNow()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

double processSeconds()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
           usage.ru_stime.tv_usec / 1e6;
}

double threadMicros()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

// ---- a class at work ------------------------------------------------------

void followClass(bool notifications)
{
    QTemporaryDir home;
    const QString folder = home.filePath("класс");
    const QString times = home.filePath("times.txt");
    QDir().mkpath(folder);

    LogFollower follower(systemClock());
    follower.follow({folder});
    FollowWatcher watcher(follower);
    watcher.setNotifications(notifications);
    QFile sink("/dev/null");
    sink.open(QIODevice::WriteOnly);
    NowPrinter printer(sink, false);
    // When each file's bytes were in a printed table: (offset, µs) by computer.
    std::vector<std::vector<std::pair<qint64, qint64>>> seen(30);
    int looks = 0;
    QObject::connect(&watcher, &FollowWatcher::checked, [&] {
        ++looks;
        printer.print(nowTable(follower, systemClock().now()));
        const qint64 now = microsNow();
        for (const auto &log : follower.logs()) {
            const int computer = log->label().mid(4, 2).toInt() - 1; // "комп07.txt"
            if (computer < 0 || computer >= int(seen.size()))
                continue;
            auto &offsets = seen[computer];
            if (offsets.empty() || offsets.back().first < log->offset())
                offsets.emplace_back(log->offset(), now);
        }
    });

    QProcess writer;
    writer.setProgram(ZORBIKS_MAKE_CLASS);
    writer.setArguments(
        {folder, "--speed", QString::number(speed()), "--times", times, "--computers", "30"});
    QObject::connect(&writer, &QProcess::finished, [] {
        QTimer::singleShot(FollowWatcher::periodMs + 500, qApp, &QCoreApplication::quit);
    });
    const double cpuBefore = processSeconds();
    const qint64 wallBefore = microsNow();
    watcher.start();
    writer.start();
    QCoreApplication::exec();
    const double cpu = processSeconds() - cpuBefore;
    const double wall = (microsNow() - wallBefore) / 1e6;
    watcher.stop();

    // Every record against the first table that held it.
    QList<double> delays;
    int missed = 0;
    QFile written(times);
    written.open(QIODevice::ReadOnly);
    while (!written.atEnd()) {
        const QList<QByteArray> fields = written.readLine().trimmed().split(' ');
        if (fields.size() != 3)
            continue;
        const auto &offsets = seen[fields[0].toInt()];
        const qint64 size = fields[1].toLongLong();
        const auto at =
            std::lower_bound(offsets.begin(), offsets.end(), std::pair<qint64, qint64>(size, 0));
        if (at == offsets.end())
            ++missed;
        else
            delays << std::max<qint64>(0, at->second - fields[2].toLongLong()) / 1000.0;
    }
    const QString said = QString::fromUtf8(writer.readAllStandardOutput()).trimmed();
    const NowTable table = nowTable(follower, systemClock().now());
    const QString how = notifications ? "notifications" : "periodic look only";
    row(QStringLiteral("Class of 30, lesson ×%1, %2: records / missed").arg(speed()).arg(how),
        QStringLiteral("%1 / %2").arg(delays.size()).arg(missed), "goal: none missed");
    row(QStringLiteral("  writer said: %1").arg(said),
        QStringLiteral("table: %1 runs, %2 attempts").arg(table.rows.size()).arg(table.attempts));
    row(QStringLiteral("  written to shown: median / 95 % / max (ms)"),
        QStringLiteral("%1 / %2 / %3")
            .arg(percentile(delays, 50), 0, 'f', 1)
            .arg(percentile(delays, 95), 0, 'f', 1)
            .arg(percentile(delays, 100), 0, 'f', 1),
        "goal ≤ 2000 ms");
    row(QStringLiteral("  follower's processor time / time (%1 looks)").arg(looks),
        QStringLiteral("%1 s / %2 s = %3 %")
            .arg(cpu, 0, 'f', 2)
            .arg(wall, 0, 'f', 1)
            .arg(100 * cpu / wall, 0, 'f', 2),
        speed() == 1 ? "goal ≤ 2 % of a core" : "goal ≤ 2 % at ×1");
}

// ---- a large log followed ----------------------------------------------------

struct Writer {
    explicit Writer(const QString &path)
        : log(pupil, settings, clock, path, spool.filePath("pending"))
    {
        settings.location = path;
        pupil.PupilName = QStringLiteral("Замер");
    }
    void header()
    {
        clock.time = QDateTime::currentDateTime();
        log.writeHeader();
    }
    void tokens(int count)
    {
        QString text;
        for (int i = 0; i < count; ++i)
            text += LF::token(LF::questionCodes()[i % LF::questionCount], LF::Mark::No);
        log.writeToken(text);
    }

    PupilRecord pupil;
    FakeSettingsStore settings;
    FakeClock clock;
    QTemporaryDir spool;
    ResultsLog log;
};

struct Update {
    double reading = 0; // µs of processor time
    double table = 0;
    qint64 bytes = 0;
};

// One look and the table printed, as the terminal does it.
Update look(LogFollower &follower, NowPrinter &printer)
{
    Update update;
    const qint64 before = follower.bytesRead();
    const double start = threadMicros();
    follower.check();
    const double read = threadMicros();
    printer.print(nowTable(follower, systemClock().now()));
    update.reading = read - start;
    update.table = threadMicros() - read;
    update.bytes = follower.bytesRead() - before;
    return update;
}

void followLargeLog()
{
    QTemporaryDir home;
    const QString large = home.filePath("год.txt");
    const QString small = home.filePath("урок.txt");
    QProcess make;
    make.start(ZORBIKS_MAKE_JOURNAL, {large, "200000"});
    make.waitForFinished(-1);
    const qint64 largeSize = QFileInfo(large).size();
    QFile sink("/dev/null");
    sink.open(QIODevice::WriteOnly);

    for (const QString &path : {large, small}) {
        const bool isLarge = path == large;
        Writer writer(path);
        writer.header();
        LogFollower follower(systemClock());
        follower.follow({path});
        NowPrinter printer(sink, false);
        const Update first = look(follower, printer);
        int today = 0;
        for (const auto &log : follower.logs())
            today += int(log->runs().size());
        row(QStringLiteral("%1 log: first reading / table of %2 runs today (ms)")
                .arg(isLarge ? QStringLiteral("200 000-run, %1 MB,").arg(largeSize / 1e6, 0, 'f', 1)
                             : QStringLiteral("Small"))
                .arg(today),
            QStringLiteral("%1 / %2")
                .arg(first.reading / 1000, 0, 'f', 1)
                .arg(first.table / 1000, 0, 'f', 2));
        // A minute of records, one a second: a token, and now and then a
        // new pupil.
        QList<double> reading, table;
        qint64 bytes = 0;
        const auto interval = std::chrono::microseconds(qint64(1e6 / speed()));
        for (int second = 0; second < 60; ++second) {
            const auto next = std::chrono::steady_clock::now() + interval;
            if (second % 15 == 14)
                writer.header();
            else
                writer.tokens(1);
            const Update update = look(follower, printer);
            reading << update.reading;
            table << update.table;
            bytes += update.bytes;
            std::this_thread::sleep_until(next);
        }
        row(QStringLiteral("  60 updates of one record (%1 B): reading / table, median (µs)")
                .arg(bytes / 60),
            QStringLiteral("%1 / %2")
                .arg(percentile(reading, 50), 0, 'f', 0)
                .arg(percentile(table, 50), 0, 'f', 0));
        for (const int tokens : {100, 1000}) {
            QList<double> many;
            qint64 manyBytes = 0;
            for (int i = 0; i < 10; ++i) {
                writer.tokens(tokens);
                const Update update = look(follower, printer);
                many << update.reading;
                manyBytes = update.bytes;
            }
            row(QStringLiteral("  updates of %1 tokens (%2 kB): reading, median (µs)")
                    .arg(tokens)
                    .arg(manyBytes / 1000.0, 0, 'f', 1),
                QStringLiteral("%1").arg(percentile(many, 50), 0, 'f', 0));
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    std::printf("Following a class: lesson and minute ×%g (ZORBIKS_FOLLOW_SPEED), "
                "a look every %d ms\n",
                speed(), FollowWatcher::periodMs);
    const QString part = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    if (part.isEmpty() || part == "class") {
        followClass(true);
        followClass(false);
    }
    if (part.isEmpty() || part == "log")
        followLargeLog();
    return 0;
}
