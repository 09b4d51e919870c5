// Every typed exercise names a right answer, and that answer can be typed
// into its answer box through the key filter and is judged right, for every
// data set the draw brings.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "exercise/ExerciseScreen.h"

#include <QLineEdit>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

class RightAnswersTest : public QObject {
    Q_OBJECT
private slots:
    void namedRightAnswersCanBeTyped()
    {
        AppRig app;
        app.registerPupil();
        int checked = 0;
        for (const QString &code : Catalogue::codes()) {
            app.click(QStringLiteral("Титул"), code.left(1) + '_' + code.mid(1));
            auto *screen = qobject_cast<ExerciseScreen *>(app.screen(code));
            QVERIFY2(screen, qPrintable(code));
            if (screen->exercise().traits().kind != ExerciseKind::Typed) {
                app.click(code, QStringLiteral("Меню"));
                continue;
            }
            for (int round = 0; round < 8; ++round) {
                const QString answer = screen->exercise().rightAnswer();
                QVERIFY2(!answer.isEmpty(), qPrintable(code));
                auto *box = screen->findChild<QLineEdit *>(QStringLiteral("Ответ"));
                typeText(box, answer);
                QVERIFY2(box->text() == answer, qPrintable(code + ": " + box->text()));
                app.click(code, QStringLiteral("ОК"));
                QVERIFY2(app.log().endsWith(QStringLiteral(" %1 - да, ").arg(code)) ||
                             app.log().endsWith(QStringLiteral(" %1 - да,").arg(code)),
                         qPrintable(code + ": " + answer));
                app.click(code, QStringLiteral("Повтор"));
            }
            ++checked;
            app.click(code, QStringLiteral("Меню"));
        }
        QCOMPARE(checked, 18); // К1, К2, К4 … К11, Л4, Л5, П2 … П4, И2 … И4
    }
};

ZORBIKS_TEST(RightAnswersTest)
#include "RightAnswersTest.moc"
