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
                                      << "Титул1" << QStringList{"Text1", "Text2", "Text1"};
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
        if (!way.isEmpty())
            app.click("Титул1", "Label5");
        if (way == "teacher") {
            typeText(app.child("Титул1", "Text3"), "482915");
            app.click("Титул1", "Command1");
        }
        QStringList walked;
        for (qsizetype step = 0; step < walk.size(); ++step) {
            QWidget *focus = app.stage->focusWidget();
            QVERIFY(app.screen(screen)->isAncestorOf(focus));
            walked << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(walked, walk);
    }
};

ZORBIKS_TEST(TabOrderTest)
#include "TabOrderTest.moc"
