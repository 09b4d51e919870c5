#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "shell/Stage.h"

#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

// The Tab key walks the boxes and buttons of a screen in the order the
// screen was built in; the off-screen key sink has its place in the walk.
class TabOrderTest : public QObject {
    Q_OBJECT
private slots:
    void tabWalksTheControlsInOrder_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("walk");
        QTest::newRow("registration") << ""
                                      << "Титул1" << QStringList{"Text1", "Text2"};
        QTest::newRow("access code")
            << "code"
            << "Титул1" << QStringList{"Text3", "Command1", "Command2", "Text2", "Text1"};
        QTest::newRow("teacher") << "teacher"
                                 << "secret"
                                 << QStringList{"Text2", "Command2", "Command3", "Text1"};
    }

    void tabWalksTheControlsInOrder()
    {
        QFETCH(QString, way);
        QFETCH(QString, screen);
        QFETCH(QStringList, walk);
        AppRig app;
        if (way == "code")
            app.click("Титул1", "Label5");
        if (way == "teacher")
            app.openTeacherScreen();
        QStringList walked;
        for (qsizetype step = 0; step < walk.size(); ++step) {
            QWidget *focus = app.stage->focusWidget();
            QVERIFY(app.screen(screen)->isAncestorOf(focus));
            walked << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(walked, walk);
        QCOMPARE(app.stage->focusWidget()->objectName(), walk.first()); // round again
    }

    // A screen in front keeps Tab to itself, both ways round: the screens
    // under it (registration under the menu, the menu under an exercise, an
    // exercise under the results) are never reached.
    void tabStaysOnTheScreenInFront_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("teacher over registration") << "secret";
        QTest::newRow("menu over registration") << "Титул";
        QTest::newRow("exercise over the menu") << "К1";
        QTest::newRow("results over the menu") << "Результат";
    }

    void tabStaysOnTheScreenInFront()
    {
        QFETCH(QString, screen);
        AppRig app;
        if (screen == "secret")
            app.openTeacherScreen();
        else
            app.registerPupil();
        if (screen == "К1")
            app.click("Титул", "К_1");
        if (screen == "Результат")
            app.click("Титул", "Рез");
        QWidget *front = app.screen(screen);
        for (const auto modifier : {Qt::NoModifier, Qt::ShiftModifier}) {
            for (int step = 0; step < 40; ++step) {
                QWidget *focus = app.stage->focusWidget();
                QVERIFY2(focus && front->isAncestorOf(focus),
                         qPrintable(focus ? focus->objectName() : QStringLiteral("nothing")));
                QTest::keyClick(focus, Qt::Key_Tab, modifier);
            }
        }
    }
};

ZORBIKS_TEST(TabOrderTest)
#include "TabOrderTest.moc"
