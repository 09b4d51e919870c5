// The journal following a class while the program writes its logs: records
// read as they are appended, also when they arrive in pieces; files
// replaced, shortened, removed and new in the folder; the states of the
// "now" table under a fake clock (finished, left, stuck, working) and its
// order; the terminal's reprinting.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "log/Cp1251.h"
#include "log/LogFormat.h"
#include "log/ResultsLog.h"
#include "platform/FakeServices.h"
#include "pupil/PupilRecord.h"
#include "report/CommandLine.h"
#include "report/FollowCommand.h"
#include "report/LogFollower.h"
#include "report/NowTable.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

using namespace zorbiks;
using namespace zorbiks::report;
namespace LF = zorbiks::LogFormat;

namespace {

const QDateTime lessonStart(QDate(2024, 12, 9), QTime(10, 0, 5));

// One pupil computer: the program's own log writer, with its clock.
struct Computer {
    Computer(const QString &path, FakeClock &clock)
        : log(pupil, settings, clock, path, spool.filePath("pending"))
    {
        settings.location = path;
    }
    void start(const QString &surname)
    {
        pupil = PupilRecord();
        pupil.PupilName = surname;
        log.writeHeader();
    }
    void attempt(const QString &code, LF::Mark mark) { log.writeToken(LF::token(code, mark)); }
    void finish(qint16 shown, qint16 correct)
    {
        pupil.TasksShown = shown;
        pupil.CorrectTotal = correct;
        log.writeTotal();
    }

    PupilRecord pupil;
    FakeSettingsStore settings;
    QTemporaryDir spool;
    ResultsLog log;
};

void append(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    QCOMPARE(file.write(bytes), bytes.size());
}

void writeWhole(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A morning of one computer: a finished run, one left for the next pupil,
// and one still going, whose last token ends the file.
QByteArray morning()
{
    const QDateTime t = lessonStart;
    const QString text =
        LF::headerRecord(t, "Аверина") + LF::token("К1", LF::Mark::Yes) +
        LF::token("И1", LF::Mark::No, false) + LF::token("И1", LF::Mark::Skip, false) +
        LF::totalRecord(2, 1, " К1", "И1/1/0 ") + LF::headerRecord(t.addSecs(600), "Борисов") +
        LF::token("К10", LF::Mark::No) + LF::headerRecord(t.addSecs(900), "Волкова Анна") +
        LF::token("Л2", LF::Mark::No) + LF::token("Л2", LF::Mark::No) +
        LF::token("Л2", LF::Mark::Skip);
    return Cp1251::encode(text);
}

// What a reading shows of a run, in one line.
QString describe(const LiveRun &run)
{
    QStringList recent;
    for (const RunProgress::Attempt &a : run.progress.recent())
        recent << LF::questionCodes()[a.question] + QString::number(int(a.mark));
    return QStringLiteral("%1 %2 %3/%4/%5 %6%7 [%8]")
        .arg(run.surname, run.start.toString("HH:mm:ss"))
        .arg(run.progress.attempts())
        .arg(run.progress.yes())
        .arg(run.progress.tasks())
        .arg(run.hasTotal ? "итог " + QString::number(run.tasksShown) : QString("—"))
        .arg(run.followedBy ? " дальше" : "")
        .arg(recent.join(' '));
}

QStringList describe(const FollowedLog &log)
{
    QStringList out;
    for (const LiveRun &run : log.runs())
        out << describe(run);
    return out;
}

// The runs of these bytes read at once by a fresh reader.
QStringList readAtOnce(const QString &path, const QByteArray &bytes, const QDateTime &now)
{
    writeWhole(path, bytes);
    FollowedLog log(path);
    log.update(now);
    return describe(log);
}

} // namespace

class FollowTest : public QObject {
    Q_OBJECT
private slots:
    void progressCountsTasksStreaksAndTheLastTokens()
    {
        struct Case {
            const char *name;
            QList<std::pair<const char *, LF::Mark>> tokens;
            quint32 tasks, wrongInARow;
            int lastQuestion;
        };
        using enum LF::Mark;
        const Case cases[] = {
            {"nothing yet", {}, 0, 0, -1},
            {"right at once", {{"К1", Yes}, {"К1", Yes}}, 2, 0, 0},
            {"wrong, wrong, then given up: one task",
             {{"К2", No}, {"К2", No}, {"К2", Skip}},
             1,
             0,
             1},
            {"three wrong in a row", {{"К2", Yes}, {"К3", No}, {"К3", No}, {"К3", No}}, 2, 3, 2},
            {"wrong on two questions: no streak", {{"К3", No}, {"К4", No}, {"К3", No}}, 3, 1, 2},
            {"a right answer ends the streak", {{"Л1", No}, {"Л1", No}, {"Л1", Yes}}, 2, 0, 11},
        };
        for (const Case &c : cases) {
            RunProgress progress;
            for (const auto &[code, mark] : c.tokens)
                progress.add({LF::questionIndex(QString::fromUtf8(code)), mark, 0});
            QVERIFY2(progress.tasks() == c.tasks, c.name);
            QVERIFY2(progress.wrongInARow() == c.wrongInARow, c.name);
            QVERIFY2(progress.lastQuestion() == c.lastQuestion, c.name);
            QVERIFY2(progress.recent().size() == std::min<qsizetype>(c.tokens.size(), 5), c.name);
        }
        RunProgress seven;
        for (int q = 0; q < 7; ++q)
            seven.add({q, Yes, 0});
        QCOMPARE(seven.recent().size(), RunProgress::recentCount);
        QCOMPARE(seven.recent().first().question, 2);
        QCOMPARE(seven.recent().last().question, 6);
    }

