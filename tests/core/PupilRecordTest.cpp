#include "support/TestMain.h"

#include "pupil/PupilRecord.h"

#include <QTest>

using namespace zorbiks;

class PupilRecordTest : public QObject {
    Q_OBJECT
private slots:
    void correctFlush()
    {
        PupilRecord pupil;
        pupil.flushCorrect("К1", 1);
        pupil.flushCorrect("Л2", 3);
        pupil.flushCorrect("П1", 0);
        pupil.flushCorrect("К1", 1);
        QCOMPARE(pupil.CorrectList, QStringLiteral(" К1 3Л2 К1"));
    }

    void wrongListEntries_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("entry");
        QTest::newRow("wrong") << "wrong"
                               << "К2/" << 3 << "К2/3 ";
        QTest::newRow("wrong, none") << "wrong"
                                     << "К2/" << 0 << "";
        QTest::newRow("wrong on repeat") << "wrong"
                                         << " К1/" << 2 << " К1/2 ";
        QTest::newRow("give-up, no attempt") << "giveUp"
                                             << "К1/" << 0 << "К1/0 ";
        QTest::newRow("give-up after two") << "giveUp"
                                           << "К1/" << 2 << "К1/2/0 ";
        QTest::newRow("give-up with blank") << "giveUp"
                                            << " Л4/" << 0 << " Л4/0 ";
        QTest::newRow("give-up with blank after one") << "giveUp"
                                                      << " Л4/" << 1 << " Л4/1/0 ";
    }

    void wrongListEntries()
    {
        QFETCH(QString, kind);
        QFETCH(QString, prefix);
        QFETCH(int, count);
        QFETCH(QString, entry);
        PupilRecord pupil;
        pupil.WrongList = "X ";
        if (kind == "wrong")
            pupil.flushWrong(prefix, static_cast<qint16>(count));
        else
            pupil.flushGiveUp(prefix, static_cast<qint16>(count));
        QCOMPARE(pupil.WrongList, "X " + entry);
    }

    void shortcutEntryIsSeparatedOnlyAfterEarlierEntries()
    {
        PupilRecord pupil;
        pupil.flushShortcutToResults("И2", 2);
        QCOMPARE(pupil.WrongList, QStringLiteral("И2/2"));
        pupil.flushShortcutToResults("И2", 0);
        QCOMPARE(pupil.WrongList, QStringLiteral("И2/2, И2/0"));
    }

    void countersStopAtTheirLimit()
    {
        qint16 counter = 32766;
        increment(counter);
        QCOMPARE(counter, qint16(32767));
        increment(counter);
        QCOMPARE(counter, qint16(32767));
    }
};

ZORBIKS_TEST(PupilRecordTest)
#include "PupilRecordTest.moc"
