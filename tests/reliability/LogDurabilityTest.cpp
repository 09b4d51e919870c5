// What reaches the results log is on its disk before anything depends on
// it: every append to the log, a record of its own or a delivery of kept
// ones, is followed by an fsync of the log before the spool that kept the
// records is cut. A kill cannot show a missing fsync; these tests watch the
// calls themselves.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "reliability/FaultInjection.h"

#include "log/ResultsLog.h"
#include "platform/FakeServices.h"
#include "pupil/PupilRecord.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

struct Computer {
    QTemporaryDir folder;
    QString place = folder.filePath("place");
    QString log = place + "/log.txt";
    QString spool = folder.filePath("spool");
    PupilRecord pupil;
    FakeSettingsStore settings;
    FakeClock clock;

    Computer()
    {
        QDir().mkpath(place);
        settings.location = log;
    }
    std::unique_ptr<ResultsLog> run()
    {
        return std::make_unique<ResultsLog>(pupil, settings, clock, folder.filePath("default.txt"),
                                            spool);
    }
    // Rule 0 watches the log, rule 1 the spool.
    QString rules() const
    {
        return QStringLiteral("call=write,fsync,ftruncate path=%1; call=write,fsync,ftruncate "
                              "path=%2")
            .arg(log, spool);
    }
};

// Every write to the log (rule 0) is followed by an fsync of the log before
// the spool (rule 1) is cut and before the trace ends. Empty when so, else
// what went wrong.
QString unsyncedAppends(const QStringList &trace)
{
    for (qsizetype i = 0; i < trace.size(); ++i) {
        if (!trace[i].startsWith(QLatin1String("write 0 ")))
            continue;
        qsizetype j = i + 1;
        while (j < trace.size() && !trace[j].startsWith(QLatin1String("fsync 0 "))) {
            if (trace[j].startsWith(QLatin1String("ftruncate 1 ")))
                return QStringLiteral("the spool is cut before the log is synced: ") +
                       trace.mid(i, j - i + 1).join(QLatin1String(" | "));
            ++j;
        }
        if (j == trace.size())
            return QStringLiteral("an append never synced: ") +
                   trace.mid(i).join(QLatin1String(" | "));
    }
    return QString();
}

int countOf(const QStringList &trace, const QString &start)
{
    return static_cast<int>(std::count_if(
        trace.begin(), trace.end(), [&](const QString &line) { return line.startsWith(start); }));
}

} // namespace

class LogDurabilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyAppendIsSyncedToTheDisk()
    {
        Computer computer;
        FaultRules faults(computer.rules());
        {
            auto log = computer.run();
            computer.pupil.PupilName = QStringLiteral("Петров");
            log->writeHeader();
            log->writeToken(QStringLiteral(" К1 - да, "));
            log->writeToken(QStringLiteral(" К2 - нет, "));
            log->writeTotal();
            QVERIFY(!log->hasPending());
        }
        const QStringList trace = faults.trace();
        QVERIFY(countOf(trace, QStringLiteral("write 0 ")) >= 4);
        const QString fault = unsyncedAppends(trace);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Records kept while the log's folder is missing are delivered with the
    // next record that can be written, in this run and in the next one.
    void everyDeliveryIsSyncedBeforeTheSpoolIsCut_data()
    {
        QTest::addColumn<bool>("nextRun");
        QTest::newRow("this run") << false;
        QTest::newRow("next run") << true;
    }

    void everyDeliveryIsSyncedBeforeTheSpoolIsCut()
    {
        QFETCH(bool, nextRun);
        Computer computer;
        FaultRules faults(computer.rules());
        auto log = computer.run();
        QVERIFY(QDir(computer.place).removeRecursively());
        log->writeToken(QStringLiteral("[1]"));
        log->writeToken(QStringLiteral("[2]"));
        QCOMPARE(log->pendingCount(), 2);
        QDir().mkpath(computer.place);
        if (nextRun) {
            log.reset();
            log = computer.run();
        }
        log->writeToken(QStringLiteral("[3]"));
        QVERIFY(!log->hasPending());
        log.reset();
        QCOMPARE(fileBytes(computer.log), QByteArray("[1][2][3]"));

        const QStringList trace = faults.trace();
        QVERIFY2(countOf(trace, QStringLiteral("ftruncate 1 ")) >= 1,
                 "the delivered records are cut from the spool");
        const QString fault = unsyncedAppends(trace);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

ZORBIKS_TEST(LogDurabilityTest)
#include "LogDurabilityTest.moc"
