#include "support/TestMain.h"

#include "platform/ScreenMetrics.h"
#include "screen/DisplayScale.h"
#include "screen/ScreenLayout.h"
#include "tasks/Catalogue.h"

#include <QTest>

using namespace zorbiks;
using namespace zorbiks::ScreenLayout;

namespace {

const ScreenMetrics at96;

QSizeF screenOf(int width, int height)
{
    return at96.twips(QSize(width, height));
}

// The layout row of a question, as the catalogue states it.
ExerciseRow rowOf(const QString &code)
{
    const Question *question = Catalogue::find(code);
    if (!question)
        qFatal("no question %s", qPrintable(code));
    return question->row;
}

ExerciseInput typedInput(const QString &code)
{
    ExerciseInput in;
    in.row = rowOf(code);
    in.screen = screenOf(1024, 768);
    in.menuTabStripBottom = 885;
    in.titleBarHeight = 360;
    in.exitIcon = {360, 360};
    in.logo = {330, 330};
    in.heading = {3000, 300};
    in.task = {10400, 1000};
    in.answer = {2400, 375};
    in.ok = {800, 375};
    in.giveUp = {900, 375};
    in.feedback = {10600, 300};
    in.explanations = {{10400, 600}};
    in.menu = {600, 300};
    in.questions = {3000, 300};
    in.repeat = {800, 300};
    return in;
}

} // namespace

class ScreenLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void twips()
    {
        QCOMPARE(at96.twipsPerPixel(), 15.0);
        QCOMPARE(at96.px(11000.0), 733);
        QCOMPARE(ScreenMetrics(144).px(1440.0), 144);
    }

    void workWindowIsCentredUnderTheTabStrip_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("leftPixels");
        QTest::newRow("800 x 600") << 800 << 600 << 33.3;
        QTest::newRow("1024 x 768") << 1024 << 768 << 145.3;
        QTest::newRow("640 x 480, wider than the screen") << 640 << 480 << -46.7;
    }

    void workWindowIsCentredUnderTheTabStrip()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, leftPixels);
        const QRectF window = workWindow(screenOf(width, height), 885);
        QVERIFY(qAbs(window.left() / 15 - leftPixels) < 0.1);
        QCOMPARE(window.top(), 885.0);
        QCOMPARE(window.size(), QSizeF(11000, 7800));
    }

    void headingFontFollowsTheScreenHeight_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("points");
        QTest::newRow("600") << 600 << 8.1;
        QTest::newRow("768") << 768 << 10.4;
        QTest::newRow("1024") << 1024 << 13.8;
    }

    void headingFontFollowsTheScreenHeight()
    {
        QFETCH(int, height);
        QFETCH(double, points);
        QVERIFY(qAbs(headingPointSize(height * 15.0) - points) < 0.05);
    }

    void typedScreenFrame()
    {
        const ExerciseInput in = typedInput("К1");
        const ExerciseGeometry g = exerciseScreen(in);
        const double w = 11000;
        QCOMPARE(g.titleBar, QRectF(0, 0, w, 1.1 * 360));
        QCOMPARE(g.task.topLeft(), QPointF(300, 1.1 * 360)); // centred, 1.1 × old title bar
        const double answerTop = g.task.top() + 1.03 * 1000;
        QCOMPARE(g.answer, QRectF((w - 2400) / 2, answerTop, 2400, 375));
        QCOMPARE(g.ok.topLeft(), QPointF((w - 800) * 0.75, answerTop));
        QCOMPARE(g.giveUp.topLeft(), QPointF((w - 900) * 0.85, answerTop));
        QCOMPARE(g.feedback.top(), g.ok.bottom() + 50);
        QCOMPARE(g.explanations.first().top(), g.feedback.bottom() + 50);
        QCOMPARE(g.exitIcon.left(), w - 360 - 80);
        QCOMPARE(g.menu.label, QRectF((w - 600) * 0.2, 7800 * 0.92, 600, 300));
        QCOMPARE(g.questions.label.left(), (w - 3000) * 0.5);
        QCOMPARE(g.repeat.label.left(), (w - 800) * 0.8);
        QCOMPARE(g.questions.frame, g.questions.label.adjusted(-20, -20, 20, 20));
        QCOMPARE(g.borders[0], QLineF(10, 0, 10, 7770));
        QCOMPARE(g.borders[1], QLineF(0, 7770, 10970, 7770));
        QCOMPARE(g.borders[2], QLineF(10970, 7770, 10970, 0));
    }

    void perScreenVariants_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("answerTop");  // relative to T, with t = 1000, h = 7800
        QTest::addColumn<double>("answerLeft"); // for a 3000 wide answer frame
        QTest::addColumn<double>("bottomRow");
        QTest::newRow("К4 lower answer row") << "К4" << 1030.0 + 0.15 * 7800 << 4000.0 << 0.92;
        QTest::newRow("Л2") << "Л2" << 1200.0 << 8000 * 0.7 << 0.92;
        QTest::newRow("Л3") << "Л3" << 1200.0 << 8000 * 0.83 << 0.92;
        QTest::newRow("Л4") << "Л4" << 1100.0 << 4000.0 << 0.92;
        QTest::newRow("П1") << "П1" << 1000.0 << 4000.0 << 0.92;
        QTest::newRow("И5") << "И5" << 1100.0 << 4000.0 << 0.94;
    }

    void perScreenVariants()
    {
        QFETCH(QString, code);
        QFETCH(double, answerTop);
        QFETCH(double, answerLeft);
        QFETCH(double, bottomRow);
        ExerciseInput in = typedInput(code);
        in.typed = false;
        in.answers = {3000, 800};
        const ExerciseGeometry g = exerciseScreen(in);
        QCOMPARE(g.answers.top() - g.task.top(), answerTop);
        QCOMPARE(g.answers.left(), answerLeft);
        QCOMPARE(g.menu.label.top(), 7800 * bottomRow);
    }

    void explanationFrames()
    {
        ExerciseInput in = typedInput("К8");
        in.explanations = {{10400, 600}, {10400, 500}};
        ExerciseGeometry g = exerciseScreen(in);
        QCOMPARE(g.explanations[1].top(), g.explanations[0].bottom() + 50);

        in.row = rowOf("К3");
        g = exerciseScreen(in);
        QCOMPARE(g.explanations[1].top(), g.explanations[0].bottom());

        // И1: the first frame hangs under the label under the task, at 0.05 w;
        // the second 50 below the feedback line.
        in.row = rowOf("И1");
        in.typed = false;
        in.answers = {3000, 800};
        in.labelUnderTaskBottom = 2500;
        in.explanations = {{6000, 600}, {9000, 500}};
        g = exerciseScreen(in);
        QCOMPARE(g.explanations[0].topLeft(), QPointF(550, 2600));
        QCOMPARE(g.explanations[1].top(), g.feedback.bottom() + 50);
        QCOMPARE(g.feedback.top(), g.answers.bottom() + 100);

        // Л2: the feedback line is 100 below the last answer label.
        in.row = rowOf("Л2");
        in.lastAnswerLabelBottom = 500;
        g = exerciseScreen(in);
        QCOMPARE(g.feedback.top(), g.answers.top() + 600);
    }

    void resultsAndHelpWindows()
    {
        ResultsInput results;
        results.screen = screenOf(1024, 768);
        results.menuTabStripBottom = 885;
        results.titleBarHeight = 360;
        results.exitIcon = {360, 360};
        results.task = {9000, 480};
        results.verdictFrame = {7000, 700};
        results.figures = {7000, 2500};
        results.question = {7000, 450};
        results.buttons = {7000, 500};
        results.no = {700, 400};
        results.menu = {600, 300};
        results.exit = {700, 300};
        const ResultsGeometry r = resultsScreen(results);
        QCOMPARE(r.heading.top(), 80.0);
        QCOMPARE(r.exitIcon.topLeft(), QPointF(11000 - 360, 20));
        QCOMPARE(r.logo.top(), 60.0);
        QCOMPARE(r.verdictFrame.topLeft(), QPointF(4000 * 0.6, r.task.bottom() + 50));
        QCOMPARE(r.figures.top(), r.verdictFrame.bottom() + 50);
        QCOMPARE(r.buttons.top(), r.question.bottom() + 50);
        QCOMPARE(r.no.left(), 7000 - 700.0);
        QCOMPARE(r.exit.label.left(), (11000 - 700) * 0.7);

        HelpInput help;
        help.screen = screenOf(1024, 768);
        help.titleBarHeight = 360;
        help.exitIcon = {360, 360};
        help.text = {11500, 6900};
        help.menu = {600, 300};
        help.exit = {700, 300};
        const HelpGeometry h = helpScreen(help);
        QCOMPARE(h.window.width(), 11800.0);
        QCOMPARE(h.text.topLeft(), QPointF(150, 360));
        QCOMPARE(h.menu.label.top(), 7800 * 0.94);
        QCOMPARE(h.exitIcon.right(), 11800.0);
        QCOMPARE(h.borders[2].x1(), 11770.0);
    }

    void mainMenu()
    {
        MenuInput in;
        in.screen = screenOf(1024, 768);
        in.logo = {330, 330};
        in.exitIcon = {360, 360};
        in.title = {1000, 300};
        in.tabHeightBefore = 330;
        for (size_t i = 0; i < in.tabCaptions.size(); ++i)
            in.tabCaptions[i] = QSizeF(1000 + 100 * i, 240);
        const MenuGeometry g = ScreenLayout::mainMenu(in);
        QCOMPARE(g.tabStrip, QRectF(0, 405, 15360, 1.6 * 330));
        QCOMPARE(g.workArea.top(), g.tabStrip.bottom());
        QCOMPARE(g.workArea.height(), 11520 - g.tabStrip.bottom());
        QCOMPARE(g.tabs[0].left(), 10.0);
        QCOMPARE(g.tabs[0].size(), QSizeF(1060, 300));
        QCOMPARE(g.tabs[1].left(), g.tabs[0].right() + 60);
        QCOMPARE(g.tabs[4].width(), 1400 + 80.0); // the Results tab
        QCOMPARE(g.tabs[0].top(), (1.6 * 330 - 300) / 2);
        QCOMPARE(g.tabCaptions[0].topLeft(), QPointF(30, 30));
        QCOMPARE(g.listLefts[1], g.tabs[1].left());
        QCOMPARE(g.listLefts[3], g.tabs[3].left());
        QCOMPARE(g.tabHeight, 300.0);
        QCOMPARE(g.exitIcon.right(), 15360 - 15.0);
        QCOMPARE(g.logo.left(), 153.6);
        QVERIFY(qAbs(g.titlePointSize - 10.368) < 1e-9);
    }

    void tabsFitTheScreensWidth_data()
    {
        QTest::addColumn<int>("width");       // pixels
        QTest::addColumn<double>("captions"); // twips, all six together
        QTest::addColumn<double>("step");     // between the tabs
        QTest::addColumn<double>("shrinkTo"); // the captions' font, times
        const double extras = 5 * 60 + 80;
        QTest::newRow("room to spare") << 1024 << 7500.0 << 60.0 << 1.0;
        QTest::newRow("the step shrinks first")
            << 800 << 12000 - 20 - extras - 5 * 30 << 30.0 << 1.0;
        QTest::newRow("then the captions")
            << 640 << 9600.0 << 15.0 << (9600 - 20 - extras - 5 * 15) / 9600;
    }

    void tabsFitTheScreensWidth()
    {
        QFETCH(int, width);
        QFETCH(double, captions);
        QFETCH(double, step);
        QFETCH(double, shrinkTo);
        MenuInput in;
        in.screen = screenOf(width, 600);
        in.tabHeightBefore = 300;
        for (QSizeF &caption : in.tabCaptions)
            caption = QSizeF(captions / tabCount, 240);
        const MenuGeometry g = ScreenLayout::mainMenu(in);
        QCOMPARE(g.tabStep, step);
        QVERIFY(qAbs(g.captionScale - shrinkTo) < 1e-9);
        for (int i = 1; i < tabCount; ++i)
            QCOMPARE(g.tabs[size_t(i)].left(), g.tabs[size_t(i - 1)].right() + step);
        if (shrinkTo == 1) // laid out again with smaller captions otherwise
            QVERIFY(g.tabs[tabCount - 1].right() <= width * 15.0 - 10 + 1e-9);
    }

    void resultsTitleBarHoldsItsParts_data()
    {
        QTest::addColumn<double>("heading");
        QTest::addColumn<double>("bar");
        QTest::newRow("the logo sets it") << 240.0 << 2 * 60 + 330.0;
        QTest::newRow("a tall heading sets it") << 330.0 << 2 * 80 + 330.0;
    }

    void resultsTitleBarHoldsItsParts()
    {
        // The bar grows from its designed height until its heading, exit
        // icon and logo stand in it with the room under them that they have
        // above; the greeting's frame follows the bar.
        QFETCH(double, heading);
        QFETCH(double, bar);
        ResultsInput in;
        in.screen = screenOf(1920, 1080);
        in.titleBarHeight = titleBarHeight;
        in.heading = {3000, heading};
        in.exitIcon = {360, 360};
        in.logo = {330, 330};
        in.task = {9000, 480};
        const ResultsGeometry g = resultsScreen(in);
        QCOMPARE(g.titleBar.height(), bar);
        for (const QRectF &part : {g.heading, g.exitIcon, g.logo})
            QVERIFY(g.titleBar.contains(part));
        QCOMPARE(g.task.top(), 1.1 * bar);
    }

    void displayScaleKeepsTheDesignedProportions_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("window"); // a work window's width in pixels
        QTest::newRow("800 x 600") << QSize(800, 600) << 1.0 << 733;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << 1.0 << 733;
        QTest::newRow("1366 x 768") << QSize(1366, 768) << 1.0 << 733;
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << 1.25 << 917;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.40625 << 1031;
        QTest::newRow("2560 x 1080") << QSize(2560, 1080) << 1.40625 << 1031;
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 2.8125 << 2063;
    }

    void displayScaleKeepsTheDesignedProportions()
    {
        QFETCH(QSize, screen);
        QFETCH(double, scale);
        QFETCH(int, window);
        QCOMPARE(DisplayScale::forScreen(screen), scale);
        const ScreenMetrics metrics(96, scale);
        QCOMPARE(metrics.px(workWindowWidth), window);
        // The heading's H × 0.0009 rule on the scaled stage, in points of
        // the screen: 0.0135 points a pixel of height, whatever the scale.
        QVERIFY(qAbs(headingPointSize(metrics.twips(screen).height()) * scale -
                     0.0135 * screen.height()) < 1e-9);
    }

    void fullScreenScreens()
    {
        RegistrationInput in;
        in.screen = {15000, 10000};
        in.picture = {7000, 1600};
        in.registration = {4000, 2000};
        in.next = {1500, 400};
        in.replace = {3000, 400};
        const RegistrationGeometry g = registrationScreen(in);
        QCOMPARE(g.picture.topLeft(), QPointF(4000, 8400 * 0.25));
        QCOMPARE(g.registration.topLeft(), QPointF(11000 * 0.4, 8000 * 0.55));
        QCOMPARE(g.next.topLeft(), QPointF(13500 * 0.8, 9600 * 0.8));
        QCOMPARE(g.credit.topLeft(), QPointF(2250, g.next.top()));
        QCOMPARE(g.replace.topLeft(), QPointF(g.registration.right() + 300, 4500));
        QCOMPARE(g.codeFrame.topLeft(), QPointF(g.replace.left() - 15, g.replace.bottom() + 100));

        TeacherInput teacher;
        teacher.screen = {15360, 11520};
        teacher.heading = {4000, 400};
        teacher.frameWidth = 11000;
        TeacherGeometry t = teacherScreen(teacher);
        QCOMPARE(t.heading.top(), 11520 * 0.055);
        QCOMPARE(t.frame.top(), t.heading.bottom() + 115.2);
        QCOMPARE(t.frame.height(), 11520 * 0.8);
        QCOMPARE(t.textPointSize, 10.0);
        teacher.screen = {12000, 9000};
        QCOMPARE(teacherScreen(teacher).textPointSize, 8.0);
    }
};

ZORBIKS_TEST(ScreenLayoutTest)
#include "ScreenLayoutTest.moc"
