#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "drawing/GapLabel.h"
#include "shell/HelpScreen.h"
#include "shell/Stage.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

struct Help : AppRig {
    Help()
    {
        registerPupil();
        click("Титул", "справка");
    }
};

} // namespace

class HelpAndGuardTest : public QObject {
    Q_OBJECT
private slots:
    void helpText()
    {
        Help app;
        const QString text = app.child<QLabel>("Справ", "Label2")->text();
        const QStringList lines = text.split("\r\n");
        QCOMPARE(lines.size(), 9);
        QVERIFY(lines[0].startsWith("\t       \"Зорбикс\" предназначен для обучения и контроля"));
        QVERIFY(lines[0].endsWith("для чего нужно нажимать кнопку \"Повтор\"."));
        QVERIFY(lines[1].contains("правильных ответов,  номера вопросов"));
        QVERIFY(lines[2].endsWith("минуя контроль." + QString(28, ' ') +
                                  "В заданиях используются следующие соглашения:"));
        QCOMPARE(lines[3].trimmed(),
                 QStringLiteral("Обозначения для логических связок (операций):"));
        QCOMPARE(lines[4], QStringLiteral("а) отрицание (инверсия, логическое НЕ) обозначается    "
                                          "(например,   А);"));
        QCOMPARE(lines[5],
                 QStringLiteral(" б) конъюнкция (логическое умножение, логическое И) "
                                "обозначается /\\ (например, А /\\ В) либо     (например, "
                                "А    В); "));
        QCOMPARE(lines[7], QStringLiteral("г) символ 1 используется для обозначения истины "
                                          "(истинного высказывания); символ 0 - для обозначения "
                                          "лжи (ложного высказывания). "));
        QCOMPARE(app.child<QLabel>("Справ", "Label1")->text(),
                 QStringLiteral("О программе Зорбикс"));
    }

    void signsStandInTheirGaps()
    {
        Help app;
        auto *text = app.child<GapLabel>("Справ", "Label2");
        const QString all = text->text();
        const qsizetype itemA = all.indexOf("а) отрицание");
        const qsizetype itemB = all.indexOf(" б) конъюнкция");
        const auto x = [&](qsizetype index) { return text->characterRect(index).left(); };
        QWidget *not1 = app.child("Справ", "Знак1");
        QWidget *not2 = app.child("Справ", "Знак2");
        QWidget *and2 = app.child("Справ", "Знак4");
        QCOMPARE(static_cast<QLabel *>(not1)->text(), QStringLiteral("¬"));
        QCOMPARE(static_cast<QLabel *>(and2)->text(), QStringLiteral("&"));
        // ¬ between "обозначается" and "(например,", and before "А".
        const qsizetype denoted = all.indexOf("обозначается", itemA);
        QVERIFY(not1->x() > x(denoted + 12) - 1 && not1->x() < x(all.indexOf("(например,", itemA)));
        QVERIFY(not2->x() < x(all.indexOf("А);", itemA)));
        // & between the second "А" and "В" of item б).
        const qsizetype second = all.indexOf("А    В", itemB);
        QVERIFY(and2->x() > x(second) && and2->x() < x(second + 5));
        QCOMPARE(and2->y(),
                 static_cast<int>(text->characterRect(second).top()) +
                     (static_cast<int>(text->characterRect(second).height()) - and2->height()) / 2);
    }

    void everyActivationSoundsAndBothWaysOut()
    {
        Help app;
        QCOMPARE(app.fakes.sounds->played.last(), QStringLiteral("click2"));
        QVERIFY(!app.child("Титул", "Image3")->isVisible());
        QVERIFY(!app.screen("Титул")->isEnabled());
        app.click("Справ", "Меню");
        QVERIFY(app.screen("Титул")->isEnabled());
        const qsizetype sounds = app.fakes.sounds->played.size();
        app.click("Титул", "справка");
        QCOMPARE(app.fakes.sounds->played.size(), sounds + 1);
        QCOMPARE(app.fakes.sounds->played.last(), QStringLiteral("click2"));

        app.click("Справ", "Выход");
        QVERIFY(app.screen("Результат")->isVisible());
        QVERIFY(!app.screen("Справ")->isVisible());
        QVERIFY(!app.screen("Титул")->isEnabled());
        QVERIFY(!app.child("Титул", "справка2")->isVisible());
        app.click("Результат", "Меню");
        app.click("Титул", "справка");
        app.click("Справ", "Image2");
        QVERIFY(app.screen("Результат")->isVisible());
    }

    void guardOnEveryGuardedScreen_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("box");
        QTest::newRow("registration surname") << "Титул1"
                                              << "Text1";
        QTest::newRow("registration key sink") << "Титул1"
                                               << "Text2";
        QTest::newRow("registration code") << "Титул1"
                                           << "Text3";
        QTest::newRow("menu") << "Титул"
                              << "Text1";
        QTest::newRow("exercise answer") << "К1"
                                         << "Ответ";
        QTest::newRow("results") << "Результат"
                                 << "Text1";
    }

    void guardOnEveryGuardedScreen()
    {
        QFETCH(QString, screen);
        QFETCH(QString, box);
        AppRig app;
        if (screen != "Титул1")
            app.registerPupil();
        if (screen == "К1")
            app.click("Титул", "К_1");
        if (screen == "Результат")
            app.click("Титул", "Рез");
        QWidget *target = app.child(screen, box);
        releaseKey(target, Qt::Key_A, 38);
        releaseKey(target, Qt::Key_Alt, 64);
        QVERIFY(app.fakes.pointer->moves.isEmpty());
        releaseKey(target, Qt::Key_Meta, 134);
        QCOMPARE(app.fakes.pointer->moves, QList<QPoint>{app.stage->mapToGlobal(QPoint(600, 10))});
        QVERIFY(app.fakes.pointer->clicks > 0);
        QCOMPARE(app.fakes.sounds->played.last(), QStringLiteral("error"));
        if (screen == "Титул")
            QCOMPARE(app.stage->focusWidget(), target);
    }

    void noGuardOnTheHelpScreen()
    {
        Help app;
        releaseKey(app.child("Справ", "Text1"), Qt::Key_Meta, 133);
        QVERIFY(app.fakes.pointer->moves.isEmpty());
    }

    void lockHeldFromRegistrationToTheEnd()
    {
        AppRig app;
        QCOMPARE(app.fakes.lock->engages, 1);
        QVERIFY(app.fakes.lock->engaged);
        app.registerPupil();
        app.click("Титул", "Рез");
        app.click("Результат", "Выход");
        app.click("Результат", "Да");
        QVERIFY(app.fakes.lock->engaged);
        app.click("Результат", "Отмена");
        QVERIFY(!app.fakes.lock->engaged);
        QCOMPARE(app.fakes.lock->releases, 1);
        QVERIFY(app.stage->isEnding());
        QVERIFY(app.stage->close()); // the program's own end may close the stage
    }
};

ZORBIKS_TEST(HelpAndGuardTest)
#include "HelpAndGuardTest.moc"
