// A run of the whole program while the results log refuses a write and the
// spool of this computer cannot keep records either (its disk full, or its
// fsync failing), then the next run on the same computer: every record is
// in the log once, whole and in order. And a run where both stay broken to
// the end: the results screen tells the teacher how many records are lost.
// And a run on a slow folder, which the pupil never waits for.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "reliability/FaultInjection.h"

#include "log/Cp1251.h"
#include "log/LogFormat.h"
#include "log/ResultsLog.h"
#include "shell/Stage.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

void answer(AppRig &app, const QString &typed)
{
    auto *box = app.child<QLineEdit>(QStringLiteral("К1"), QStringLiteral("Ответ"));
    box->clear();
    typeText(box, typed);
    app.click(QStringLiteral("К1"), QStringLiteral("ОК"));
}

QString rightAnswer(AppRig &app)
{
    return QString::number(
        16 * app.child<QLabel>(QStringLiteral("К1"), QStringLiteral("Label4"))->text().toInt());
}

// Registers, answers К1 right, wrong and right, gives up, and leaves through
// the results screen's `Выход` (the print question stays open). Returns the
// bytes the run must leave in the log.
QByteArray pupilRun(AppRig &app)
{
    app.registerPupil(QStringLiteral("Петрова"));
    app.click(QStringLiteral("Титул"), QStringLiteral("К_1"));
    answer(app, rightAnswer(app));
    app.click(QStringLiteral("К1"), QStringLiteral("Повтор"));
    answer(app, QStringLiteral("1"));
    answer(app, rightAnswer(app));
    app.click(QStringLiteral("К1"), QStringLiteral("Повтор"));
    app.click(QStringLiteral("К1"), QStringLiteral("Сдаюсь"));
    app.click(QStringLiteral("Титул"), QStringLiteral("Рез"));
    app.click(QStringLiteral("Результат"), QStringLiteral("Выход"));
    const PupilRecord &pupil = app.stage->pupil();
    return Cp1251::encode(QStringLiteral("\r\n\r\n08.12.2024 10:39:05Петрова К1 - да,  К1 - нет, "
                                         " К1 - пропуск, \r\n") +
                          ResultsLog::totalLine(pupil) + QStringLiteral("\r\n"));
}

// `Да`, then `Отмена`: the program ends (once what it must say is said).
void leave(AppRig &app)
{
    QSignalSpy ended(app.stage, &Stage::programEnded);
    app.click(QStringLiteral("Результат"), QStringLiteral("Да"));
    app.click(QStringLiteral("Результат"), QStringLiteral("Отмена"));
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 15000);
}

QString warning(AppRig &app)
{
    return app.child<QLabel>(QStringLiteral("Результат"), QStringLiteral("ЖурналПредупреждение"))
        ->text();
}

} // namespace

class DoubleFaultTest : public QObject {
    Q_OBJECT
private slots:
    void theLogRefusesOnceAndTheSpoolCannotKeep_data()
    {
        QTest::addColumn<QString>("spoolFault");
        QTest::newRow("spool disk full") << "call=write fail=ENOSPC";
        QTest::newRow("spool fsync failing") << "call=fsync fail=EIO";
    }

    void theLogRefusesOnceAndTheSpoolCannotKeep()
    {
        QFETCH(QString, spoolFault);
        QTemporaryDir home;
        QByteArray expected;
        {
            AppRig app({}, home.path());
            FaultRules faults(
                QStringLiteral("call=write path=%1 fail=ENOSPC after=1 times=1; %2 path=%3")
                    .arg(app.logPath, spoolFault, home.filePath(QStringLiteral("spool"))));
            expected = pupilRun(app);
            leave(app);
            QVERIFY2(faults.hits(0) >= 2, "the log refused its second write");
            QVERIFY2(faults.hits(1) >= 1, "the spool was tried");
        }
        QCOMPARE(fileBytes(home.filePath(QStringLiteral("log.txt"))), expected); // after the run

        AppRig next({}, home.path());
        next.registerPupil(QStringLiteral("Иванов"));
        QCOMPARE(next.log(),
                 Cp1251::decode(expected) + QStringLiteral("\r\n\r\n08.12.2024 10:39:05Иванов"));
    }

    void bothStayBrokenAndTheTeacherIsTold()
    {
        QTemporaryDir home;
        AppRig app({}, home.path());
        FaultRules faults(QStringLiteral("call=write path=%1 fail=ENOSPC after=1; call=write "
                                         "path=%2 fail=ENOSPC; call=open path=%3 fail=EACCES")
                              .arg(app.logPath, home.filePath(QStringLiteral("spool")),
                                   qEnvironmentVariable("ZORBIKS_DEFAULT_LOG")));
        pupilRun(app);
        // да, нет, пропуск and the total line are nowhere but in memory.
        QTRY_VERIFY(app.child(QStringLiteral("Результат"), QStringLiteral("ЖурналПредупреждение"))
                        ->isVisible());
        QVERIFY2(warning(app).contains(QStringLiteral("не сохранено нигде: 4")),
                 qPrintable(warning(app)));
        QVERIFY(warning(app).contains(app.logPath));
        leave(app);
        QVERIFY2(warning(app).contains(QStringLiteral("не сохранено нигде: 4")),
                 qPrintable(warning(app)));
    }

    // Every fsync of the log takes a second: the clicks do not wait for it,
    // and the end of the run does, saying so on the screen, until every
    // attempt and then the total line are in the log.
    void theEndWaitsForASlowFolder()
    {
        QTemporaryDir home;
        AppRig app({}, home.path());
        app.waitForWriter = false;
        FaultRules faults(QStringLiteral("call=fsync path=%1 sleep=1000").arg(app.logPath));
        const QByteArray expected = pupilRun(app);
        QSignalSpy ended(app.stage, &Stage::programEnded);
        app.click(QStringLiteral("Результат"), QStringLiteral("Да"));
        app.click(QStringLiteral("Результат"), QStringLiteral("Отмена"));
        QCOMPARE(ended.count(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(warning(app).startsWith(QStringLiteral("Записи сохраняются")),
                                 3000);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 15000);
        QCOMPARE(fileBytes(app.logPath), expected);
    }
};

ZORBIKS_TEST(DoubleFaultTest)
#include "DoubleFaultTest.moc"
