// The proportional layout on the screen the program runs on: the whole stage
// keeps the proportions it has at 1024 × 768 (the display scale), the rules
// of the layout hold in the pixels of the screen, and the administrator's
// setting fixes the scale. It runs on the offscreen platform's 800 × 600
// screen with the other tests of the program, and CTest runs it on screens
// of 1366 × 768, 1920 × 1080 and 3840 × 2160 as well.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "screen/DisplayScale.h"
#include "shell/Stage.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

bool near(double actual, double expected, double tolerance = 1)
{
    return qAbs(actual - expected) <= tolerance;
}

// Twips of the designed stage in pixels of this screen.
double pixels(double twips)
{
    return twips / 15 * DisplayScale::factor();
}

// With ZORBIKS_SCREENSHOTS set, the stage as it stands, saved there.
void shoot(QWidget *stage, const QString &what)
{
    const QString shots = qEnvironmentVariable("ZORBIKS_SCREENSHOTS");
    if (shots.isEmpty())
        return;
    QDir().mkpath(shots);
    stage->grab().save(QStringLiteral("%1/%2x%3-%4.png")
                           .arg(shots)
                           .arg(stage->width())
                           .arg(stage->height())
                           .arg(what));
}

} // namespace

class StageGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void screensKeepTheStagesProportions()
    {
        AppRig app;
        const QSize stage = app.stage->size();
        QCOMPARE(stage, QGuiApplication::primaryScreen()->size()); // the whole screen
        const double W = stage.width();
        const double H = stage.height();
        const double scale = DisplayScale::forScreen(stage);
        QCOMPARE(DisplayScale::factor(), scale);
        QVERIFY(scale >= 1);
        if (W <= 1366 && H <= 768)
            QCOMPARE(scale, 1.0);

        // Registration: `Далее` at (W − w) × 0.8, (H − h) × 0.8.
        QWidget *next = app.child("Титул1", "Далее");
        QVERIFY(near(next->x(), (W - next->width()) * 0.8));
        QVERIFY(near(next->y(), (H - next->height()) * 0.8));

        // The menu: the title strip 405 twips high, its title H × 0.0009
        // points of the designed stage, six whole tabs side by side.
        app.registerPupil();
        shoot(app.stage, QStringLiteral("menu"));
        QVERIFY(near(app.child("Титул", "Picture2")->y(), pixels(405)));
        const double headingPoints = H * 15 / scale * 0.0009 * scale;
        QVERIFY(
            near(app.child<QLabel>("Титул", "Label1")->font().pointSizeF(), headingPoints, 0.01));
        int right = 0;
        for (const char *tab : {"кодир", "логика", "прогр", "инфор", "Рез", "справка"}) {
            const QRect rect = app.child("Титул", tab)->geometry();
            QVERIFY2(rect.left() >= right && rect.right() < W, tab);
            right = rect.right();
        }

        // A work window: 11000 × 7800 twips, centred under the tab strip,
        // its heading H × 0.0009 points, its texts at their designed size,
        // its bottom row at 0.92 of its height.
        app.click("Титул", "К_1");
        QWidget *k1 = app.screen("К1");
        shoot(app.stage, QStringLiteral("К1"));
        QVERIFY2(near(k1->width(), pixels(11000)) && near(k1->height(), pixels(7800)),
                 qPrintable(rectText(k1->geometry())));
        QVERIFY(near(k1->x(), (W - k1->width()) / 2.0));
        QCOMPARE(k1->y(), app.child("Титул", "Picture3")->y());
        QVERIFY(
            near(app.child<QLabel>("К1", "Заголовок")->font().pointSizeF(), headingPoints, 0.01));
        QVERIFY(
            near(app.child<QLabel>("К1", "КакойОтвет")->font().pointSizeF(), 9.75 * scale, 0.01));
        QVERIFY(near(app.child("К1", "Задание")->width(), pixels(10400)));
        QVERIFY(near(app.child("К1", "Меню")->y(), 0.92 * pixels(7800)));
        const QRect bar = app.child("К1", "Шапка")->geometry();
        QVERIFY(near(bar.height(), 1.1 * app.child("К1", "Image1")->height()));
        QVERIFY2(bar.contains(app.child("К1", "Заголовок")->geometry()), qPrintable(rectText(bar)));
    }

    void resultsTitleBarHoldsItsHeadingAndIcons()
    {
        AppRig app;
        app.registerPupil();
        app.click("Титул", "Рез");
        shoot(app.stage, QStringLiteral("results"));
        const QRect bar = app.child("Результат", "Шапка")->geometry();
        for (const char *name : {"Заголовок", "Image2", "Image3"}) {
            const QRect part = app.child("Результат", name)->geometry();
            QVERIFY2(
                bar.contains(part),
                qPrintable(QStringLiteral("%1 %2 in %3").arg(name, rectText(part), rectText(bar))));
        }
        // The greeting's frame starts under the bar.
        QVERIFY(app.child("Результат", "Задание")->y() > bar.bottom());
    }

    void administratorFixesTheScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("off") << 1.0;
        QTest::newRow("one and a half") << 1.5;
    }

    void administratorFixesTheScale()
    {
        // `[Display] scale` holds whatever the screen.
        QFETCH(double, scale);
        AppRig app({}, QString(), scale);
        QCOMPARE(DisplayScale::factor(), scale);
        app.registerPupil();
        app.click("Титул", "К_1");
        QWidget *k1 = app.screen("К1");
        QVERIFY(near(k1->width(), 11000 / 15.0 * scale));
        QVERIFY(
            near(app.child<QLabel>("К1", "КакойОтвет")->font().pointSizeF(), 9.75 * scale, 0.01));
    }
};

ZORBIKS_TEST(StageGeometryTest)
#include "StageGeometryTest.moc"