    // Every cut of the file into two pieces: after the first piece the runs
    // are those of that piece read at once (a token or total cut short is
    // not yet counted, never reported), after the rest those of the whole.
    void recordsAppendedInPiecesReadAsTheWhole()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Zorbiks.txt");
        const QString reference = folder.filePath("at-once.txt");
        const QDateTime now = lessonStart.addSecs(1000);
        const QByteArray bytes = morning();
        const QStringList whole = readAtOnce(reference, bytes, now);
        QCOMPARE(whole.size(), 3);
        QCOMPARE(whole[0], QStringLiteral("Аверина 10:00:05 3/1/2 итог 2 дальше [К10 И11 И12]"));
        QCOMPARE(whole[1], QStringLiteral("Борисов 10:10:05 1/0/1 — дальше [К101]"));
        QCOMPARE(whole[2], QStringLiteral("Волкова Анна 10:15:05 3/0/1 — [Л21 Л21 Л22]"));

        for (qsizetype cut = 1; cut < bytes.size(); ++cut) {
            writeWhole(path, bytes.first(cut));
            FollowedLog log(path);
            QCOMPARE(log.update(now), FollowedLog::Reading::FromStart);
            const QStringList first = describe(log);
            QCOMPARE(first, readAtOnce(reference, bytes.first(cut), now));
            append(path, bytes.sliced(cut));
            QCOMPARE(log.update(now), FollowedLog::Reading::Appended);
            QVERIFY2(describe(log) == whole, qPrintable(QString::number(cut)));
            QCOMPARE(log.bytesRead(), bytes.size()); // nothing read twice
        }
    }

