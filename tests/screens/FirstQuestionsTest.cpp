// Л1, П1 and И1 driven through their widgets.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "screen/Colours.h"
#include "screen/DisplayScale.h"
#include "tasks/infotech/SpreadsheetChart.h"
#include "tasks/logic/CompoundCondition.h"
#include "tasks/programming/TurtleFigure.h"

#include <QImage>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

template <typename T> struct Rig : QuestionRig<T> {
    using QuestionRig<T>::QuestionRig;
    QString option(int number) const { return QStringLiteral("Отв%1").arg(number); }
};

using Condition = Rig<CompoundCondition>;
using Turtle = Rig<TurtleFigure>;
using Chart = Rig<SpreadsheetChart>;

} // namespace

class FirstQuestionsTest : public QObject {
    Q_OBJECT
private slots:
    void conditionShowsItsVariant()
    {
        Condition l1({2}, 6);
        QCOMPARE(l1.text("зад1"),
                 QStringLiteral("Л1. Для какого целого числа Х истинно выражение:             "));
        QCOMPARE(l1.text("зад2"), QStringLiteral("(X < 5) /\\ ((X < 3) \\/ (X > 3))"));
        QCOMPARE((QStringList{l1.text("Отв1"), l1.text("Отв2"), l1.text("Отв3"), l1.text("Отв4")}),
                 (QStringList{"3", "4", "5", "6"}));
        QCOMPARE(
            (QStringList{l1.text("пояс1"), l1.text("пояс2"), l1.text("пояс3"), l1.text("пояс4")}),
            (QStringList{"5", "6", "X < 5", "3"}));
        QCOMPARE(l1.find("Отв3")->toolTip(), QStringLiteral("3-й ответ"));
        QCOMPARE(l1.text("Заголовок"), QStringLiteral("Логические основы компьютера, Л1"));
    }

    void conditionRightAtTheFirstClick()
    {
        Condition l1({2}, 6);
        l1.click("Отв2");
        QCOMPARE(l1.logText(), QStringLiteral(" Л1 - да, "));
        QCOMPARE(l1.pupil.CorrectTotal, qint16(1));
        QVERIFY(l1.visible("Отв2") && !l1.enabled("Отв2"));
        for (int other : {1, 3, 4})
            QVERIFY(!l1.visible(l1.option(other)));
        QVERIFY(!l1.visible("Пояснение1"));
    }

    void conditionThreeWrongThenRight()
    {
        Condition l1({2}, 6);
        l1.click("Отв1");
        QVERIFY(l1.visible("Пояснение1") && !l1.visible("Пояснение2"));
        l1.click("Отв3");
        QVERIFY(l1.visible("Пояснение1") && l1.visible("Пояснение2"));
        l1.click("Отв4");
        for (int wrong : {1, 3, 4})
            QVERIFY(l1.visible(l1.option(wrong)) && !l1.enabled(l1.option(wrong)));
        QVERIFY(l1.enabled("Отв2"));
        l1.click("Отв2");
        QCOMPARE(l1.logText(), QStringLiteral(" Л1 - нет,  Л1 - нет,  Л1 - нет, "));
        QCOMPARE(l1.pupil.CorrectTotal, qint16(0));
        QCOMPARE(l1.screen->correctCount(), qint16(0));
        for (int wrong : {1, 3, 4})
            QVERIFY(!l1.visible(l1.option(wrong)));
        l1.click("Меню");
        QCOMPARE(l1.pupil.WrongList, QStringLiteral("Л1/3 "));
        QCOMPARE(
            l1.navigator.calls.mid(l1.navigator.calls.size() - 3),
            (QStringList{"enableMenuPictures", "menuPicture логика show", "leaveToMenu лог hide"}));
    }

    void conditionDrawsMarksFirst()
    {
        // Six showings, then a cycle that would start with the variant just
        // shown: it is consumed and the cycle shows the other five.
        Condition l1({1, 2, 3, 4, 5, 6, 6, 1, 2, 3, 4, 5}, 6);
        QStringList expressions{l1.text("зад2")};
        for (int i = 0; i < 10; ++i) {
            l1.open();
            expressions << l1.text("зад2");
        }
        QStringList expected;
        for (int variant : {1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5})
            expected << CompoundConditionModel::variants()[size_t(variant - 1)].expression;
        QCOMPARE(expressions, expected);
    }

