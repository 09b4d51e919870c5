// The journal reads what the program itself writes: runs played in-process on
// the whole program, then read back, with figures checked against what the
// runs did; runs of two computers merged in time order; hand-made damage of
// every kind; and a seeded fuzz over random bytes and cuts of real logs.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "log/Cp1251.h"
#include "log/LogFormat.h"
#include "report/Journal.h"
#include "report/ReportWriter.h"
#include "report/Summary.h"
#include "shell/Stage.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::report;
using namespace zorbiks::test;
namespace LF = zorbiks::LogFormat;

namespace {

// One run of the whole program, its log going to `path`.
struct Play : AppRig {
    Play(const QString &path, const QString &surname, const QDateTime &when)
    {
        fakes.settings->location = path;
        fakes.clock->time = when;
        registerPupil(surname);
        click("Титул", "К_1");
    }
    void answer(bool right)
    {
        auto *box = child<QLineEdit>("К1", "Ответ");
        box->clear();
        const int n = child<QLabel>("К1", "Label4")->text().toInt();
        typeText(box, right ? QString::number(16 * n) : QStringLiteral("1"));
        click("К1", "ОК");
    }
    void repeat() { click("К1", "Повтор"); }
    void giveUp() { click("К1", "Сдаюсь"); }
    void leaveThroughResults()
    {
        if (child("К1", "Вопросы")->isVisible())
            click("К1", "Вопросы");
        click("Титул", "Рез");
        click("Результат", "Выход");
    }
    const PupilRecord &pupil() const { return stage->pupil(); }
};

QDateTime at(int day, int hour, int minute)
{
    return QDateTime(QDate(2024, 12, day), QTime(hour, minute, 5));
}

QByteArray cp1251(const QString &text)
{
    return Cp1251::encode(text);
}

// A small log made with the writer's format: two finished runs.
QString sampleLog()
{
    return LF::headerRecord(at(2, 9, 0), "Петрова") + LF::token("К1", LF::Mark::Yes) +
           LF::token("И1", LF::Mark::No, false) + LF::token("И1", LF::Mark::Yes, false) +
           LF::totalRecord(2, 2, " К1 И1", "И1/1 ") + LF::headerRecord(at(2, 9, 30), "Сидоров") +
           LF::token("Л1", LF::Mark::No) + LF::token("Л4", LF::Mark::Skip) +
           LF::totalRecord(2, 0, "", "Л1/1  Л4/0 ");
}

QStringList problemTexts(const Journal &journal)
{
    QStringList out;
    for (const Problem &p : journal.problems())
        out << QString::number(p.line) + QLatin1Char(':') + p.what;
    return out;
}

} // namespace

class JournalReaderTest : public QObject {
    Q_OBJECT
private slots:
    void runsOfTheProgramReadBackWithTheirFigures()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Zorbiks.txt");
        qint16 firstShown = 0;
        {
            Play run(path, "Петрова", at(9, 10, 0));
            run.answer(true);
            run.repeat();
            run.answer(false);
            run.answer(true); // right after a wrong answer: no token
            run.repeat();
            run.giveUp();
            run.leaveThroughResults();
            firstShown = run.pupil().TasksShown;
        }
        {
            Play run(path, "Иванов Ан", at(9, 11, 0));
            run.answer(false);
            run.answer(false); // and the pupil leaves some other way
        }
        {
            Play run(path, "Петрова", at(10, 8, 30));
            run.answer(true);
            run.repeat();
            run.answer(true);
            run.leaveThroughResults();
        }

