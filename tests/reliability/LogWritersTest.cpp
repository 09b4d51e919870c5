#include "reliability/FaultInjection.h"
#include "support/TestMain.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <unistd.h>

using zorbiks::test::environmentWithFaults;
using zorbiks::test::fileBytes;

namespace {

struct Record {
    QString tag;
    int number;
};

// Splits the log into the records of log_writer; false when anything else,
// a torn record for instance, is in it.
bool readRecords(const QByteArray &bytes, QList<Record> &records, QString &fault)
{
    static const QRegularExpression record(QStringLiteral("\\[([a-z0-9]+) (\\d{4}) \\x{00CA}\\]"));
    const QString text = QString::fromLatin1(bytes);
    qsizetype at = 0;
    while (at < text.size()) {
        const QRegularExpressionMatch match =
            record.match(text, at, QRegularExpression::NormalMatch,
                         QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch()) {
            fault =
                QStringLiteral("not a whole record at byte %1: %2").arg(at).arg(text.mid(at, 40));
            return false;
        }
        records.append({match.captured(1), match.captured(2).toInt()});
        at = match.capturedEnd();
    }
    return true;
}

// The records of each writer are there once each, numbered 0, 1, 2 … in
// the order written.
bool eachWriterInOrder(const QList<Record> &records, QHash<QString, int> &counts, QString &fault)
{
    for (const Record &record : records) {
        int &next = counts[record.tag];
        if (record.number != next) {
            fault = QStringLiteral("%1: record %2 where %3 was due")
                        .arg(record.tag)
                        .arg(record.number)
                        .arg(next);
            return false;
        }
        ++next;
    }
    return true;
}

QString writerProgram()
{
    return QStringLiteral(ZORBIKS_LOG_WRITER);
}

// How much of the work to do: ZORBIKS_RELIABILITY_SCALE (default 1) times.
int scaled(int count)
{
    const int scale = qEnvironmentVariableIntValue("ZORBIKS_RELIABILITY_SCALE");
    return count * (scale > 0 ? scale : 1);
}

// The number of records a killed writer said it wrote.
int saidWritten(QProcess &writer)
{
    int last = -1;
    for (const QByteArray &line : writer.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            last = line.toInt();
    }
    return last + 1;
}

} // namespace

class LogWritersTest : public QObject {
    Q_OBJECT
private slots:
    // The child writes 1000 records and says after each write returns that it
    // is written; it is killed at a random moment, several times over, some
    // rounds with records going to the spool first. Every record it said it
    // wrote is in the log, whole, once and in order.
    void noRecordIsLostOrTornByAPowerCut()
    {
        QTemporaryDir folder;
        const QString log = folder.filePath("log.txt");
        const QString spool = folder.filePath("spool");
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        const int rounds = scaled(6);
        QHash<QString, int> said;
        for (int round = 0; round < rounds; ++round) {
            const QString tag = QStringLiteral("r%1").arg(round);
            const int unwritable = round % 2 == 1 ? random.bounded(1, 200) : 0;
            QProcess writer;
            writer.start(writerProgram(), {log, spool, tag, "1000", QString::number(unwritable)});
            QVERIFY(writer.waitForStarted());
            QThread::msleep(random.bounded(20, 600));
            writer.kill(); // SIGKILL
            QVERIFY(writer.waitForFinished());
            said[tag] = saidWritten(writer);
        }
        // The next run delivers what the last one left in the spool.
        QProcess last;
        last.start(writerProgram(), {log, spool, "end", "1"});
        QVERIFY(last.waitForFinished());
        QCOMPARE(last.exitCode(), 0);

        QList<Record> records;
        QHash<QString, int> counts;
        QString fault;
        const QString where = QStringLiteral("seed %1: ").arg(seed);
        QVERIFY2(readRecords(fileBytes(log), records, fault), qPrintable(where + fault));
        QVERIFY2(eachWriterInOrder(records, counts, fault), qPrintable(where + fault));
        for (auto it = said.cbegin(); it != said.cend(); ++it) {
            QVERIFY2(counts.value(it.key()) >= it.value(),
                     qPrintable(where + QStringLiteral("%1 said %2 records, the log has %3")
                                            .arg(it.key())
                                            .arg(it.value())
                                            .arg(counts.value(it.key()))));
        }
        // Rounds follow one another: nothing of a round after the next one.
        QStringList order;
        for (const Record &record : std::as_const(records)) {
            if (order.isEmpty() || order.last() != record.tag)
                order.append(record.tag);
        }
        QCOMPARE(order.size(), counts.size());
    }

