#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "screen/Colours.h"
#include "shell/RegistrationScreen.h"
#include "shell/Stage.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

class RegistrationTest : public QObject {
    Q_OBJECT
private slots:
    void loadStep()
    {
        AppRig app;
        QVERIFY(app.screen("Титул1")->isVisible());
        QCOMPARE(app.fakes.lock->engages, 1);
        QCOMPARE(app.fakes.sounds->played, QStringList{"sloos1"});
        QCOMPARE(app.child<QLabel>("Титул1", "Дата")->text(),
                 QStringLiteral(" Сегодня  8 декабря 2024 года "));
        QCOMPARE(app.stage->focusWidget(), app.child("Титул1", "Text1"));
        QVERIFY(!app.screen("Титул")); // the menu does not exist before a surname
    }

    void dateLineIsBuiltFromTheDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("line");
        QTest::newRow("8 December 2024") << QDate(2024, 12, 8) << " Сегодня  8 декабря 2024 года ";
        QTest::newRow("1 January") << QDate(2027, 1, 1) << " Сегодня  1 января 2027 года ";
        QTest::newRow("31 May") << QDate(2026, 5, 31) << " Сегодня  31 мая 2026 года ";
    }

    void dateLineIsBuiltFromTheDate()
    {
        QFETCH(QDate, date);
        QFETCH(QString, line);
        QCOMPARE(RegistrationScreen::dateLine(date), line);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("empty") << ""
                               << "  Нужно ввести фамилию!  "
                               << "Text1";
        QTest::newRow("two letters") << "Ли"
                                     << "  Нужно ввести фамилию!  "
                                     << "Text1";
        QTest::newRow("Ы") << "Ыдин"
                           << "  Фамилия не может начинаться с этой буквы!  "
                           << "Text2";
        QTest::newRow("Ъ") << "Ъъъ"
                           << "  Фамилия не может начинаться с этой буквы!  "
                           << "Text2";
        QTest::newRow("Й") << "Йорк"
                           << "  Фамилия не может начинаться с этой буквы!  "
                           << "Text2";
        QTest::newRow("small й") << "йорк"
                                 << "  Фамилия пишется с заглавной буквы!  "
                                 << "Text1";
    }

    void refusals()
    {
        QFETCH(QString, surname);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        AppRig app;
        app.registerPupil(surname);
        auto *prompt = app.child<QLabel>("Титул1", "Label2");
        QCOMPARE(prompt->text(), message);
        QCOMPARE(Colours::backgroundOf(prompt), QColor(255, 0, 0));
        QCOMPARE(app.fakes.sounds->played.last(), QStringLiteral("error"));
        QCOMPARE(app.stage->focusWidget(), app.child("Титул1", focus));
        QVERIFY(!app.screen("Титул"));
        QCOMPARE(app.log(), QString());
    }

    void acceptedSurnameWritesTheHeaderAndShowsTheMenu()
    {
        AppRig app;
        app.registerPupil("Ёлкин-Палкин");
        QCOMPARE(app.log(), QStringLiteral("\r\n\r\n08.12.2024 10:39:05Ёлкин-Палкин"));
        QVERIFY(app.screen("Титул")->isVisible());
        QCOMPARE(app.child<QLabel>("Титул1", "Label2")->text(),
                 QStringLiteral(" Введите свою фамилию! "));
        QCOMPARE(app.stage->focusWidget() == app.child("Титул1", "Text2") ||
                     app.screen("Титул")->isAncestorOf(app.stage->focusWidget()),
                 true);
    }

    void latinKeysGiveCyrillicLetters()
    {
        AppRig app;
        auto *box = app.child<QLineEdit>("Титул1", "Text1");
        typeText(box, "Gtnhjd");
        QCOMPARE(box->text(), QStringLiteral("Петров"));
        QCOMPARE(app.stage->pupil().PupilName, QStringLiteral("Петров"));
        QVERIFY(!app.fakes.keyboardLayout->switches.isEmpty());
        QCOMPARE(app.fakes.keyboardLayout->switches.first(), KeyboardLayoutKind::Russian);
    }

    void surnameKeyFilter()
    {
        AppRig app;
        auto *box = app.child<QLineEdit>("Титул1", "Text1");
        typeText(box, "Ив4ан?ов/ ");
        QCOMPARE(box->text(), QStringLiteral("Иванов "));
        // "." typed on the key 191 (the Russian layout's point) is dropped;
        // "," on it stays.
        pressKey(box, Qt::Key_Period, ".", Qt::NoModifier, 61);
        pressKey(box, Qt::Key_Comma, ",", Qt::NoModifier, 61);
        QCOMPARE(box->text(), QStringLiteral("Иванов ,"));
    }

    void accessCode()
    {
        AppRig app;
        QVERIFY(!app.child("Титул1", "Frame1")->isVisible());
        app.click("Титул1", "Label5");
        QVERIFY(app.child("Титул1", "Frame1")->isVisible());
        QVERIFY(!app.child("Титул1", "Label5")->isVisible());
        auto *code = app.child<QLineEdit>("Титул1", "Text3");
        QCOMPARE(app.stage->focusWidget(), code);
        typeText(code, "123456");
        app.click("Титул1", "Command1");
        QVERIFY(app.child("Титул1", "Label3")->isVisible());
        QCOMPARE(code->text(), QStringLiteral("123456"));
        QVERIFY(!app.screen("secret"));

        app.click("Титул1", "Command2");
        QVERIFY(!app.child("Титул1", "Frame1")->isVisible());
        QVERIFY(app.child("Титул1", "Label5")->isVisible());

        app.click("Титул1", "Label5");
        code->clear();
        typeText(code, "482915");
        app.click("Титул1", "Command1");
        QVERIFY(app.screen("secret")->isVisible());
        QCOMPARE(app.log(), QString());
    }

    void hoverColours()
    {
        AppRig app;
        hover(app.child("Титул1", "Далее"));
        QCOMPARE(Colours::backgroundOf(app.child("Титул1", "Далее")), QColor(221, 221, 255));
        hover(app.child("Титул1", "Label5"));
        QCOMPARE(Colours::backgroundOf(app.child("Титул1", "Label5")), QColor(204, 255, 220));
        hover(app.screen("Титул1"), QPoint(3, 3));
        QCOMPARE(Colours::backgroundOf(app.child("Титул1", "Далее")), QColor(255, 192, 192));
        QCOMPARE(Colours::backgroundOf(app.child("Титул1", "Label5")), QColor(192, 255, 192));
    }
};

ZORBIKS_TEST(RegistrationTest)
#include "RegistrationTest.moc"
