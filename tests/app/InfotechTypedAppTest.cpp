// И2, И3 and И4 in the whole program: opened from the section's question
// list, and И2's Ctrl way to the results screen.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "exercise/ExerciseScreen.h"
#include "shell/Stage.h"
#include "tasks/infotech/FormulaCell.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

class InfotechTypedAppTest : public QObject {
    Q_OBJECT
private slots:
    void questionsOpenFromTheInformationTechnologyList()
    {
        AppRig app;
        app.registerPupil();
        for (const QString code : {"И2", "И3", "И4"}) {
            app.click("Титул", "Label10"); // the section's tab
            app.click("Титул", QString(code).replace(1, 0, '_'));
            QVERIFY2(app.screen(code) && app.screen(code)->isVisible(), qPrintable(code));
            QCOMPARE(app.stage->focusWidget(), app.child(code, "Ответ"));
            app.click(code, "Сдаюсь");
            QVERIFY(app.screen(code)->isHidden());
        }
        QCOMPARE(app.log().right(45),
                 QStringLiteral(" И2 - пропуск,  И3 - пропуск,  И4 - пропуск, "));
    }

    void ctrlInTheFormulaAnswerShowsTheResults()
    {
        AppRig app;
        app.registerPupil();
        app.click("Титул", "Label10");
        app.click("Титул", "И_2");
        auto *box = app.child<QLineEdit>("И2", "Ответ");
        for (const QString typed : {"1", "2"}) {
            box->clear();
            typeText(box, typed);
            app.click("И2", "ОК");
        }
        pressKey(box, Qt::Key_Control, QString(), Qt::ControlModifier, 37);
        QVERIFY(app.screen("Результат")->isVisible());
        QCOMPARE(app.child<QLabel>("Результат", "НепрОтветы")->text(),
                 QStringLiteral("Неправильные ответы: И2/2"));

        // Back to the question: its right answer now counts.
        app.click("Результат", "Меню");
        app.click("Титул", "Label10");
        app.click("Титул", "И_2");
        auto *screen = static_cast<ExerciseScreen *>(app.screen("И2"));
        const auto &exercise = static_cast<const FormulaCell &>(screen->exercise());
        box->clear();
        typeText(box, QString::number(exercise.model().current().answer));
        app.click("И2", "ОК");
        QVERIFY(app.log().endsWith(QStringLiteral(" И2 - нет, И2 - нет, И2 - да,")));
        app.click("И2", "Вопросы");
        app.click("Титул", "Рез");
        QCOMPARE(app.child<QLabel>("Результат", "НепрОтветы")->text(),
                 QStringLiteral("Неправильные ответы: И2/2"));
        QCOMPARE(app.child<QLabel>("Результат", "КвоПравОтв")->text(),
                 QStringLiteral("Количество правильных ответов: 1"));
    }
};

ZORBIKS_TEST(InfotechTypedAppTest)
#include "InfotechTypedAppTest.moc"
