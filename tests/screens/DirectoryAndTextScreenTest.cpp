// И5 … И8 driven through their widgets: the flows every choice screen has,
// and what each shows measured on the screen itself (the path the options
// lead to, the font of the sample, the alignment its lines really have, the
// distance between the laid-out lines).

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "drawing/SampleText.h"
#include "screen/Colours.h"
#include "shell/Stage.h"
#include "tasks/infotech/DirectoryPath.h"
#include "tasks/infotech/FontStyleName.h"
#include "tasks/infotech/LineSpacing.h"
#include "tasks/infotech/ParagraphAlignment.h"

#include <QImage>
#include <QSet>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

int optionCount(const QString &code)
{
    return code == "И6" ? 8 : 4;
}

struct Rig : ExerciseRig {
    // Opens the screen with the given data sets drawn at its first showings.
    explicit Rig(const QString &code, QList<int> dataSets = {})
        : ExerciseRig(questionOf(code))
        , count(optionCount(code))
    {
        for (int set : dataSets)
            fakes.random->scriptDraw(set, count);
        open();
    }
    static QString option(int number) { return QStringLiteral("о%1").arg(number); }
    int right() const { return screen->exercise().correctOption(); }
    QStringList lastCalls(int n) const { return navigator.calls.mid(navigator.calls.size() - n); }
    SampleText *sample(const QString &name) const { return find<SampleText>(name); }
    // The top of a sample's first laid-out line, in the screen's coordinates.
    double lineTop(const QString &name) const
    {
        SampleText *line = sample(name);
        return line->mapTo(screen, QPoint(0, 0)).y() + line->lineRects().first().top();
    }

    int count;
};

// The path of `start` after two levels up and one down into `name`.
QString upTwiceAndDown(const QString &start, const QString &name)
{
    QStringList parts = start.split('\\');
    parts.resize(parts.size() - 2);
    return (parts << name).join('\\');
}

// The alignment a caption names.
QString alignmentNamed(const QString &caption)
{
    const QString words = caption.simplified();
    if (words == "По левому краю")
        return "left";
    if (words == "По середине")
        return "centre";
    if (words == "По правому краю")
        return "right";
    if (words == "По ширине")
        return "justified";
    return "?";
}

// The alignment of a paragraph as it is drawn: where the ink of each of its
// laid-out lines begins and ends in the box. The first line starts with
// blanks and is left out of the left-edge tests.
QString alignmentDrawn(SampleText *sample)
{
    const QImage image = sample->grab().toImage();
    const QRect area = sample->contentsRect();
    const QList<QRectF> lines = sample->lineRects();
    QList<int> lefts, rights;
    for (const QRectF &line : lines) {
        int left = area.right(), right = area.left();
        for (int y = int(line.top()) + 1; y < int(line.bottom()) - 1; ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        lefts << left;
        rights << right;
    }
    const int n = int(lines.size());
    if (n < 3)
        return "too few lines";
    const auto near = [](double a, double b) { return std::abs(a - b) <= 3; };
    bool flushLeft = true, centred = true, flushRight = true;
    for (int i = 1; i < n; ++i) {
        flushLeft = flushLeft && near(lefts[i], area.left());
        centred = centred && near((lefts[i] + rights[i]) / 2.0, area.center().x());
    }
    for (int i = 0; i < n - 1; ++i)
        flushRight = flushRight && near(rights[i], area.right());
    const bool lastFlushRight = near(rights[n - 1], area.right());
    if (flushLeft && flushRight && !lastFlushRight)
        return "justified";
    if (flushLeft && !flushRight)
        return "left";
    if (flushRight && lastFlushRight && !flushLeft)
        return "right";
    if (centred && !flushLeft && !flushRight)
        return "centre";
    return "?";
}

// The first and the last column with ink (dark pixels) of a widget as drawn.
std::pair<int, int> inkColumns(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

FontStyle styleNamed(const QString &caption)
{
    return {caption.contains("Жирный"), caption.contains("курсив", Qt::CaseInsensitive),
            caption.contains("подчёркнутый"), caption.contains("зачёркнутый")};
}

void addScreens()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"И5", "И6", "И7", "И8"})
        QTest::newRow(code) << QString::fromUtf8(code);
}

} // namespace

class DirectoryAndTextScreenTest : public QObject {
    Q_OBJECT
private slots:
    // ---- flows every one of the four screens has ------------------------

