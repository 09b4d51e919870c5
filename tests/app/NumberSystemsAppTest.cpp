// К6, К7, К9 and К10 in the whole program: opened from the main menu, and
// `Повтор` going back through the menu's button.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "exercise/ExerciseScreen.h"
#include "tasks/encoding/NumberExercise.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

class NumberSystemsAppTest : public QObject {
    Q_OBJECT
private slots:
    void openedFromTheMenuAndRepeatedThroughIt_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("button");
        QTest::newRow("К6") << "К6"
                            << "К_6";
        QTest::newRow("К7") << "К7"
                            << "К_7";
        QTest::newRow("К9") << "К9"
                            << "К_9";
        QTest::newRow("К10") << "К10"
                             << "К_10";
    }
    void openedFromTheMenuAndRepeatedThroughIt()
    {
        QFETCH(QString, code);
        QFETCH(QString, button);
        AppRig app;
        app.registerPupil();
        QVERIFY(app.child("Титул", button)->isEnabled());
        app.click("Титул", button);
        auto *screen = qobject_cast<ExerciseScreen *>(app.screen(code));
        QVERIFY(screen && screen->isVisible());
        QCOMPARE(app.child<QLabel>(code, "Label20")->text(), "Кодирование информации, " + code);
        const auto &exercise = static_cast<const NumberExercise &>(screen->exercise());

        QList<int> shown{exercise.drill().current()};
        for (int i = 0; i < 5; ++i) {
            auto *box = app.child<QLineEdit>(code, "Ответ");
            typeText(box, exercise.drill().row().answer);
            app.click(code, "ОК");
            QCOMPARE(app.child<QLabel>(code, "КакойОтвет")->text(),
                     QStringLiteral("Ответ правильный! Продолжим?"));
            app.click(code, "Повтор");
            QVERIFY(screen->isVisible());
            shown << exercise.drill().current();
            QVERIFY(shown.last() != shown[shown.size() - 2]);
            QCOMPARE(app.child<QLabel>(code, "зад2")->text(), exercise.drill().row().shown);
        }
        app.click(code, "Вопросы");
        QVERIFY(!screen->isVisible());
        QVERIFY(app.log().contains(" " + code + " - да,  " + code + " - да, "));
    }
};

ZORBIKS_TEST(NumberSystemsAppTest)
#include "NumberSystemsAppTest.moc"
