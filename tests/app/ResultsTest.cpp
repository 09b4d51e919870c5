#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "results/ResultsPage.h"
#include "shell/Stage.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

struct Results : AppRig {
    Results() { registerPupil("Петрова"); }
    void open() { click("Титул", "Рез"); }
    QString line(const QString &name) const { return child<QLabel>("Результат", name)->text(); }
    bool shown(const QString &name) const { return child("Результат", name)->isVisible(); }
};

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT
private slots:
    void rightAfterRegistration()
    {
        Results app;
        app.open();
        QCOMPARE(app.line("Уважаемый"), QStringLiteral("Уважаемая  Петрова!"));
        QCOMPARE(app.line("КвоОтветов"), QStringLiteral("Общее количество ответов: 1"));
        QCOMPARE(app.line("КвоПравОтв"), QStringLiteral("Количество правильных ответов: 0"));
        QCOMPARE(app.line("ПравОтветы"), QStringLiteral("Правильные ответы: "));
        QCOMPARE(app.line("НепрОтветы"), QStringLiteral("Неправильные ответы: "));
        QCOMPARE(app.line("Оценка"), QStringLiteral("Почему мало поработали?"));
        QVERIFY(!app.shown("Image1") && !app.shown("Image4"));
        QCOMPARE(app.stage->pupil().TasksShown, qint16(1));
        QCOMPARE(app.fakes.sounds->played.last(), QStringLiteral("click2"));
        QVERIFY(app.shown("Image3") && !app.child("Титул", "Image3")->isVisible());
        QVERIFY(!app.shown("ЖурналПредупреждение"));
    }

    void verdictPicturesAndSounds_data()
    {
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("correct");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("sound");
        QTest::newRow("poor") << 5 << 3 << "Image4"
                              << "FANFAR08";
        QTest::newRow("fair") << 10 << 7 << "Image1"
                              << "SUCCESS";
        QTest::newRow("good") << 20 << 17 << "Image1"
                              << "SUCCESS";
    }

    void verdictPicturesAndSounds()
    {
        QFETCH(int, shown);
        QFETCH(int, correct);
        QFETCH(QString, picture);
        QFETCH(QString, sound);
        Results app;
        app.stage->pupil().TasksShown = qint16(shown);
        app.stage->pupil().CorrectTotal = qint16(correct);
        app.open();
        QVERIFY(app.shown(picture));
        QCOMPARE(app.fakes.sounds->played.last(), sound);
        QCOMPARE(app.line("Оценка"),
                 ResultsPage::verdictText(ResultsPage::verdictFor(qint16(shown), qint16(correct))));
        // Back to the menu and again: the figures are recomputed.
        app.click("Результат", "Меню");
        app.stage->pupil().TasksShown = 2;
        app.open();
        QCOMPARE(app.line("КвоОтветов"), QStringLiteral("Общее количество ответов: 2"));
        QCOMPARE(app.line("Оценка"), QStringLiteral("Почему мало поработали?"));
        QVERIFY(app.shown(picture)); // a picture once shown stays
    }

    void exitWritesTheTotalAndAsksToPrint()
    {
        Results app;
        app.stage->pupil().TasksShown = 3;
        app.stage->pupil().CorrectTotal = 2;
        app.stage->pupil().CorrectList = " К1";
        app.stage->pupil().WrongList = "К1/1 ";
        app.open();
        app.click("Результат", "Выход");
        QCOMPARE(
            app.log(),
            QStringLiteral("\r\n\r\n08.12.2024 10:39:05Петрова\r\n Общий итог: всего ответов  3 "
                           " правильных ответов 2 , правильные ответы:  К1, неправильные "
                           "ответы: К1/1 \r\n"));
        QVERIFY(app.shown("Frame1") && app.shown("Frame2"));
        QCOMPARE(app.line("Хотите"), QStringLiteral("Хотите напечатать результаты?"));
        QVERIFY(app.shown("Да") && app.shown("Нет"));
        QVERIFY(!app.shown("ОК") && !app.shown("Отмена"));
        for (const QString gone : {"Выход", "Меню", "Image3", "Shape1", "Shape2"})
            QVERIFY2(!app.shown(gone), qPrintable(gone));

        app.click("Результат", "Да");
        QCOMPARE(app.line("Хотите"),
                 QStringLiteral("Вставьте в принтер лист А5 и подтвердите печать"));
        QVERIFY(!app.shown("Да") && app.shown("ОК") && app.shown("Отмена"));
        app.click("Результат", "ОК");
        app.click("Результат", "ОК");
        QCOMPARE(app.fakes.printer->printed.size(), 2);
        QCOMPARE(app.fakes.printer->printed.first(),
                 ResultsPage::printedLines(app.fakes.clock->time, app.stage->pupil()));
        QCOMPARE(app.fakes.sounds->played.last(), QStringLiteral("спасибо"));

        QSignalSpy ended(app.stage, &Stage::programEnded);
        QVERIFY(app.fakes.lock->engaged);
        QCOMPARE(app.fakes.keyboardLayout->restores, 0);
        app.click("Результат", "Отмена");
        QCOMPARE(ended.count(), 1);
        QVERIFY(!app.fakes.lock->engaged);
        QCOMPARE(app.fakes.lock->releases, 1);
        QCOMPARE(app.fakes.keyboardLayout->restores, 1); // the session's layout given back
    }

    void noEndsTheProgramThreeTicksLater()
    {
        Results app;
        app.open();
        app.click("Результат", "Выход");
        QSignalSpy ended(app.stage, &Stage::programEnded);
        app.click("Результат", "Нет");
        QCOMPARE(app.fakes.sounds->played.last(), QStringLiteral("спасибо"));
        QTest::qWait(1500);
        QCOMPARE(ended.count(), 0);
        QCOMPARE(app.fakes.keyboardLayout->restores, 0);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 4000);
        QVERIFY(!app.fakes.lock->engaged);
        QCOMPARE(app.fakes.keyboardLayout->restores, 1);
    }

    void withoutAPrinterThePageIsSavedAndThePupilTold()
    {
        Results app;
        app.fakes.printer->result = {PrintResult::Outcome::SavedAsPdf, "/tmp/стр.pdf"};
        app.open();
        app.click("Результат", "Выход");
        app.click("Результат", "Да");
        app.click("Результат", "ОК");
        QCOMPARE(app.line("Хотите"),
                 QStringLiteral("Принтер не найден. Страница сохранена в файл: /tmp/стр.pdf"));
    }

    void unwrittenLogRecordsAreReported()
    {
        Results app;
        app.fakes.settings->location = app.folder.filePath("missing/log.txt");
        app.click("Титул", "К_1");
        app.click("К1", "Сдаюсь"); // its token cannot be written
        app.open();
        QVERIFY(app.shown("ЖурналПредупреждение"));
        QVERIFY(app.line("ЖурналПредупреждение").contains(app.fakes.settings->location));
        // Once the folder is back, the next record writes the kept ones first.
        QDir(app.folder.path()).mkpath("missing");
        app.click("Результат", "Выход");
        QCOMPARE(fileText1251(app.fakes.settings->location).left(15),
                 QStringLiteral(" К1 - пропуск, "));
        QVERIFY(!app.shown("ЖурналПредупреждение"));
    }

    // Records still waiting when the run ends are tried once more on every
    // way out: after the three ticks of `Нет`, and at `Отмена` after `Да`.
    // They go to the configured file once its folder is back, else to the
    // default file.
    void everyWayOutDeliversWaitingRecords_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("folderBack");
        QTest::newRow("Нет, folder back") << "Нет" << true;
        QTest::newRow("Нет, only the default file") << "Нет" << false;
        QTest::newRow("Отмена, folder back") << "Отмена" << true;
        QTest::newRow("Отмена, only the default file") << "Отмена" << false;
    }

    void everyWayOutDeliversWaitingRecords()
    {
        QFETCH(QString, way);
        QFETCH(bool, folderBack);
        const QString defaultFile = qEnvironmentVariable("ZORBIKS_DEFAULT_LOG");
        QFile::remove(defaultFile);
        Results app;
        app.fakes.settings->location = app.folder.filePath("missing/log.txt");
        app.click("Титул", "К_1");
        app.click("К1", "Сдаюсь");
        app.open();
        app.click("Результат", "Выход"); // the total waits with the К1 token
        QTRY_VERIFY(app.shown("ЖурналПредупреждение"));
        if (folderBack)
            QDir(app.folder.path()).mkpath("missing");

        QSignalSpy ended(app.stage, &Stage::programEnded);
        if (way == QStringLiteral("Нет")) {
            app.click("Результат", "Нет");
        } else {
            app.click("Результат", "Да");
            app.click("Результат", "Отмена");
        }
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 8000);
        const QString written =
            fileText1251(folderBack ? app.fakes.settings->location : defaultFile);
        QVERIFY2(written.startsWith(QStringLiteral(" К1 - пропуск, \r\n Общий итог: всего "
                                                   "ответов ")),
                 qPrintable(written));
        QVERIFY(written.endsWith(QStringLiteral("неправильные ответы: К1/0 \r\n")));
    }
};

ZORBIKS_TEST(ResultsTest)
#include "ResultsTest.moc"