    void rightAtTheFirstClick_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("dataSet");
        QTest::addColumn<QString>("token");
        QTest::newRow("И5 1") << "И5" << 1 << " И5 - да,";
        QTest::newRow("И5 2") << "И5" << 2 << " И5 - да,";
        QTest::newRow("И5 3") << "И5" << 3 << " И5 - да,";
        QTest::newRow("И5 4") << "И5" << 4 << " И5 - да,";
        QTest::newRow("И6 1") << "И6" << 1 << " И6 - да,";
        QTest::newRow("И6 2") << "И6" << 2 << " И6 - да,";
        QTest::newRow("И6 3") << "И6" << 3 << " И6 - да, ";
        QTest::newRow("И6 8") << "И6" << 8 << " И6 - да, ";
        QTest::newRow("И7 2") << "И7" << 2 << " И7 - да, ";
        QTest::newRow("И8 4") << "И8" << 4 << " И8 - да, ";
    }

    void rightAtTheFirstClick()
    {
        QFETCH(QString, code);
        QFETCH(int, dataSet);
        QFETCH(QString, token);
        Rig s(code, {dataSet});
        QCOMPARE(s.right(), dataSet);
        QVERIFY(!s.visible("Image1") && !s.visible("Повтор"));
        s.click(s.option(dataSet));
        QCOMPARE(s.logText(), token);
        QCOMPARE(s.pupil.CorrectTotal, qint16(1));
        QCOMPARE(s.text("КакойОтвет"), right);
        QCOMPARE(s.fakes.sounds->played.last(), QStringLiteral("sloos1"));
        QVERIFY(s.visible(s.option(dataSet)) && !s.enabled(s.option(dataSet)));
        for (int other = 1; other <= s.count; ++other) {
            if (other != dataSet)
                QVERIFY(!s.visible(s.option(other)));
        }
        for (const char *shown : {"Image1", "Повтор", "Вопросы", "Меню"})
            QVERIFY2(s.visible(shown), shown);
        QVERIFY(s.find("Shape1")->isVisible());
        s.click("Вопросы");
        QCOMPARE(s.pupil.CorrectList, " " + code);
        QCOMPARE(s.pupil.WrongList, QString());
        QCOMPARE(s.navigator.calls.last(), QStringLiteral("leaveToMenu инф show"));
        QVERIFY(!s.visible("Вопросы") && !s.visible("КакойОтвет"));
    }

    void wrongClicksThenRight_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("log");
        QTest::newRow("И5") << "И5"
                            << " И5 - нет, И5 - нет,";
        QTest::newRow("И6") << "И6"
                            << " И6 - нет, И6 - нет, "; // о1 ends without the blank
        QTest::newRow("И7") << "И7"
                            << " И7 - нет,  И7 - нет, ";
        QTest::newRow("И8") << "И8"
                            << " И8 - нет,  И8 - нет, ";
    }

    void wrongClicksThenRight()
    {
        // Data set 3; options 1 and 2 first.
        QFETCH(QString, code);
        QFETCH(QString, log);
        Rig s(code, {3});
        const bool two = code == "И5";
        s.click(s.option(1));
        QCOMPARE(s.fakes.sounds->played.last(), QStringLiteral("нет"));
        QCOMPARE(s.text("КакойОтвет"),
                 QStringLiteral("Ответ неверный! Посмотрите пояснение и попробуйте ещё раз"));
        QVERIFY(s.visible(two ? "Пояснение1" : "Пояснение"));
        if (two)
            QVERIFY(!s.visible("Пояснение2"));
        QVERIFY(s.visible(s.option(1)) && !s.enabled(s.option(1)));
        QVERIFY(!s.visible("Повтор") && !s.visible("Image1"));
        s.click(s.option(2));
        if (two)
            QVERIFY(s.visible("Пояснение1") && s.visible("Пояснение2"));
        s.click(s.option(3));
        QCOMPARE(s.logText(), log);
        QCOMPARE(s.pupil.CorrectTotal, qint16(0));
        QCOMPARE(s.screen->correctCount(), qint16(0));
        QVERIFY(s.visible(s.option(3)) && !s.enabled(s.option(3)));
        for (int gone : {1, 2, 4})
            QVERIFY(!s.visible(s.option(gone)));
        s.click("Меню");
        QCOMPARE(s.pupil.WrongList, code + "/2 ");
        QCOMPARE(s.pupil.CorrectList, QString());
        QCOMPARE(s.lastCalls(2), (QStringList{"menuPicture инфор show", "leaveToMenu инф hide"}));
        QVERIFY(!s.navigator.calls.contains("enableMenuPictures"));
    }

    void repeatAndTheExitCross_data() { addScreens(); }

    void repeatAndTheExitCross()
    {
        // A task answered after a wrong click, `Повтор`, one answered at once,
        // `Повтор` again, one more at once, then the exit cross.
        QFETCH(QString, code);
        Rig s(code, {1, 2, 3});
        s.click(s.option(4));
        s.click(s.option(1));
        s.click("Повтор");
        QCOMPARE(s.pupil.WrongList, code + "/1 ");
        QVERIFY(s.navigator.calls.contains("repeat " + code));
        QCOMPARE(s.right(), 2);
        for (int n = 1; n <= s.count; ++n)
            QVERIFY(s.visible(s.option(n)) && s.enabled(s.option(n)));
        for (const char *hidden : {"КакойОтвет", "Повтор", "Меню", "Image1"})
            QVERIFY2(!s.visible(hidden), hidden);
        s.click(s.option(2));
        s.click("Повтор");
        s.click(s.option(3));
        s.click("Image1");
        QCOMPARE(s.pupil.CorrectList, " 2" + code);
        QCOMPARE(s.pupil.WrongList, code + "/1 ");
        QCOMPARE(s.pupil.CorrectTotal, qint16(2));
        QCOMPARE(s.navigator.calls.last(), QStringLiteral("showResults hide"));
        // Coming back later does not flush the visit again.
        s.open();
        s.click(s.option(s.right()));
        s.click("Вопросы");
        QCOMPARE(s.pupil.CorrectList, " 2" + code + " " + code);
    }

    void everyDataSetOncePerCycle_data() { addScreens(); }

    void everyDataSetOncePerCycle()
    {
        QFETCH(QString, code);
        Rig s(code);
        // What the screen shows, read from its widgets.
        const auto shown = [&] {
            if (code == "И5")
                return s.text("зад2");
            if (code == "И6") {
                const FontStyle style = fontStyleOf(s.sample("зад2")->font());
                return QStringLiteral("%1%2%3%4")
                    .arg(style.bold)
                    .arg(style.italic)
                    .arg(style.underline)
                    .arg(style.strikeOut);
            }
            if (code == "И7") {
                SampleText *sample = s.sample(s.visible("зад2") ? "зад2" : "зад3");
                return alignmentDrawn(sample);
            }
            return QString::number(s.lineTop("зад3") - s.lineTop("зад2"));
        };
        QStringList seen{shown()};
        for (int i = 0; i < s.count; ++i) {
            s.open();
            seen << shown();
        }
        QCOMPARE(QSet<QString>(seen.begin(), seen.begin() + s.count).size(), s.count);
        QVERIFY(seen[s.count] != seen[s.count - 1]);
        QCOMPARE(s.pupil.TasksShown, qint16(s.count + 1));
    }

    void headingsAndTexts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("taskLabel");
        QTest::addColumn<QString>("taskText");
        QTest::newRow("И5") << "И5"
                            << "Label6"
                            << "Label1"
                            << "   И5. Пользователь работал с каталогом";
        QTest::newRow("И6") << "И6"
                            << "Заголовок"
                            << "зад1"
                            << "  И6. Определите начертание шрифта данного текста";
        QTest::newRow("И7") << "И7"
                            << "Заголовок"
                            << "зад1"
                            << "  И7. Определите тип выравнивания данного текста:";
        QTest::newRow("И8") << "И8"
                            << "Заголовок"
                            << "зад1"
                            << "  И8. Определите межстрочный интервал:";
    }

    void headingsAndTexts()
    {
        QFETCH(QString, code);
        QFETCH(QString, heading);
        QFETCH(QString, taskLabel);
        QFETCH(QString, taskText);
        Rig s(code);
        QCOMPARE(s.text(heading), "Информационные технологии, " + code);
        QVERIFY(s.text(taskLabel).startsWith(taskText));
        QCOMPARE(s.text("Вопросы"), QStringLiteral("Информационные технологии"));
        QCOMPARE(s.find("Вопросы")->toolTip(), QStringLiteral("Переход к другому вопросу раздела"));
        QCOMPARE(s.find("Повтор")->toolTip(),
                 QStringLiteral("Повторение вопроса с другими данными"));
        QCOMPARE(s.text("Задание"), QStringLiteral("Задание"));
        QCOMPARE(s.text("Ответы"),
                 code == "И5" ? QStringLiteral("Номера ответов") : QStringLiteral("Ответы"));
        // Nothing spills over the bottom row, not even the last explanation.
        const QString last = code == "И5" ? "Пояснение2" : "Пояснение";
        QVERIFY(s.find(last)->geometry().bottom() < s.find("Shape1")->y());
        QVERIFY(s.find("Ответы")->geometry().bottom() < s.find("КакойОтвет")->y());
    }

    void hoverPaintsTheOptions_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("restsOthers");
        QTest::addColumn<QString>("restFrame");
        QTest::newRow("И5") << "И5" << false << "Ответы";
        QTest::newRow("И6 over the answers") << "И6" << true << "Ответы";
        QTest::newRow("И6 over the task") << "И6" << true << "Задание";
        QTest::newRow("И7") << "И7" << true << "Ответы";
        QTest::newRow("И8") << "И8" << false << "Ответы";
    }

    void hoverPaintsTheOptions()
    {
        QFETCH(QString, code);
        QFETCH(bool, restsOthers);
        QFETCH(QString, restFrame);
        Rig s(code, {1});
        const auto colour = [&](const QString &name) {
            return Colours::backgroundOf(s.find(name));
        };
        hover(s.find("о2"));
        QCOMPARE(colour("о2"), Colours::optionBlue);
        if (code == "И5")
            QCOMPARE(colour("Отв2"), Colours::optionBlue);
        hover(s.find("о3"));
        QCOMPARE(colour("о3"), Colours::optionBlue);
        QCOMPARE(colour("о2"), restsOthers ? Colours::lightYellow : Colours::optionBlue);
        if (code == "И5")
            QCOMPARE(colour("Отв2"), Colours::optionBlue);
        hover(s.find(restFrame), QPoint(3, 3));
        for (int n = 1; n <= s.count; ++n) {
            QCOMPARE(colour(s.option(n)), Colours::lightYellow);
            if (code == "И5")
                QCOMPARE(colour(QStringLiteral("Отв%1").arg(n)), Colours::lightYellow);
        }
    }

    void openedFromTheMenuOfTheWholeProgram_data() { addScreens(); }

    void openedFromTheMenuOfTheWholeProgram()
    {
        QFETCH(QString, code);
        AppRig app;
        app.registerPupil();
        hover(app.child("Титул", "инфор"));
        app.click("Титул", "инфор2");
        app.click("Титул", "И_" + code.mid(1));
        auto *screen = static_cast<ExerciseScreen *>(app.screen(code));
        QVERIFY(screen && screen->isVisible());
        QVERIFY(!app.screen("Титул")->isEnabled());
        const auto clickRight = [&] {
            app.click(code, QStringLiteral("о%1").arg(screen->exercise().correctOption()));
        };
        clickRight();
        app.click(code, "Повтор");
        QCOMPARE(app.stage->pupil().TasksShown, qint16(2));
        clickRight();
        app.click(code, "Меню");
        QVERIFY(app.screen("Титул")->isEnabled());
        QVERIFY(app.child("Титул", "инфор")->isVisible());
        QVERIFY(!app.child("Титул", "инф")->isVisible());
        QCOMPARE(app.stage->pupil().CorrectList, " 2" + code);
        QCOMPARE(app.log().count(" " + code + " - да,"), 2);
    }

    // ---- И5 ---------------------------------------------------------------

    void directoryRightPathIsTwoUpAndOneDown_data()
    {
        QTest::addColumn<int>("dataSet");
        for (int k = 1; k <= 4; ++k)
            QTest::addRow("%d", k) << k;
    }

    void directoryRightPathIsTwoUpAndOneDown()
    {
        QFETCH(int, dataSet);
        Rig s("И5", {dataSet});
        // The drive letters differ (Latin and Cyrillic) but look alike.
        QString reached = upTwiceAndDown(s.text("зад2"), s.text("зад3"));
        QCOMPARE(reached.left(1), QStringLiteral("C"));
        reached[0] = QChar(u'С');
        QStringList paths;
        for (int n = 1; n <= 4; ++n)
            paths << s.text(QStringLiteral("от%1").arg(n));
        QCOMPARE(paths.count(reached), 1);
        QCOMPARE(paths.indexOf(reached) + 1, s.right());
        // Each path sits in the frame of its option's number, which shows it.
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(s.find(QStringLiteral("от%1").arg(n))->parentWidget()->objectName(),
                     QStringLiteral("Отв%1").arg(n));
            QCOMPARE(s.text(QStringLiteral("Отв%1номер").arg(n)), QString::number(n));
        }
    }

    void directoryWrongClicksRemoveTheirPaths()
    {
        Rig s("И5", {3});
        s.click("о1");
        QVERIFY(!s.visible("Отв1") && s.visible("о1") && !s.enabled("о1"));
        s.click("о2");
        QVERIFY(!s.visible("Отв2"));
        s.click("о3");
        QCOMPARE(s.logText(), QStringLiteral(" И5 - нет, И5 - нет,"));
        QVERIFY(s.visible("Пояснение1") && s.visible("Пояснение2"));
        QVERIFY(s.visible("Отв3") && s.visible("о3"));
        QCOMPARE(s.text("от3"), QStringLiteral("С:\\Физика\\Электродинамика\\Экзамен"));
        for (const char *gone : {"Отв1", "Отв2", "Отв4", "о1", "о2", "о4"})
            QVERIFY2(!s.visible(gone), gone);
        // The next showing brings every path back.
        s.click("Повтор");
        for (int n = 1; n <= 4; ++n)
            QVERIFY(s.visible(QStringLiteral("Отв%1").arg(n)));
        QCOMPARE(s.pupil.WrongList, QStringLiteral("И5/2 "));
    }

    // ---- И6 ---------------------------------------------------------------

    void styleOptionNamesTheSamplesFont_data()
    {
        QTest::addColumn<QList<int>>("dataSets");
        // Every style, and the styles that share flags right after each other.
        for (int k = 1; k <= 8; ++k)
            QTest::addRow("%d", k) << QList<int>{k};
        QTest::newRow("4 after 7") << QList<int>{7, 4};
        QTest::newRow("4 after 8") << QList<int>{8, 4};
        QTest::newRow("1 after 7") << QList<int>{7, 1};
        QTest::newRow("3 after 8") << QList<int>{8, 3};
    }

    void styleOptionNamesTheSamplesFont()
    {
        QFETCH(QList<int>, dataSets);
        Rig s("И6", dataSets);
        for (qsizetype i = 1; i < dataSets.size(); ++i)
            s.open();
        const FontStyle drawn = fontStyleOf(s.sample("зад2")->font());
        const QString caption = s.text(s.option(s.right()));
        QVERIFY2(styleNamed(caption) == drawn, qPrintable(caption));
        QCOMPARE(s.right(), dataSets.last());
    }

    void styleTokensDifferByOption_data()
    {
        QTest::addColumn<int>("dataSet");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("log");
        QTest::newRow("о1 wrong") << 3 << 1 << " И6 - нет,";
        QTest::newRow("о2 wrong") << 3 << 2 << " И6 - нет, ";
        QTest::newRow("о5 wrong") << 1 << 5 << " И6 - нет, ";
    }

    void styleTokensDifferByOption()
    {
        QFETCH(int, dataSet);
        QFETCH(int, wrong);
        QFETCH(QString, log);
        Rig s("И6", {dataSet});
        s.click(s.option(wrong));
        QCOMPARE(s.logText(), log);
        QVERIFY(s.visible("Пояснение"));
    }

    void styleSevenWrongClicksThenRight()
    {
        Rig s("И6", {6});
        for (int n : {1, 2, 3, 4, 5, 7, 8})
            s.click(s.option(n));
        for (int n : {1, 2, 3, 4, 5, 7, 8})
            QVERIFY(s.visible(s.option(n)) && !s.enabled(s.option(n)));
        QVERIFY(s.visible("Пояснение"));
        QCOMPARE(s.logText(), " И6 - нет," + QStringLiteral(" И6 - нет, ").repeated(6));
        s.click("о6");
        for (int n = 1; n <= 8; ++n)
            QCOMPARE(s.visible(s.option(n)), n == 6);
        QCOMPARE(s.logText().count("да"), 0);
        s.click("Вопросы");
        QCOMPARE(s.pupil.WrongList, QStringLiteral("И6/7 "));
    }

    void styleExamplesShowTheirStyles()
    {
        Rig s("И6");
        for (int n = 1; n <= 8; ++n) {
            SampleText *example = s.sample(QStringLiteral("пример%1").arg(n));
            QVERIFY2(styleNamed(example->text()) == fontStyleOf(example->font()),
                     qPrintable(example->text()));
        }
    }

    // ---- И7 ---------------------------------------------------------------

    void alignmentOptionNamesTheSamplesAlignment_data()
    {
        QTest::addColumn<QList<int>>("dataSets");
        QTest::addColumn<QString>("sample");
        for (int k = 1; k <= 3; ++k)
            QTest::addRow("%d", k) << QList<int>{k} << "зад2";
        QTest::newRow("4") << QList<int>{4} << "зад3";
        QTest::newRow("4 after 2") << QList<int>{2, 4} << "зад3";
        QTest::newRow("1 after 4") << QList<int>{4, 1} << "зад2";
        QTest::newRow("3 after 4") << QList<int>{4, 3} << "зад2";
    }

    void alignmentOptionNamesTheSamplesAlignment()
    {
        QFETCH(QList<int>, dataSets);
        QFETCH(QString, sample);
        Rig s("И7", dataSets);
        for (qsizetype i = 1; i < dataSets.size(); ++i)
            s.open();
        const QString other = sample == "зад2" ? "зад3" : "зад2";
        QVERIFY(s.visible(sample) && !s.visible(other));
        QCOMPARE(alignmentDrawn(s.sample(sample)), alignmentNamed(s.text(s.option(s.right()))));
        QCOMPARE(s.right(), dataSets.last());
    }

    void alignmentExamplesShareTheirWidth()
    {
        Rig s("И7");
        const int width = s.find("пример1")->width();
        for (int n = 2; n <= 4; ++n)
            QCOMPARE(s.find(QStringLiteral("пример%1").arg(n))->width(), width);
        // The blanks of the last one spread its words across the whole box.
        SampleText *spread = s.sample("пример4");
        QVERIFY(spread->lineRects().first().right() >= spread->contentsRect().right() - 1);
    }

    // ---- И8 ---------------------------------------------------------------

    void spacingMeasuredFromTheLaidOutLines_data()
    {
        QTest::addColumn<QList<int>>("dataSets");
        QTest::addColumn<double>("twips");
        QTest::addColumn<double>("factor");
        QTest::newRow("1") << QList<int>{1} << 239.85 << 1.0;
        QTest::newRow("1,5") << QList<int>{2} << 359.775 << 1.5;
        QTest::newRow("2") << QList<int>{3} << 479.7 << 2.0;
        QTest::newRow("3") << QList<int>{4} << 719.55 << 3.0;
        QTest::newRow("1 after 3") << QList<int>{4, 1} << 239.85 << 1.0;
    }

    void spacingMeasuredFromTheLaidOutLines()
    {
        QFETCH(QList<int>, dataSets);
        QFETCH(double, twips);
        QFETCH(double, factor);
        Rig s("И8", dataSets);
        for (qsizetype i = 1; i < dataSets.size(); ++i)
            s.open();
        QCOMPARE(s.sample("зад2")->font().pointSizeF(), 9.75);
        const double pixels = twips / 15; // 96 dpi
        const double first = s.lineTop("зад2");
        QVERIFY(std::abs(s.lineTop("зад3") - first - pixels) <= 0.5);
        QVERIFY(std::abs(s.lineTop("зад4") - first - 2 * pixels) <= 0.5);
        // The option that is right names that spacing.
        QCOMPARE(s.text(s.option(s.right())).trimmed().replace(',', '.').toDouble(), factor);
        // Each line is centred in the task frame.
        QWidget *task = s.find("Задание");
        for (const char *name : {"зад2", "зад3", "зад4"}) {
            SampleText *line = s.sample(name);
            const QRect box(line->mapTo(task, QPoint(0, 0)), line->size());
            QVERIFY2(std::abs(box.center().x() - task->rect().center().x()) <= 1, name);
            QVERIFY2(task->rect().contains(box), name);
            // … and drawn in full in its box (the first line begins with blanks).
            const auto [left, right] = inkColumns(line);
            QVERIFY2(right >= box.width() - 3 && left <= box.width() / 10, name);
        }
    }
};

ZORBIKS_TEST(DirectoryAndTextScreenTest)
#include "DirectoryAndTextScreenTest.moc"
