// Every answer that a typed exercise names as right can be typed into its
// answer box through the key filter and is judged right, for every data set
// the draw brings.

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
            if (screen->exercise().traits().kind != ExerciseKind::Typed ||
                screen->exercise().rightAnswer().isEmpty()) {
                app.click(code, QStringLiteral("Меню"));
                continue;
            }
            for (int round = 0; round < 8; ++round) {
                const QString answer = screen->exercise().rightAnswer();
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
        QCOMPARE(checked, 6); // К2, К11, Л5, П4, И3, И4
    }
};

ZORBIKS_TEST(RightAnswersTest)
#include "RightAnswersTest.moc"