        Journal journal;
        QCOMPARE(journal.read(path), 1);
        journal.sortRuns();
        QVERIFY2(journal.problems().isEmpty(), qPrintable(problemTexts(journal).join('\n')));
        const auto &runs = journal.runs();
        QCOMPARE(runs.size(), size_t(3));
        struct Expected {
            QString surname;
            quint32 yes, no, skip;
            bool total;
            int shown, correct;
        };
        const Expected expected[] = {{"Петрова", 1, 1, 1, true, firstShown, 1},
                                     {"Иванов Ан", 0, 2, 0, false, -1, -1},
                                     {"Петрова", 2, 0, 0, true, 2, 2}};
        for (int i = 0; i < 3; ++i) {
            const Run &run = runs[i];
            QCOMPARE(journal.pupilNames()[run.pupil], expected[i].surname);
            QCOMPARE(run.yes, expected[i].yes);
            QCOMPARE(run.no, expected[i].no);
            QCOMPARE(run.skip, expected[i].skip);
            QCOMPARE(run.has(Run::HasTotal), expected[i].total);
            QCOMPARE(run.tasksShown, expected[i].shown);
            QCOMPARE(run.correctTotal, expected[i].correct);
            QVERIFY(!run.has(Run::Disagrees));
        }
        QCOMPARE(runs[0].date, QDate(2024, 12, 9));
        QCOMPARE(runs[0].time, QTime(10, 0, 5));
        QCOMPARE(firstShown, qint16(3));

        const Summary all = summarise(journal, {});
        const Tables tables(journal, all);
        QCOMPARE(tables.rows(Tables::Pupils), 2);
        QCOMPARE(tables.text(Tables::Pupils, 0, 0), QStringLiteral("Иванов Ан"));
        QCOMPARE(tables.text(Tables::Pupils, 0, 2), QStringLiteral("1")); // without a total
        QCOMPARE(tables.text(Tables::Pupils, 1, 1), QStringLiteral("2")); // two runs
        QCOMPARE(tables.text(Tables::Pupils, 1, 4), QStringLiteral("3"));
        QCOMPARE(tables.text(Tables::Runs, 1, 9), unfinishedWords());
        const Figures &k1 = all.questions[0];
        QCOMPARE(k1.attempts(), qint64(7));
        QCOMPARE(k1.yes, qint64(3));
        QCOMPARE(k1.no, qint64(3));
        QCOMPARE(k1.skip, qint64(1));
        QCOMPARE(tables.text(Tables::Questions, 0, 5), QStringLiteral("42,9"));
        QCOMPARE(tables.text(Tables::Questions, 1, 5), QStringLiteral("—"));
        QCOMPARE(all.unfinished, 1);

