#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "log/LogSpool.h"
#include "log/ResultsLog.h"
#include "platform/FakeServices.h"
#include "pupil/PupilRecord.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace zorbiks;
using zorbiks::test::fileBytes;

namespace {

// One run of the program as far as the log is concerned; runs made one after
// another on the same rig share the computer's spool.
struct Computer {
    QTemporaryDir folder;
    QString spool = folder.filePath("spool");
    QString good = folder.filePath("log.txt");
    QString aFolder = folder.path();
    FakeSettingsStore settings;
    FakeClock clock;
    PupilRecord pupil;

    std::unique_ptr<ResultsLog> run()
    {
        return std::make_unique<ResultsLog>(pupil, settings, clock, folder.filePath("default.txt"),
                                            spool);
    }
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Another writer's lock on the file (an open file description lock, which
// conflicts with the log's own lock even within this process).
int holdLock(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT, 0644);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    if (fd < 0 || ::fcntl(fd, F_OFD_SETLK, &lock) != 0)
        qFatal("cannot lock %s", qPrintable(path));
    return fd;
}

} // namespace

class LogSpoolDataTest : public QObject {
    Q_OBJECT
private slots:
    void pendingRecordsOutliveTheProgramAndGoFirstNextRun()
    {
        Computer computer;
        computer.settings.location = computer.aFolder; // a folder, not a file
        {
            auto log = computer.run();
            log->writeToken("A");
            log->writeToken("B");
            QCOMPARE(log->pendingCount(), 2);
        } // switched off here
        QVERIFY(QFileInfo(computer.spool).size() > 0);

        computer.settings.location = computer.good;
        auto next = computer.run();
        QCOMPARE(next->pendingCount(), 2);
        next->writeToken("C");
        QCOMPARE(fileBytes(computer.good), QByteArray("ABC"));
        QVERIFY(!next->hasPending());
        QCOMPARE(QFileInfo(computer.spool).size(), 0);
        next->writeToken("D");
        QVERIFY(!computer.run()->hasPending());
        QCOMPARE(fileBytes(computer.good), QByteArray("ABCD"));
    }

    // A delivery from the spool that a power cut interrupted: whether the
    // bytes reached the log, reached it in part or not at all, the next run
    // leaves them there exactly once.
    void anInterruptedDeliveryIsSettledExactlyOnce_data()
    {
        QTest::addColumn<QByteArray>("logBeforeTheNextRun");
        QTest::newRow("delivered") << QByteArray("old|ABCD");
        QTest::newRow("torn") << QByteArray("old|AB");
        QTest::newRow("not reached") << QByteArray("old|");
    }

    void anInterruptedDeliveryIsSettledExactlyOnce()
    {
        QFETCH(QByteArray, logBeforeTheNextRun);
        Computer computer;
        writeFile(computer.good, logBeforeTheNextRun);
        writeFile(computer.spool,
                  "R2\nABR2\nCDD4 4 " + QFile::encodeName(computer.good).toHex() + "\n");
        computer.settings.location = computer.good;
        auto log = computer.run();
        QCOMPARE(log->pendingCount(), logBeforeTheNextRun.endsWith("ABCD") ? 0 : 2);
        log->writeToken("E");
        QCOMPARE(fileBytes(computer.good), QByteArray("old|ABCDE"));
        QVERIFY(!log->hasPending());
    }

    // Every item names its own log, also when the log changes from one
    // record to the next: the next run reads each record's log back.
    void everyItemNamesItsLog()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("spool");
        const QString shorter = folder.filePath("b.txt");
        const QString longer = folder.filePath("a much longer name of a log.txt");
        {
            LogSpool spool(path);
            QVERIFY(spool.open());
            QVERIFY(spool.keep("one", shorter));
            QVERIFY(spool.keep("two", longer));
            QVERIFY(spool.keep("three", shorter));
            QVERIFY(spool.noteDelivery(7, 3, longer, 1));
        }
        LogSpool next(path);
        QVERIFY(next.open());
        const QList<KeptRecord> &left = next.left();
        QCOMPARE(left.size(), 3);
        const QStringList logs{shorter, longer, shorter};
        const QList<QByteArray> bytes{"one", "two", "three"};
        for (qsizetype i = 0; i < left.size(); ++i) {
            QCOMPARE(left[i].target, logs[i]);
            QCOMPARE(left[i].bytes, bytes[i]);
        }
        QVERIFY(next.unsettled());
        QCOMPARE(next.unsettled()->target, longer);
        QCOMPARE(next.unsettled()->sizeBefore, off_t(7));
        QCOMPARE(next.unsettled()->count, 1);
    }

    void aTornRecordAtTheEndOfTheSpoolWasNeverWritten()
    {
        Computer computer;
        writeFile(computer.spool, "R1\nAR5\nBC");
        computer.settings.location = computer.good;
        auto log = computer.run();
        QCOMPARE(log->pendingCount(), 1);
        log->writeToken("D");
        QCOMPARE(fileBytes(computer.good), QByteArray("AD"));
    }

    void withoutASpoolTheRecordsWaitInMemory()
    {
        Computer computer;
        computer.spool = computer.aFolder; // cannot be written
        computer.settings.location = computer.folder.filePath("missing/log.txt");
        auto log = computer.run();
        log->writeToken("A");
        log->writeToken("B");
        QCOMPARE(log->pendingCount(), 2);
        computer.settings.location = computer.good;
        log->writeToken("C");
        QCOMPARE(fileBytes(computer.good), QByteArray("ABC"));
        QVERIFY(!log->hasPending());
    }

    void aWriterWaitsForAnotherWritersLock()
    {
        Computer computer;
        computer.settings.location = computer.good;
        const int other = holdLock(computer.good);
        std::thread release([other] {
            ::usleep(150 * 1000);
            ::close(other);
        });
        auto log = computer.run();
        QElapsedTimer clock;
        clock.start();
        log->writeToken("A");
        const qint64 waited = clock.elapsed();
        release.join();
        QVERIFY2(waited >= 100, qPrintable(QString::number(waited)));
        QVERIFY(!log->hasPending());
        QCOMPARE(fileBytes(computer.good), QByteArray("A"));
    }

    void aLockHeldTooLongKeepsTheRecordForLater()
    {
        Computer computer;
        computer.settings.location = computer.good;
        auto log = computer.run();
        log->setLockWait(50);
        const int other = holdLock(computer.good);
        log->writeToken("A");
        QVERIFY(log->hasPending());
        QCOMPARE(fileBytes(computer.good), QByteArray());
        ::close(other);
        log->writeToken("B");
        QCOMPARE(fileBytes(computer.good), QByteArray("AB"));
        QVERIFY(!log->hasPending());
    }
};

ZORBIKS_TEST(LogSpoolDataTest)
#include "LogSpoolDataTest.moc"