    void turtleAcceptsOnlyTheOptionOfItsVariant()
    {
        Turtle p1({3});
        QCOMPARE(p1.text("зад2"), QStringLiteral("Повтори 6 [ Вперёд10  Вправо 72 ]"));
        QCOMPARE(p1.text("Отв3"),
                 QStringLiteral("            правильный                    пятиугольник"));
        QCOMPARE(p1.text("Отв1"), QStringLiteral("Незамкнутая ломанная  линия"));
        p1.click("Отв4");
        QCOMPARE(p1.logText(), QStringLiteral(" П1 - нет, "));
        QVERIFY(p1.visible("Пояснение1"));
        p1.click("Отв3");
        QVERIFY(p1.visible("Повтор") && !p1.visible("Отв4"));
        QCOMPARE(p1.logText(), QStringLiteral(" П1 - нет, "));
        p1.click("Вопросы");
        QCOMPARE(p1.pupil.WrongList, QStringLiteral("П1/1 "));
        QCOMPARE(p1.navigator.calls.last(), QStringLiteral("leaveToMenu про show"));
    }

    void turtleShowsEveryAlgorithmOncePerCycle()
    {
        Turtle p1;
        QStringList shown{p1.text("зад2")};
        for (int i = 0; i < 4; ++i) {
            p1.open();
            shown << p1.text("зад2");
        }
        QCOMPARE(QSet<QString>(shown.begin(), shown.begin() + 4).size(), 4);
        QVERIFY(shown[4] != shown[3]);
    }

    void chartSheetShowsTheDrawnFormulas_data()
    {
        QTest::addColumn<int>("dataSet");
        QTest::addColumn<QString>("c2");
        QTest::addColumn<QString>("d2");
        QTest::newRow("1") << 1 << "=С1/2"
                           << "=A2+C2";
        QTest::newRow("2") << 2 << "=С1/2"
                           << "=В1+В2";
        QTest::newRow("3") << 3 << "=С1/2"
                           << "=A2+B2";
        QTest::newRow("4") << 4 << "=B1"
                           << "=C2";
    }

    void chartSheetShowsTheDrawnFormulas()
    {
        QFETCH(int, dataSet);
        QFETCH(QString, c2);
        QFETCH(QString, d2);
        Chart i1({dataSet});
        QCOMPARE(i1.text("C2"), c2);
        QCOMPARE(i1.text("D2"), d2);
        QCOMPARE(i1.text("A2"), QStringLiteral("=С1- В1"));
        QCOMPARE(i1.text("B2"), QStringLiteral("=В1- А2*2"));
        QCOMPARE(i1.text("Заголовок2"), QStringLiteral("Информационные технологии, И1"));
        QCOMPARE(i1.screen->exercise().correctOption(), dataSet);
    }

    void chartWrongClicksRemoveTheirCharts()
    {
        Chart i1({2});
        i1.click("Отв1");
        QVERIFY(!i1.enabled("Отв1") && i1.visible("Отв1"));
        QVERIFY(!i1.visible("Отв11"));
        QVERIFY(i1.visible("Пояснение1") && !i1.visible("Пояснение2"));
        i1.click("Отв4");
        QVERIFY(i1.visible("Пояснение2"));
        i1.click("Отв2");
        QCOMPARE(i1.logText(), QStringLiteral(" И1 - нет, И1 - нет,"));
        QVERIFY(i1.visible("Отв12"));
        // The second explanation stands clear of the row under it.
        if (const QString shots = qEnvironmentVariable("ZORBIKS_SCREENSHOTS"); !shots.isEmpty())
            i1.screen->grab().save(shots + QStringLiteral("/И1-answered.png"));
        const QRect second = i1.find("Пояснение2")->geometry();
        for (const char *label : {"Меню", "Вопросы", "Повтор"})
            QVERIFY2(i1.visible(label) && !second.intersects(i1.find(label)->geometry()),
                     qPrintable(QStringLiteral("%1 %2,%3 under %4")
                                    .arg(label)
                                    .arg(i1.find(label)->y())
                                    .arg(i1.find(label)->isVisible())
                                    .arg(second.bottom())));
        for (const QString gone : {"Отв11", "Отв13", "Отв14", "Отв1", "Отв3", "Отв4"})
            QVERIFY2(!i1.visible(gone), qPrintable(gone));
        i1.click("Повтор");
        QCOMPARE(i1.pupil.WrongList, QStringLiteral("И1/2 "));
        for (int chart = 1; chart <= 4; ++chart)
            QVERIFY(i1.visible(QStringLiteral("Отв1%1").arg(chart)));
    }

