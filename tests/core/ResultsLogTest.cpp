#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "log/Cp1251.h"
#include "log/ResultsLog.h"
#include "platform/FakeServices.h"
#include "pupil/PupilRecord.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace zorbiks;
using zorbiks::test::fileBytes;

namespace {

struct LogRig {
    PupilRecord pupil;
    FakeSettingsStore settings;
    FakeClock clock;
    QTemporaryDir folder;
    QString defaultPath = folder.filePath("Zorbiks.txt");
    ResultsLog log{pupil, settings, clock, defaultPath, folder.filePath("spool")};
};

QByteArray cp1251(const QString &text)
{
    return Cp1251::encode(text);
}

} // namespace

class ResultsLogTest : public QObject {
    Q_OBJECT
private slots:
    void headerTokensAndTotalAreWrittenByteForByte()
    {
        LogRig rig;
        rig.pupil.PupilName = "Петров";
        rig.log.writeHeader();
        rig.log.writeToken(" К1 - да, ");
        rig.log.writeToken(" К2 - нет, ");
        rig.log.writeToken(" К4 - пропуск, ");
        rig.pupil.TasksShown = 12;
        rig.pupil.CorrectTotal = 9;
        rig.pupil.CorrectList = "L1";
        rig.pupil.WrongList = "L2";
        rig.log.writeTotal();
        const QByteArray expected =
            cp1251("\r\n\r\n08.12.2024 10:39:05Петров К1 - да,  К2 - нет,  К4 - пропуск, "
                   "\r\n Общий итог: всего ответов  12  правильных ответов 9 , правильные "
                   "ответы: L1, неправильные ответы: L2\r\n");
        QCOMPARE(fileBytes(rig.defaultPath), expected);
        QVERIFY(!rig.log.hasPending());
    }

    void dateIsWrittenTheSameWayWhateverTheLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        LogRig rig;
        rig.pupil.PupilName = "Ёлкина";
        rig.log.writeHeader();
        QLocale::setDefault(saved);
        QCOMPARE(fileBytes(rig.defaultPath), cp1251("\r\n\r\n08.12.2024 10:39:05Ёлкина"));
    }

    void numbersKeepTheSignPlace_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << " 0 ";
        QTest::newRow("positive") << 12 << " 12 ";
        QTest::newRow("negative") << -5 << "-5 ";
    }

    void numbersKeepTheSignPlace()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(ResultsLog::numberText(value), text);
    }

    void everyRecordGoesWhereTheSettingSaysAtThatMoment()
    {
        LogRig rig;
        const QString moved = rig.folder.filePath("moved.txt");
        rig.log.writeToken("A");
        rig.settings.location = moved;
        rig.log.writeToken("B");
        rig.log.writeTotal(); // the total line follows the setting too
        QCOMPARE(fileBytes(rig.defaultPath), QByteArray("A"));
        QVERIFY(fileBytes(moved).startsWith("B\r\n"));
        QVERIFY(fileBytes(moved).endsWith("\r\n"));
        QCOMPARE(rig.pupil.LogPath, moved);
    }

    void failedRecordsAreKeptAndWrittenInOrderLater_data()
    {
        QTest::addColumn<QString>("badLocation");
        QTest::newRow("missing folder") << "missing/folder/log.txt";
        QTest::newRow("a folder, not a file") << "";
    }

    void failedRecordsAreKeptAndWrittenInOrderLater()
    {
        QFETCH(QString, badLocation);
        LogRig rig;
        rig.settings.location =
            badLocation.isEmpty() ? rig.folder.path() : rig.folder.filePath(badLocation);
        rig.pupil.PupilName = "Иванова";
        rig.log.writeHeader();
        rig.log.writeToken(" К1 - да, ");
        QVERIFY(rig.log.hasPending());
        QCOMPARE(rig.log.pendingCount(), 2);

        const QString good = rig.folder.filePath("good.txt");
        rig.settings.location = good;
        rig.log.writeToken(" К1 - нет, ");
        QVERIFY(!rig.log.hasPending());
        QCOMPARE(fileBytes(good),
                 cp1251("\r\n\r\n08.12.2024 10:39:05Иванова К1 - да,  К1 - нет, "));
    }

    void pendingRecordsFallBackToTheDefaultFile()
    {
        LogRig rig;
        rig.settings.location = rig.folder.filePath("missing/log.txt");
        rig.log.writeToken("X");
        QVERIFY(rig.log.hasPending());
        QVERIFY(rig.log.retryPending());
        QCOMPARE(fileBytes(rig.defaultPath), QByteArray("X"));
    }

    void defaultLocationComesFromTheEnvironment()
    {
        QCOMPARE(ResultsLog::defaultLocationOfThisSystem(),
                 qEnvironmentVariable("ZORBIKS_DEFAULT_LOG"));
    }
};

ZORBIKS_TEST(ResultsLogTest)
#include "ResultsLogTest.moc"
