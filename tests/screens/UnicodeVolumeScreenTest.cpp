#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "screen/FilteredLineEdit.h"
#include "screen/WindowsKeyGuard.h"
#include "tasks/encoding/UnicodeVolume.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

struct K1 : QuestionRig<UnicodeVolume> {
    int characters() const { return text("Label4").toInt(); }
    QString rightAnswer() const { return QString::number(16 * characters()); }
};

} // namespace

class UnicodeVolumeScreenTest : public QObject {
    Q_OBJECT
private slots:
    void showStepDrawsATaskAndCountsIt()
    {
        K1 k1;
        QVERIFY(k1.characters() >= 20 && k1.characters() <= 86);
        QCOMPARE(k1.pupil.TasksShown, qint16(1));
        QCOMPARE(k1.fakes.sounds->played, QStringList{"click2"});
        QCOMPARE(k1.navigator.calls, QStringList{"hideSectionList код"});
        QCOMPARE(k1.fakes.random->seeds,
                 QList<quint32>{quint32(QTime(10, 39, 5).msecsSinceStartOfDay())});
        QCOMPARE(k1.screen->focusWidget(), k1.find("Ответ"));
        for (const QString hidden : {"КакойОтвет", "Пояснение", "Image1", "Повтор", "Вопросы",
                                     "Меню", "Shape1", "Shape2", "Shape3"})
            QVERIFY2(!k1.visible(hidden), qPrintable(hidden));
        QCOMPARE(k1.text("Заголовок"), QStringLiteral("Кодирование информации, К1"));
        QCOMPARE(k1.text("Вопросы"), QStringLiteral("Кодирование информации"));
        QCOMPARE(k1.find("Text1")->x(), -200); // −3000 twips
    }

    void rightAnswerAtTheFirstAttempt()
    {
        K1 k1;
        k1.answer(k1.rightAnswer());
        QCOMPARE(k1.text("КакойОтвет"), right);
        QVERIFY(k1.visible("КакойОтвет"));
        QCOMPARE(k1.fakes.sounds->played.last(), QStringLiteral("sloos1"));
        QCOMPARE(k1.logText(), QStringLiteral(" К1 - да, "));
        QCOMPARE(k1.pupil.CorrectTotal, qint16(1));
        QCOMPARE(k1.screen->correctCount(), qint16(1));
        for (const QString name : {"Ответ", "ОК", "Сдаюсь"})
            QVERIFY(!k1.enabled(name));
        for (const QString name : {"Image1", "Повтор", "Вопросы", "Меню", "Shape1"})
            QVERIFY(k1.visible(name));
        QCOMPARE(k1.screen->focusWidget(), k1.find("Text1"));

        k1.click("Вопросы");
        QCOMPARE(k1.pupil.CorrectList, QStringLiteral(" К1"));
        QCOMPARE(k1.pupil.WrongList, QString());
        QCOMPARE(k1.navigator.calls.last(), QStringLiteral("leaveToMenu код show"));
        QVERIFY(k1.screen->isHidden());
        QCOMPARE(k1.screen->correctCount(), qint16(0));
        QVERIFY(k1.enabled("Ответ") && k1.text("Ответ").isEmpty());
    }

    void wrongTwiceThenRight()
    {
        K1 k1;
        k1.answer("1");
        QCOMPARE(k1.text("КакойОтвет"), wrong);
        QVERIFY(k1.visible("Пояснение"));
        QCOMPARE(k1.text("Ответ"), QStringLiteral("1"));
        QCOMPARE(k1.screen->focusWidget(), k1.find("Ответ"));
        k1.answer("2");
        QVERIFY(k1.visible("Пояснение"));
        QCOMPARE(k1.screen->wrongCount(), qint16(2));
        k1.answer(k1.rightAnswer());
        QCOMPARE(k1.text("КакойОтвет"), right);
        QCOMPARE(k1.logText(), QStringLiteral(" К1 - нет,  К1 - нет, "));
        QCOMPARE(k1.pupil.CorrectTotal, qint16(0));
        QCOMPARE(k1.fakes.sounds->played, (QStringList{"click2", "нет", "нет", "sloos1"}));

        k1.click("Меню");
        QCOMPARE(k1.pupil.WrongList, QStringLiteral("К1/2 "));
        QCOMPARE(k1.pupil.CorrectList, QString());
        QCOMPARE(k1.navigator.calls.last(), QStringLiteral("leaveToMenu код hide"));
        QVERIFY(!k1.visible("Пояснение"));
    }

    void emptyAnswerCountsNothing()
    {
        K1 k1;
        k1.click("ОК");
        QCOMPARE(k1.text("КакойОтвет"), QStringLiteral("Нужно дать ответ!"));
        QCOMPARE(k1.fakes.sounds->played.last(), QStringLiteral("нет"));
        QVERIFY(!k1.visible("Пояснение"));
        QCOMPARE(k1.logText(), QString());
        QCOMPARE(k1.screen->wrongCount(), qint16(0));
    }

    void giveUp_data()
    {
        QTest::addColumn<int>("wrongAttempts");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("log");
        QTest::newRow("no attempt") << 0 << "К1/0 "
                                    << " К1 - пропуск, ";
        QTest::newRow("after two wrong") << 2 << "К1/2/0 "
                                         << " К1 - нет,  К1 - нет,  К1 - пропуск, ";
    }