    void chartRightAtTheFirstClick()
    {
        Chart i1({3});
        i1.click("Отв3");
        QCOMPARE(i1.logText(), QStringLiteral(" И1 - да,"));
        QVERIFY(i1.visible("Отв13"));
        QVERIFY(!i1.visible("Отв12"));
    }

    void chartHoverPaintsLabelAndChart()
    {
        Chart i1({1});
        hover(i1.find("Отв2"));
        QCOMPARE(Colours::backgroundOf(i1.find("Отв2")), Colours::optionBlue);
        QCOMPARE(Colours::backgroundOf(i1.find("Отв12")), Colours::optionBlue);
        hover(i1.find("Отв3"));
        QCOMPARE(Colours::backgroundOf(i1.find("Отв2")), Colours::optionBlue);
        hover(i1.find("Ответы"), QPoint(2, 2));
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(Colours::backgroundOf(i1.find(QStringLiteral("Отв%1").arg(n))),
                     Colours::lightYellow);
            QCOMPARE(Colours::backgroundOf(i1.find(QStringLiteral("Отв1%1").arg(n))),
                     Colours::lightYellow);
        }
    }

    void chartsAreReadAtAGlance_data()
    {
        QTest::addColumn<QSize>("stage");
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }

    void chartsAreReadAtAGlance()
    {
        // Bars at least 12 pixels thick on the designed stage (their outline
        // included), one unit more a long step further, and the four charts
        // inside the task's frame.
        QFETCH(QSize, stage);
        ExerciseRig i1(questionOf<SpreadsheetChart>(), stage);
        i1.open();
        const double scale = DisplayScale::forScreen(stage);
        const QRect task = i1.find("Задание")->rect();
        for (int n = 1; n <= 4; ++n) {
            QWidget *frame = i1.find(QStringLiteral("Отв1%1").arg(n));
            QVERIFY(
                task.contains(QRect(frame->mapTo(i1.find("Задание"), QPoint()), frame->size())));
            const ChartData &data = SpreadsheetChartModel::charts()[size_t(n - 1)];
            if (data.pie)
                continue;
            const QImage image = frame->grab().toImage();
            // Each bar: its fill (a row of fill colour) with its outline
            // (reddish rows on either side of the fill).
            const auto reddish = [&image](int x, int y) {
                const QColor c = image.pixelColor(x, y);
                return c.red() - c.green() > 50;
            };
            QList<int> thickness; // of each bar with its outline, in pixels
            QList<int> lengths;   // of its fill, in pixels
            for (int y = 0; y < image.height(); ++y) {
                int fill = 0;
                int x = -1;
                for (int column = 0; column < image.width(); ++column) {
                    if (image.pixel(column, y) == QColor(255, 128, 128).rgb()) {
                        ++fill;
                        x = x < 0 ? column : x;
                    }
                }
                if (fill == 0 || (y > 0 && image.pixel(x, y - 1) == QColor(255, 128, 128).rgb()))
                    continue;
                int top = y;
                while (top > 0 && reddish(x, top - 1))
                    --top;
                int bottom = y;
                while (bottom + 1 < image.height() && reddish(x, bottom + 1))
                    ++bottom;
                thickness.append(bottom - top + 1);
                lengths.append(fill);
            }
            QCOMPARE(thickness.size(), data.values.size());
            const qsizetype longest =
                std::max_element(lengths.begin(), lengths.end()) - lengths.begin();
            const double unit = (lengths[longest] + 1.0) / data.values[longest];
            for (qsizetype i = 0; i < thickness.size(); ++i) {
                QVERIFY2(thickness[i] >= 12 * scale, qPrintable(QString::number(thickness[i])));
                QVERIFY2(qAbs(lengths[i] + 1 - unit * data.values[i]) <= 3,
                         qPrintable(QStringLiteral("%1 of %2").arg(lengths[i]).arg(unit)));
            }
            QVERIFY2(unit >= 24 * scale, qPrintable(QString::number(unit)));
        }
    }

    void chartShowsFourDifferentTablesPerCycle()
    {
        Chart i1;
        QStringList shown{i1.text("C2") + i1.text("D2")};
        for (int i = 0; i < 4; ++i) {
            i1.open();
            shown << i1.text("C2") + i1.text("D2");
        }
        QCOMPARE(QSet<QString>(shown.begin(), shown.begin() + 4).size(), 4);
        QVERIFY(shown[4] != shown[3]);
    }
};

ZORBIKS_TEST(FirstQuestionsTest)
#include "FirstQuestionsTest.moc"