    void recordsInManySmallPiecesReadAsTheWhole()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Zorbiks.txt");
        const QDateTime now = lessonStart.addSecs(1000);
        const QByteArray bytes = morning();
        const QStringList whole = readAtOnce(folder.filePath("at-once.txt"), bytes, now);
        QRandomGenerator random(23);
        for (int round = 0; round < 20; ++round) {
            writeWhole(path, {});
            FollowedLog log(path);
            for (qsizetype at = 0; at < bytes.size();) {
                const qsizetype piece =
                    std::min<qsizetype>(1 + random.bounded(12), bytes.size() - at);
                append(path, bytes.sliced(at, piece));
                at += piece;
                QVERIFY(log.update(now) != FollowedLog::Reading::Gone);
            }
            QCOMPARE(describe(log), whole);
            QCOMPARE(log.offset(), bytes.size());
        }
    }

    void aFileReplacedOrShortenedIsReadAgainFromTheStart()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Zorbiks.txt");
        const QDateTime now = lessonStart.addSecs(1000);
        const QByteArray bytes = morning();
        writeWhole(path, bytes);
        FollowedLog log(path);
        QCOMPARE(log.update(now), FollowedLog::Reading::FromStart);
        QCOMPARE(log.update(now), FollowedLog::Reading::Unchanged);
        QCOMPARE(log.runs().size(), std::size_t(3));

        // Another file renamed over it: a new inode, shorter.
        const QByteArray other = Cp1251::encode(LF::headerRecord(lessonStart, "Громов") +
                                                LF::token("П1", LF::Mark::Yes));
        writeWhole(folder.filePath("new.txt"), other);
        QVERIFY(::rename(QFile::encodeName(folder.filePath("new.txt")), QFile::encodeName(path)) ==
                0);
        QCOMPARE(log.update(now), FollowedLog::Reading::FromStart);
        QCOMPARE(describe(log), QStringList{"Громов 10:00:05 1/1/1 — [П10]"});

        // Copied over in place: the same inode, longer, other bytes.
        QByteArray longer = bytes;
        longer.replace(Cp1251::encode("Борисов"), Cp1251::encode("Борисова"));
        writeWhole(path, longer);
        QCOMPARE(log.update(now), FollowedLog::Reading::FromStart);
        QCOMPARE(log.runs().size(), std::size_t(3));
        QCOMPARE(log.runs()[1].surname, QStringLiteral("Борисова"));

        // Cut short by an editor.
        const qsizetype afterTheTotal = bytes.indexOf("\r\n\r\n", 10) + 2;
        QVERIFY(QFile::resize(path, afterTheTotal));
        QCOMPARE(log.update(now), FollowedLog::Reading::FromStart);
        QCOMPARE(describe(log), QStringList{"Аверина 10:00:05 3/1/2 итог 2 [К10 И11 И12]"});
        QCOMPARE(log.offset(), afterTheTotal);

        QVERIFY(QFile::remove(path));
        QCOMPARE(log.update(now), FollowedLog::Reading::Gone);
        QVERIFY(log.runs().empty());
        QCOMPARE(log.update(now), FollowedLog::Reading::Unchanged);
        writeWhole(path, other);
        QCOMPARE(log.update(now), FollowedLog::Reading::FromStart);
        QCOMPARE(log.runs().size(), std::size_t(1));
    }

    void onlyTodaysRunsAreKept()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Zorbiks.txt");
        writeWhole(path, morning());
        FollowedLog log(path);
        log.update(lessonStart.addDays(1));
        QVERIFY(log.runs().empty());
        FollowedLog sameDay(path);
        sameDay.update(lessonStart);
        QCOMPARE(sameDay.runs().size(), std::size_t(3));
    }

    // The program writes; the follower looks at the folder under a fake
    // clock, as the window's and the terminal's table shows it.
    void theStatesOfAClassDuringALesson()
    {
        QTemporaryDir folder;
        QDir(folder.path()).mkpath("комп2");
        FakeClock clock;
        clock.time = lessonStart;
        LogFollower follower(clock);
        follower.follow({folder.path() + "/"});
        QVERIFY(!follower.check());
        QVERIFY(nowTable(follower, clock.time).rows.empty());

        Computer one(folder.filePath("комп1.txt"), clock);
        Computer two(folder.filePath("комп2/Zorbiks.txt"), clock);
        Computer three(folder.filePath("комп3.txt"), clock);
        one.start("Аверина");
        two.start("Борисов");
        QVERIFY(follower.check()); // two new files in the folder
        one.attempt("К1", LF::Mark::Yes);
        for (int i = 0; i < 3; ++i)
            two.attempt("Л2", LF::Mark::No);
        clock.time = clock.time.addSecs(120);
        three.start("Волкова");
        three.attempt("П1", LF::Mark::Yes);
        QVERIFY(follower.check());
        QVERIFY(!follower.check());

        NowTable table = nowTable(follower, clock.time);
        QCOMPARE(table.rows.size(), std::size_t(3));
        QCOMPARE(table.cells[0][NowTable::Surname], QStringLiteral("Борисов"));
        QCOMPARE(table.cells[0][NowTable::File], QStringLiteral("комп2/Zorbiks.txt"));
        QCOMPARE(table.cells[0][NowTable::State], QStringLiteral("застрял: ошибок подряд 3"));
        QCOMPARE(table.cells[0][NowTable::Question], QStringLiteral("Л2"));
        QCOMPARE(table.cells[0][NowTable::LastTokens], QStringLiteral("Л2 нет, Л2 нет, Л2 нет"));
        QCOMPARE(table.cells[1][NowTable::Surname], QStringLiteral("Аверина"));
        QCOMPARE(table.cells[1][NowTable::LastActivity], QStringLiteral("только что"));
        QCOMPARE(table.cells[2][NowTable::Surname], QStringLiteral("Волкова"));
        QCOMPARE(table.cells[2][NowTable::Started], QStringLiteral("10:02"));

        // Аверина finishes; Борисов gets one right and works on.
        one.attempt("К2", LF::Mark::No);
        one.finish(3, 1);
        two.attempt("Л3", LF::Mark::Yes);
        clock.time = clock.time.addSecs(9 * 60);
        QVERIFY(follower.check());
        table = nowTable(follower, clock.time);
        QCOMPARE(table.cells[0][NowTable::Surname], QStringLiteral("Волкова"));
        QCOMPARE(table.cells[0][NowTable::LastActivity], QStringLiteral("9 мин назад"));
        QCOMPARE(table.cells[0][NowTable::State], QStringLiteral("работает"));
        QCOMPARE(table.cells[1][NowTable::Surname], QStringLiteral("Борисов"));
        QCOMPARE(table.cells[1][NowTable::Tasks], QStringLiteral("2"));
        QCOMPARE(table.cells[1][NowTable::RightFirst], QStringLiteral("1"));
        QCOMPARE(table.cells[2][NowTable::State], QStringLiteral("закончил"));
        QCOMPARE(table.cells[2][NowTable::Tasks], QStringLiteral("3")); // from the total line

        // Ten minutes without a record: Волкова has left without the
        // results screen, with nothing written.
        clock.time = clock.time.addSecs(60);
        QVERIFY(!follower.check());
        table = nowTable(follower, clock.time);
        QCOMPARE(table.cells[0][NowTable::Surname], QStringLiteral("Волкова"));
        QCOMPARE(table.cells[0][NowTable::State], unfinishedWords());
        QCOMPARE(table.cells[0][NowTable::LastActivity], QStringLiteral("10 мин назад"));
        QCOMPARE(table.counts[int(NowState::Left)], 1);

        // Another pupil registers at Борисов's computer: he has left.
        two.start("Громов");
        QVERIFY(follower.check());
        table = nowTable(follower, clock.time);
        QCOMPARE(table.rows.size(), std::size_t(4));
        QStringList order;
        for (const QStringList &row : table.cells)
            order << row[NowTable::Surname] + ": " + row[NowTable::State];
        QCOMPARE(order,
                 QStringList({"Борисов: " + unfinishedWords(), "Волкова: " + unfinishedWords(),
                              "Громов: работает", "Аверина: закончил"}));
        QCOMPARE(table.summary(),
                 QStringLiteral("Сегодня работ: 4. Застряли: 0, вышли без экрана результатов: 2, "
                                "работают: 1, закончили: 1. Попыток: 7."));
    }

    void aNewFileInTheFolderAndOneRemoved()
    {
        QTemporaryDir folder;
        FakeClock clock;
        clock.time = lessonStart;
        LogFollower follower(clock);
        follower.follow({folder.path(), folder.filePath("пока-нет.txt")});
        follower.check();
        QCOMPARE(follower.logs().size(), std::size_t(1)); // the file named, not there yet
        QVERIFY(!follower.logs()[0]->exists());

        Computer late(folder.filePath("пока-нет.txt"), clock);
        late.start("Дёмин");
        Computer fresh(folder.filePath("новый/Zorbiks.txt"), clock);
        QDir(folder.path()).mkpath("новый");
        fresh.start("Ершова");
        QVERIFY(follower.check());
        QCOMPARE(follower.logs().size(), std::size_t(2));
        QCOMPARE(nowTable(follower, clock.time).rows.size(), std::size_t(2));
        QVERIFY(follower.watchList().contains(folder.filePath("новый")));

        QVERIFY(QFile::remove(folder.filePath("новый/Zorbiks.txt")));
        QVERIFY(follower.check());
        QCOMPARE(follower.logs().size(), std::size_t(1));
        const NowTable table = nowTable(follower, clock.time);
        QCOMPARE(table.rows.size(), std::size_t(1));
        QCOMPARE(table.cells[0][NowTable::Surname], QStringLiteral("Дёмин"));
    }

    // Runs found at the first look take their last activity from the file:
    // its modification time for the last run, the next run's start for
    // those before.
    void theFirstLookDatesActivityByTheFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Zorbiks.txt");
        writeWhole(path, morning());
        const QDateTime written = lessonStart.addSecs(20 * 60);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
        file.close();
        FollowedLog log(path);
        log.update(lessonStart.addSecs(40 * 60));
        QCOMPARE(log.runs()[0].lastActivity, lessonStart.addSecs(600));
        QCOMPARE(log.runs()[1].lastActivity, lessonStart.addSecs(900));
        QCOMPARE(log.runs()[2].lastActivity, written);
        QCOMPARE(stateOf(log.runs()[2], lessonStart.addSecs(29 * 60)), NowState::Working);
        QCOMPARE(stateOf(log.runs()[2], lessonStart.addSecs(30 * 60)), NowState::Left);
    }

    void agoTexts()
    {
        const std::pair<qint64, const char *> cases[] = {
            {-30, "только что"},          {0, "только что"},
            {59, "только что"},           {60, "1 мин назад"},
            {3 * 60 + 59, "3 мин назад"}, {59 * 60, "59 мин назад"},
            {65 * 60, "1 ч 5 мин назад"}};
        for (const auto &[seconds, text] : cases)
            QCOMPARE(agoText(seconds), QString::fromUtf8(text));
    }

    void theTerminalReprintsOnlyWhenARowChanged()
    {
        QTemporaryDir folder;
        FakeClock clock;
        clock.time = lessonStart;
        Computer one(folder.filePath("комп1.txt"), clock);
        one.start("Аверина");
        LogFollower follower(clock);
        follower.follow({folder.path()});
        follower.check();

        for (const bool terminal : {false, true}) {
            QBuffer out;
            out.open(QIODevice::WriteOnly);
            NowPrinter printer(out, terminal);
            QVERIFY(printer.print(nowTable(follower, clock.time)));
            QVERIFY(!printer.print(nowTable(follower, clock.time.addSecs(20)))); // the time alone
            const QString first = QString::fromUtf8(out.data());
            QCOMPARE(first.startsWith("\x1b[H\x1b[2J"), terminal);
            QVERIFY(first.contains(QStringLiteral("Сегодня работ: 1.")));
            QVERIFY(first.contains(QStringLiteral("Ученик")));
            QVERIFY(first.contains(
                QStringLiteral("Аверина  работает   комп1.txt  10:00   только что")));
            QVERIFY(printer.print(nowTable(follower, clock.time.addSecs(90)))); // "1 мин назад"
            QCOMPARE(QString::fromUtf8(out.data()).count(QStringLiteral("Аверина")), 2);
            QCOMPARE(QString::fromUtf8(out.data()).count("\x1b[2J"), terminal ? 2 : 0);
        }
        QBuffer buffer;
        QVERIFY(!isTerminal(buffer));
        QFile pipe;
        int ends[2];
        QVERIFY(::pipe(ends) == 0);
        QVERIFY(pipe.open(ends[1], QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
        QVERIFY(!isTerminal(pipe));
        ::close(ends[0]);
    }

    // Thirty computers of another process write as the program does, each
    // record locked, appended, synced and closed, while the follower reads
    // the growing files (notifications and the periodic look as in the
    // window): in the end the table holds every run and every attempt.
    void aClassWrittenByAnotherProcessIsFollowedWhole()
    {
        QTemporaryDir folder;
        LogFollower follower(systemClock());
        follower.follow({folder.path()});
        FollowWatcher watcher(follower);
        QList<int> changes;
        connect(&watcher, &FollowWatcher::checked, this, [&](bool changed) { changes << changed; });
        watcher.start();
        QProcess writer;
        writer.start(ZORBIKS_MAKE_CLASS,
                     {folder.path(), "--minutes", "2", "--speed", "30", "--seed", "7"});
        QVERIFY(writer.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(writer.state() == QProcess::NotRunning, 60000);
        QCOMPARE(writer.exitCode(), 0);
        const QList<QByteArray> said = writer.readAllStandardOutput().trimmed().split(' ');
        QCOMPARE(said.size(), 6); // records R tokens T runs U
        const auto totals = [&] {
            const NowTable table = nowTable(follower, systemClock().now());
            return std::pair(table.attempts, table.rows.size());
        };
        QTRY_COMPARE_WITH_TIMEOUT(totals(),
                                  std::pair(said[3].toULongLong(), std::size_t(said[5].toInt())),
                                  FollowWatcher::periodMs * 3);
        QCOMPARE(follower.logs().size(), std::size_t(30));
        QVERIFY(changes.count(true) > 1); // followed while written, not read once at the end
    }

    void theFollowOption()
    {
        QString error;
        const auto options = parseArguments({"--follow", "класс/", "комп1.txt"}, &error);
        QVERIFY(options);
        QCOMPARE(options->output, Options::Output::Follow);
        QCOMPARE(options->logs, QStringList({"класс/", "комп1.txt"}));
        QVERIFY(!parseArguments({"--follow"}, &error));
        QVERIFY(usage().contains("--follow"));
    }
};

ZORBIKS_TEST(FollowTest)
#include "FollowTest.moc"
