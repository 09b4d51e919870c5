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
            const QList<QByteArray> lines = writer.readAllStandardOutput().split('\n');
            int last = -1;
            for (const QByteArray &line : lines) {
                if (!line.isEmpty())
                    last = line.toInt();
            }
            said[tag] = last + 1;
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