        Filter december10;
        december10.from = QDate(2024, 12, 10);
        QCOMPARE(summarise(journal, december10).runs.size(), size_t(1));
        Filter ivanov;
        ivanov.pupil = "иванов";
        QCOMPARE(summarise(journal, ivanov).runs.size(), size_t(1));
        Filter l1;
        l1.question = 11;
        QCOMPARE(summarise(journal, l1).runs.size(), size_t(0));
    }

    void runsOfTwoComputersAreMergedInTimeOrder()
    {
        QTemporaryDir folder;
        const QString first = folder.filePath("класс1/Zorbiks.txt");
        const QString second = folder.filePath("класс2/Zorbiks.txt");
        QDir(folder.path()).mkpath("класс1");
        QDir(folder.path()).mkpath("класс2");
        const QString names[] = {"Аверина", "Борисов", "Волкова", "Громов"};
        for (int i = 0; i < 4; ++i) {
            Play run(i % 2 ? second : first, names[i], at(11, 9, 10 * i));
            for (int k = 0; k <= i; ++k)
                run.answer(false);
            run.answer(true);
            run.leaveThroughResults();
        }
        Journal journal;
        QCOMPARE(journal.read(folder.path()), 2);
        journal.sortRuns();
        QCOMPARE(journal.runs().size(), size_t(4));
        for (int i = 0; i < 4; ++i) {
            const Run &run = journal.runs()[i];
            QCOMPARE(journal.pupilNames()[run.pupil], names[i]);
            QCOMPARE(run.no, quint32(i + 1));
            QCOMPARE(run.yes, 0u);
            QCOMPARE(run.tasksShown, 1);
            QVERIFY(journal.files()[run.file].endsWith(i % 2 ? "класс2/Zorbiks.txt"
                                                             : "класс1/Zorbiks.txt"));
        }
    }

    void aLogWithoutTotalLinesFlagsEveryRun()
    {
        QString log;
        for (int i = 0; i < 5; ++i)
            log += LF::headerRecord(at(3, 10, i), "Ким") + LF::token("П1", LF::Mark::Yes);
        Journal journal;
        journal.readBytes("log.txt", cp1251(log));
        QCOMPARE(journal.runs().size(), size_t(5));
        const Summary summary = summarise(journal, {});
        QCOMPARE(summary.unfinished, 5);
        QCOMPARE(summary.pupils.size(), qsizetype(1));
        QCOMPARE(summary.pupils[0].unfinished, 5);
        QCOMPARE(summary.questions[16].yes, qint64(5));
        QVERIFY(journal.problems().isEmpty());
    }

    void aTotalThatDisagreesWithTheTokensIsFlagged_data()
    {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("note");
        QTest::newRow("agrees") << LF::totalRecord(2, 1, " К1", "К2/1 ") << "";
        QTest::newRow("a give-up written without a token")
            << LF::totalRecord(3, 1, " К1", "К2/1 П3/0 ") << "";
        QTest::newRow("more right answers than да")
            << LF::totalRecord(2, 2, " К1", "К2/1 ")
            << "в итоге правильных ответов 2, а отметок «да» 1";
        QTest::newRow("codes without tokens") << LF::totalRecord(2, 1, " К1 Л3", "К2/1 И8/2 ")
                                              << "в списках итога вопросы без отметок: Л3, И8";
    }

    void aTotalThatDisagreesWithTheTokensIsFlagged()
    {
        QFETCH(QString, total);
        QFETCH(QString, note);
        Journal journal;
        journal.readBytes("log.txt", cp1251(LF::headerRecord(at(4, 9, 0), "Ли") +
                                            LF::token("К1", LF::Mark::Yes) +
                                            LF::token("К2", LF::Mark::No) + total));
        QCOMPARE(journal.runs().size(), size_t(1));
        const Run &run = journal.runs()[0];
        QVERIFY(run.has(Run::HasTotal));
        QCOMPARE(run.has(Run::Disagrees), !note.isEmpty());
        QCOMPARE(run.note >= 0 ? journal.notes()[run.note] : QString(), note);
    }

    void editorsCopiesReadTheSame_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString log = sampleLog();
        QTest::newRow("Windows-1251, CR LF") << cp1251(log);
        QTest::newRow("UTF-8 with a mark, LF")
            << QByteArray("\xEF\xBB\xBF") + QString(log).replace("\r\n", "\n").toUtf8();
        QTest::newRow("UTF-8, CR LF") << log.toUtf8();
        QTest::newRow("trailing blanks stripped") << cp1251(QString(log).replace(" \r\n", "\r\n"));
        QTest::newRow("UTF-16 of a text editor")
            << QByteArray("\xFF\xFE") +
                   QByteArray(reinterpret_cast<const char *>(log.utf16()), log.size() * 2);
        QTest::newRow("UTF-8 lines appended to by the program")
            << log.left(log.indexOf("\r\n\r\n0", 10)).toUtf8() +
                   cp1251(log.mid(log.indexOf("\r\n\r\n0", 10)));
    }

    void editorsCopiesReadTheSame()
    {
        QFETCH(QByteArray, bytes);
        Journal journal;
        journal.readBytes("log.txt", bytes);
        QVERIFY2(journal.problems().isEmpty(), qPrintable(problemTexts(journal).join('\n')));
        QCOMPARE(journal.runs().size(), size_t(2));
        QCOMPARE(journal.pupilNames(), QList<QString>({"Петрова", "Сидоров"}));
        const Run &first = journal.runs()[0];
        QCOMPARE(first.yes, 2u);
        QCOMPARE(first.no, 1u);
        QCOMPARE(first.correctTotal, 2);
        QVERIFY(!first.has(Run::Disagrees));
        QCOMPARE(journal.runs()[1].skip, 1u);
        QVERIFY(journal.runs()[1].has(Run::HasTotal));
    }

    void damageIsReportedSkippedAndTheRestRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("runs");
        QTest::addColumn<QString>("problem"); // "line:beginning of the text"
        const QString good = sampleLog();     // lines 3, 4 and 7, 8
        const QString cut = good.left(good.indexOf(" И1 - да,") + 7);
        QTest::newRow("run cut in a token") << cp1251(cut) << 1 << "3:запись оборвана: «И1 - д»";
        QTest::newRow("total line cut") << cp1251(good.left(good.indexOf("Общий итог") + 20)) << 1
                                        << "4:строка «Общий итог» повреждена";
        QTest::newRow("impossible date")
            << cp1251(QString(good).replace("02.12.2024 09:00:05", "31.02.2024 09:00:05")) << 1
            << "3:невозможная дата или время «31.02.2024 09:00:05» — работа пропущена";
        QTest::newRow("broken bytes in a token")
            << cp1251(good).replace(cp1251(" Л4 - пропуск"), QByteArray(" \x98"
                                                                        "L4 - \xff\x01"))
            << 2 << "7:непонятный текст";
        QTest::newRow("a UTF-8 sequence cut in a token")
            << good.toUtf8().replace(QString(" Л4 - пропуск").toUtf8(),
                                     QString(" Л4 - ").toUtf8() + "\xD0" +
                                         QString("ропуск").toUtf8())
            << 2 << "7:непонятный текст «Л4 - \uFFFDропуск,» — пропущен";
        QTest::newRow("a line of megabytes")
            << cp1251(good).insert(cp1251(good).indexOf("\r\n\r\n0", 10) + 2,
                                   QByteArray(5 * 1024 * 1024, 'x'))
            << 2 << "6:строка длиннее 4 МБ — пропущена";
        QTest::newRow("a long line of text")
            << cp1251(good).insert(cp1251(good).indexOf("\r\n\r\n0", 10) + 2,
                                   QByteArray(1024 * 1024, 'y'))
            << 2 << "6:непонятная строка";
        QTest::newRow("a total without its run") << cp1251(LF::totalRecord(1, 0, "", "") + good)
                                                 << 2 << "2:строка «Общий итог» без начала работы";
        QTest::newRow("tokens without a run") << cp1251(LF::token("К1", LF::Mark::Yes) + good) << 2
                                              << "1:отметки попыток без начала работы";
        QTest::newRow("nul bytes")
            << cp1251(good).replace("\r\n\r\n0", QByteArray("\r\n\0\0\r\n0", 7)) << 2
            << "2:непонятная строка";
        QTest::newRow("foreign file")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0", 20) + QByteArray(300, '\xc8')
            << 0 << "0:файл не похож на журнал Зорбикса";
        QTest::newRow("empty file") << QByteArray() << 0 << "";
    }

    void damageIsReportedSkippedAndTheRestRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, runs);
        QFETCH(QString, problem);
        Journal journal;
        journal.readBytes("log.txt", bytes);
        QCOMPARE(static_cast<int>(journal.runs().size()), runs);
        const QStringList problems = problemTexts(journal);
        if (problem.isEmpty()) {
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
            return;
        }
        QVERIFY2(!problems.isEmpty() && problems.first().startsWith(problem),
                 qPrintable(problems.join('\n')));
        QCOMPARE(journal.problems().first().file, QStringLiteral("log.txt"));
        if (runs == 2)
            QCOMPARE(journal.pupilNames().last(), QStringLiteral("Сидоров"));
    }

    void problemsOfOneFileAreCounted()
    {
        QByteArray bytes = cp1251(sampleLog());
        for (int i = 0; i < 500; ++i)
            bytes += "\r\nmusor " + QByteArray::number(i);
        Journal journal;
        journal.readBytes("log.txt", bytes);
        QCOMPARE(journal.runs().size(), size_t(2));
        QCOMPARE(journal.problems().size(), qsizetype(Journal::maxProblemsPerFile + 1));
        QCOMPARE(journal.problems().last().what,
                 QStringLiteral("и ещё замечаний к этому файлу: 400"));
    }

    void missingFilesAreReportedAndOthersRead()
    {
        QTemporaryDir folder;
        const QString good = folder.filePath("good.txt");
        QFile file(good);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cp1251(sampleLog()));
        file.close();
        Journal journal;
        QCOMPARE(journal.read(folder.filePath("missing.txt")), 0);
        QCOMPARE(journal.read(good), 1);
        QCOMPARE(journal.filesFailed(), 1);
        QCOMPARE(journal.runs().size(), size_t(2));
        QCOMPARE(journal.problems().first().what, QStringLiteral("файл не найден"));
    }

    // Random bytes, and real logs cut, spliced and with bytes changed: the
    // reader never crashes, its figures stay whole, and every output can be
    // made from what it read.
    void fuzz()
    {
        QRandomGenerator random(20241209);
        QByteArray real = cp1251(sampleLog());
        {
            QTemporaryDir folder;
            const QString path = folder.filePath("log.txt");
            {
                Play run(path, "Ёлкина-Рыбак", at(12, 10, 0));
                run.answer(false);
                run.answer(true);
                run.repeat();
                run.giveUp();
                run.leaveThroughResults();
            }
            {
                Play unfinished(path, "Ан Ли", at(12, 11, 0));
            }
            real += fileBytes(path);
        }
        const QByteArray alphabet = cp1251(" -,/:.0123456789\r\nКЛПИдаентпрсукОбщийитог") +
                                    QByteArray("\x00\xff\x98\xef\xbb\xbf", 6);
        QElapsedTimer clock;
        clock.start();
        int cases = 0;
        while (cases < 3000 && clock.elapsed() < 8000) {
            QByteArray bytes;
            switch (cases % 4) {
            case 0: // random bytes
                for (int n = random.bounded(400); n > 0; --n)
                    bytes += static_cast<char>(random.bounded(256));
                break;
            case 1: // random text from the log's alphabet
                for (int n = random.bounded(600); n > 0; --n)
                    bytes += alphabet[random.bounded(static_cast<int>(alphabet.size()))];
                break;
            case 2: { // a random cut of a real log
                const int from = random.bounded(static_cast<int>(real.size()));
                bytes = real.mid(from, random.bounded(static_cast<int>(real.size())));
                break;
            }
            default: // a real log with bytes changed, dropped and doubled
                bytes = real;
                for (int n = 1 + random.bounded(8); n > 0; --n) {
                    const int i = random.bounded(static_cast<int>(bytes.size()));
                    switch (random.bounded(3)) {
                    case 0: bytes[i] = static_cast<char>(random.bounded(256)); break;
                    case 1: bytes.remove(i, random.bounded(20)); break;
                    default: bytes.insert(i, bytes.mid(i, random.bounded(40))); break;
                    }
                }
            }
            Journal journal;
            journal.readBytes("fuzz.txt", bytes);
            const qint64 lines = bytes.count('\n') + 1;
            for (const Run &run : journal.runs()) {
                quint32 yes = 0, no = 0, skip = 0;
                for (const QuestionTally &t : journal.talliesOf(run)) {
                    QVERIFY(t.question < LF::questionCount);
                    yes += t.yes;
                    no += t.no;
                    skip += t.skip;
                }
                QVERIFY(yes == run.yes && no == run.no && skip == run.skip);
                QVERIFY(run.line >= 1 && run.line <= lines);
                QVERIFY(run.date.isValid() && run.time.isValid());
            }
            for (const Problem &p : journal.problems())
                QVERIFY(p.line >= 0 && p.line <= lines);
            const Summary summary = summarise(journal, {});
            const Tables tables(journal, summary);
            QVERIFY(!csv(tables).isEmpty());
            QVERIFY(!terminalText(tables).isEmpty());
            QVERIFY(html(tables, describe({})).contains("<svg"));
            ++cases;
        }
        QVERIFY2(cases >= 500, qPrintable(QString::number(cases)));
    }
};

ZORBIKS_TEST(JournalReaderTest)
#include "JournalReaderTest.moc"