    void giveUp()
    {
        QFETCH(int, wrongAttempts);
        QFETCH(QString, entry);
        QFETCH(QString, log);
        K1 k1;
        for (int i = 0; i < wrongAttempts; ++i)
            k1.answer("7");
        k1.click("Сдаюсь");
        QCOMPARE(k1.pupil.WrongList, entry);
        QCOMPARE(k1.logText(), log);
        QCOMPARE(k1.navigator.calls.last(), QStringLiteral("leaveToMenu код show"));
        QVERIFY(k1.screen->isHidden());
        QVERIFY(!k1.visible("КакойОтвет"));
        QVERIFY(k1.text("Ответ").isEmpty());
        QCOMPARE(k1.screen->wrongCount(), qint16(0));
    }

    void repeatTwiceInOneVisit()
    {
        K1 k1;
        QList<int> shown{k1.characters()};
        k1.answer(k1.rightAnswer());
        k1.click("Повтор");
        QCOMPARE(k1.navigator.calls.last(), QStringLiteral("hideSectionList код"));
        QVERIFY(k1.navigator.calls.contains("repeat К1"));
        shown << k1.characters();
        QVERIFY(k1.enabled("Ответ") && k1.text("Ответ").isEmpty());
        QVERIFY(!k1.visible("КакойОтвет") && !k1.visible("Image1") && !k1.visible("Повтор"));
        k1.answer("5");
        k1.answer(k1.rightAnswer());
        k1.click("Повтор");
        QCOMPARE(k1.pupil.WrongList, QStringLiteral(" К1/1 "));
        shown << k1.characters();
        k1.answer(k1.rightAnswer());
        k1.click("Вопросы");

        QCOMPARE(k1.pupil.TasksShown, qint16(3));
        QCOMPARE(k1.pupil.CorrectTotal, qint16(2));
        QCOMPARE(k1.pupil.CorrectList, QStringLiteral(" 2К1"));
        QCOMPARE(k1.pupil.WrongList, QStringLiteral(" К1/1 "));
        QCOMPARE(k1.logText(), QStringLiteral(" К1 - да,  К1 - нет,  К1 - да, "));
        QVERIFY(shown[1] != shown[0] && shown[2] != shown[1]);
    }

    void keysThatAreNotDigitsAreDropped()
    {
        K1 k1;
        auto *box = k1.find<QLineEdit>("Ответ");
        typeText(box, "1 37a-6.,Ж");
        QCOMPARE(box->text(), QStringLiteral("1376"));
        pressKey(box, Qt::Key_Backspace, "\b");
        QCOMPARE(box->text(), QStringLiteral("137"));
        pressKey(box, Qt::Key_Return, "\r");
        QCOMPARE(k1.logText(), QString()); // Enter does not answer
    }

    void pastedTextPassesTheSameFilter()
    {
        K1 k1;
        auto *box = k1.find<QLineEdit>("Ответ");
        QGuiApplication::clipboard()->setText(QStringLiteral("1a 3-7x6\n"));
        pressKey(box, Qt::Key_V, "\x16", Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("1376"));
        box->clear();
        static_cast<FilteredLineEdit *>(box)->pasteFiltered(QStringLiteral("бит: 2 0"));
        QCOMPARE(box->text(), QStringLiteral("20"));
    }

    void returningToTheScreenDrawsAgainButKeepsFeedback()
    {
        K1 k1;
        const int first = k1.characters();
        k1.answer("12");
        k1.open();
        QVERIFY(k1.characters() != first);
        QCOMPARE(k1.pupil.TasksShown, qint16(2));
        QVERIFY(k1.visible("КакойОтвет"));
        QVERIFY(k1.visible("Пояснение"));
        QCOMPARE(k1.text("Ответ"), QStringLiteral("12"));
    }

    void exitCrossFlushesBothListsOnce()
    {
        K1 k1;
        k1.answer("3");
        k1.answer(k1.rightAnswer());
        k1.click("Image1");
        QCOMPARE(k1.navigator.calls.last(), QStringLiteral("showResults hide"));
        QCOMPARE(k1.pupil.WrongList, QStringLiteral("К1/1 "));
        QCOMPARE(k1.pupil.CorrectList, QString());
        // Back from the results: the old feedback is still there, the
        // counts are not flushed a second time.
        k1.open();
        QVERIFY(k1.visible("КакойОтвет"));
        k1.click("Вопросы");
        QCOMPARE(k1.pupil.WrongList, QStringLiteral("К1/1 "));
    }

    void windowsKeyGuard()
    {
        K1 k1;
        auto *sink = k1.find<QLineEdit>("Text1");
        releaseKey(sink, Qt::Key_Control, 37);
        releaseKey(k1.find("Ответ"), Qt::Key_F4, 70);
        QVERIFY(k1.fakes.pointer->moves.isEmpty());

        releaseKey(sink, Qt::Key_Meta, 133);
        QCOMPARE(k1.fakes.pointer->moves, QList<QPoint>{k1.stage.mapToGlobal(QPoint(600, 10))});
        QCOMPARE(k1.fakes.sounds->played.last(), QStringLiteral("error"));
        QVERIFY(k1.fakes.pointer->clicks > 0);
        QVERIFY(!k1.screen->guard().isRunning());
        QCOMPARE(k1.screen->guard().ticks(), qint16(0));
        QVERIFY(!k1.screen->guard().timer().isActive());

        releaseKey(k1.find("Ответ"), Qt::Key_Menu, 135);
        QCOMPARE(k1.fakes.pointer->moves.size(), 2);
    }
};

ZORBIKS_TEST(UnicodeVolumeScreenTest)
#include "UnicodeVolumeScreenTest.moc"