    void aKillWhileTheWriterWaitsLosesNothing_data()
    {
        QTest::addColumn<bool>("lockHeld");
        QTest::newRow("fsync of the log slowed to 300 ms") << false;
        QTest::newRow("the log locked by another program") << true;
    }

    // The program, with its writer thread, is killed while the writer waits
    // for a slow disk or for another program's lock, records coming every
    // 5 ms; the next run delivers what it left. Every record the pupil saw
    // the feedback of is in the log once, whole and in order.
    void aKillWhileTheWriterWaitsLosesNothing()
    {
        QFETCH(bool, lockHeld);
        QTemporaryDir folder;
        const QString log = folder.filePath("log.txt");
        const QString spool = folder.filePath("spool");
        const int other = ::open(QFile::encodeName(log).constData(), O_RDWR | O_CREAT, 0644);
        QVERIFY(other >= 0);
        struct flock whole = {};
        whole.l_type = F_WRLCK;
        whole.l_whence = SEEK_SET;
        if (lockHeld)
            QVERIFY(::fcntl(other, F_SETLK, &whole) == 0);

        QProcess writer;
        if (!lockHeld)
            writer.setProcessEnvironment(
                environmentWithFaults(QStringLiteral("call=fsync path=%1 sleep=300").arg(log)));
        writer.start(writerProgram(), {log, spool, "k", "400", "0", "thread"});
        QVERIFY(writer.waitForStarted());
        QThread::msleep(700);
        writer.kill(); // SIGKILL
        QVERIFY(writer.waitForFinished());
        const int said = saidWritten(writer);
        QVERIFY2(said >= 20, qPrintable(QString::number(said)));
        QList<Record> records;
        QHash<QString, int> counts;
        QString fault;
        QVERIFY2(readRecords(fileBytes(log), records, fault), qPrintable(fault));
        QVERIFY2(eachWriterInOrder(records, counts, fault), qPrintable(fault));
        QVERIFY2(counts.value("k") < said, "the kill came while records were waiting");
        whole.l_type = F_UNLCK;
        QVERIFY(::fcntl(other, F_SETLK, &whole) == 0);
        ::close(other);

        QProcess next;
        next.start(writerProgram(), {log, spool, "end", "1"});
        QVERIFY(next.waitForFinished());
        QCOMPARE(next.exitCode(), 0);
        records.clear();
        counts.clear();
        QVERIFY2(readRecords(fileBytes(log), records, fault), qPrintable(fault));
        QVERIFY2(eachWriterInOrder(records, counts, fault), qPrintable(fault));
        QVERIFY2(counts.value("k") >= said,
                 qPrintable(QStringLiteral("said %1, the log has %2").arg(said).arg(counts["k"])));
        QCOMPARE(counts.value("end"), 1);
        QCOMPARE(records.last().tag, QStringLiteral("end"));
    }

    // Two pupils' computers logging to one file on a shared folder.
    void twoWritersNeverInterleave()
    {
        QTemporaryDir folder;
        const QString log = folder.filePath("log.txt");
        const QString count = QString::number(scaled(1000));
        QProcess first;
        QProcess second;
        first.start(writerProgram(), {log, folder.filePath("spool1"), "a", count});
        second.start(writerProgram(), {log, folder.filePath("spool2"), "b", count});
        QVERIFY(first.waitForFinished(120000));
        QVERIFY(second.waitForFinished(120000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);

        QList<Record> records;
        QHash<QString, int> counts;
        QString fault;
        QVERIFY2(readRecords(fileBytes(log), records, fault), qPrintable(fault));
        QVERIFY2(eachWriterInOrder(records, counts, fault), qPrintable(fault));
        QCOMPARE(counts.value("a"), count.toInt());
        QCOMPARE(counts.value("b"), count.toInt());
    }
};

ZORBIKS_TEST(LogWritersTest)
#include "LogWritersTest.moc"
