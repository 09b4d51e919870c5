// П2, П3 and П4 driven through their widgets.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "drawing/BorderedGrid.h"
#include "drawing/Flowchart.h"
#include "screen/Colours.h"
#include "tasks/programming/LoopFlowchart.h"
#include "tasks/programming/ThreeAssignments.h"
#include "tasks/programming/TriplerCommands.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

const QString empty = QStringLiteral("Нужно дать ответ!");

template <typename T> struct Typed : QuestionRig<T> {
    using QuestionRig<T>::QuestionRig;
    const auto &model() const { return this->exercise().model(); }
};

struct Loop : Typed<LoopFlowchart> {
    explicit Loop(QList<int> variants = {})
        : Typed(variants, 6)
    {}
    QString rightAnswer() const { return QString::number(model().current().answer); }
};

struct Assignments : Typed<ThreeAssignments> {
    explicit Assignments(QList<int> variants = {})
        : Typed(variants, 8)
    {}
    QString rightAnswer() const { return QString::number(model().current().answer); }
};

struct Tripler : Typed<TriplerCommands> {
    explicit Tripler(QList<int> variants = {})
        : Typed(variants, 6)
    {}
    QString rightAnswer() const { return model().current().stored; }
};

template <typename Rig>
void giveUpOn(Rig &&rig, int wrongAttempts, const QString &entry, const QString &log)
{
    for (int i = 0; i < wrongAttempts; ++i)
        rig.answer("9999999");
    rig.click("Сдаюсь");
    QCOMPARE(rig.pupil.WrongList, entry);
    QCOMPARE(rig.logText(), log);
    QCOMPARE(rig.navigator.calls.last(), QStringLiteral("leaveToMenu про show"));
    QVERIFY(rig.screen->isHidden());
    QVERIFY(rig.text("Ответ").isEmpty());
}

QStringList row(const BorderedGrid *grid, int r)
{
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << grid->cell(r, c)->text();
    return texts;
}

} // namespace

class ProgrammingScreenTest : public QObject {
    Q_OBJECT
private slots:
    void loopShowsItsVariantInTheFlowchartAndTheTrace()
    {
        Loop p2({6});
        QCOMPARE(p2.text("Заголовок"), QStringLiteral("Программирование, П2"));
        QCOMPARE(p2.text("Вопросы"), QStringLiteral("Программирование"));
        QCOMPARE(p2.text("зад2"), QStringLiteral("b=21"));
        QCOMPARE(p2.text("зад3"), QStringLiteral("    c := c + b          b := b + 3"));
        QCOMPARE(BlockText::linesOf(p2.text("зад3")), (QStringList{"c := c + b", "b := b + 3"}));
        QCOMPARE(BlockText::linesOf(p2.text("Label2")), (QStringList{"b := 0", "c := 0"}));
        QCOMPARE(p2.text("Label10"), QStringLiteral("да"));
        QCOMPARE(p2.text("Label9"), QStringLiteral("нет"));
        QVERIFY(p2.find("Блоксхема")->isVisible());
        QCOMPARE(p2.text("пояс1"), QStringLiteral("21"));
        QCOMPARE(Colours::backgroundOf(p2.find("пояс1")).isValid(), true);

        const auto *trace = p2.find<BorderedGrid>("Таблица");
        QCOMPARE(row(trace, 0), (QStringList{"1", "2", "3", "4", "5", "6", "..."}));
        QCOMPARE(row(trace, 1), (QStringList{"0", "3", "6", "9", "12", "15", "..."}));
        QCOMPARE(row(trace, 2), (QStringList{"0", "0", "3", "9", "18", "30", "..."}));
        QVERIFY(!p2.visible("Пояснение"));
    }

    void flowchartScalesItsTextsWithItsSize()
    {
        LoopChartParts parts{"start", "  b := 0      c := 0", "test", "body", "yes", "no"};
        std::unique_ptr<Flowchart> chart(makeLoopChart(parts, 15));
        chart->show();
        QCOMPARE(chart->size(), chart->sizeHint());
        auto *start = chart->findChild<QLabel *>("start");
        auto *yes = chart->findChild<QLabel *>("yes");
        const QRect box = start->geometry();
        const double points = start->font().pointSizeF();
        const QPoint caption = yes->geometry().center();

        chart->resize(chart->sizeHint() * 2);
        QVERIFY(qAbs(start->width() - 2 * box.width()) <= 2);
        QVERIFY(qAbs(start->height() - 2 * box.height()) <= 2);
        QVERIFY(qAbs(start->x() - 2 * box.x()) <= 2);
        QCOMPARE(start->font().pointSizeF(), 2 * points);
        QVERIFY((yes->geometry().center() - 2 * caption).manhattanLength() <= 4);

        // A wider widget keeps the proportions and centres the drawing.
        chart->resize(chart->sizeHint().width() * 4, chart->sizeHint().height() * 2);
        QCOMPARE(start->font().pointSizeF(), 2 * points);
        const int offset = (chart->width() - 2 * chart->sizeHint().width()) / 2;
        QVERIFY(qAbs(start->x() - offset - 2 * box.x()) <= 2);
    }

    void loopWrongThenRight()
    {
        Loop p2({1});
        p2.answer(QString::number(55 + 65536));
        QCOMPARE(p2.text("КакойОтвет"), wrong);
        QVERIFY(p2.visible("Пояснение") && p2.visible("Таблица"));
        p2.answer("0055");
        QCOMPARE(p2.text("КакойОтвет"), right);
        QCOMPARE(p2.logText(), QStringLiteral(" П2 - нет, "));
        QCOMPARE(p2.pupil.CorrectTotal, qint16(0));
        p2.click("Вопросы");
        QCOMPARE(p2.pupil.WrongList, QStringLiteral("П2/1 "));
        QCOMPARE(p2.navigator.calls.last(), QStringLiteral("leaveToMenu про show"));
    }

    void loopEmptiedBoxAsksForAnAnswer()
    {
        Loop p2;
        typeText(p2.box(), "55");
        pressKey(p2.box(), Qt::Key_Backspace, "\b");
        pressKey(p2.box(), Qt::Key_Backspace, "\b");
        QVERIFY(p2.text("Ответ").isEmpty());
        p2.click("ОК");
        QCOMPARE(p2.text("КакойОтвет"), empty);
        QCOMPARE(p2.logText(), QString());
        QCOMPARE(p2.screen->wrongCount(), qint16(0));
        QVERIFY(!p2.visible("Пояснение"));

        // After a right answer and `Повтор` the box is empty again.
        p2.answer(p2.rightAnswer());
        p2.click("Повтор");
        QVERIFY(p2.enabled("Ответ") && p2.text("Ответ").isEmpty());
        p2.click("ОК");
        QCOMPARE(p2.text("КакойОтвет"), empty);
        QCOMPARE(p2.logText(), QStringLiteral(" П2 - да, "));
    }

    void loopTakesDigitsOnly()
    {
        Loop p2;
        typeText(p2.box(), "5a -.,5 Жx");
        QCOMPARE(p2.text("Ответ"), QStringLiteral("55"));
    }

    void giveUp_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("wrongAttempts");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("log");
        for (const QString code : {"П2", "П3", "П4"}) {
            QTest::addRow("%s no attempt", qPrintable(code)) << code << 0 << " " + code + "/0 "
                                                             << " " + code + " - пропуск, ";
            QTest::addRow("%s after two wrong", qPrintable(code))
                << code << 2 << " " + code + "/2/0 "
                << QString(" %1 - нет,  %1 - нет,  %1 - пропуск, ").arg(code);
        }
    }

    void giveUp()
    {
        QFETCH(QString, code);
        QFETCH(int, wrongAttempts);
        QFETCH(QString, entry);
        QFETCH(QString, log);
        if (code == "П2")
            giveUpOn(Loop(), wrongAttempts, entry, log);
        else if (code == "П3")
            giveUpOn(Assignments(), wrongAttempts, entry, log);
        else
            giveUpOn(Tripler(), wrongAttempts, entry, log);
    }

    void loopNeverShowsOneVariantTwiceRunning()
    {
        Loop p2;
        QString previous = p2.text("зад2") + p2.text("зад3");
        for (int i = 0; i < 12; ++i) {
            p2.open();
            const QString shown = p2.text("зад2") + p2.text("зад3");
            QVERIFY(shown != previous);
            QCOMPARE(p2.text("пояс1"), QString::number(p2.model().current().limit));
            previous = shown;
        }
    }

    void assignmentsShowTheirVariant()
    {
        Assignments p3({7});
        QCOMPARE(p3.text("Заголовок"), QStringLiteral("Программирование, П3"));
        QCOMPARE(p3.text("зад2"), QStringLiteral("24"));
        QCOMPARE(p3.text("зад3"), QStringLiteral("18 - а / 3"));
        QCOMPARE(p3.text("зад4"), QStringLiteral("b * 4 - a"));
        const auto *signs = p3.find<BorderedGrid>("Операции");
        QCOMPARE(signs->rowCount(), 6);
        QCOMPARE(row(signs, 0), (QStringList{"Обозначение", "Тип операции"}));
        QCOMPARE(row(signs, 5), (QStringList{"/", "Деление"}));
        // The right-hand sides stand on the lines of their names.
        const auto *names = p3.find("Label43");
        for (const QString side : {"зад2", "зад3", "зад4"})
            QCOMPARE(p3.find(side)->parentWidget(), names);
        QVERIFY(p3.find("зад2")->y() < p3.find("зад3")->y());
        QVERIFY(p3.find("зад3")->y() < p3.find("зад4")->y());
    }

    void assignmentsNegativeAnswers_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("typed");
        QTest::newRow("minus one") << 3 << "-1";
        QTest::newRow("minus six with a point") << 4 << "-6.";
    }

    void assignmentsNegativeAnswers()
    {
        QFETCH(int, variant);
        QFETCH(QString, typed);
        Assignments p3({variant});
        p3.answer(typed.mid(1)); // without its sign: wrong
        QCOMPARE(p3.text("КакойОтвет"), wrong);
        QVERIFY(p3.visible("Пояснение1") && !p3.visible("Пояснение2"));
        p3.answer(typed);
        QCOMPARE(p3.text("Ответ"), typed);
        QCOMPARE(p3.text("КакойОтвет"), right);
        QCOMPARE(p3.logText(), QStringLiteral(" П3 - нет, "));
    }

    void assignmentsRightAtTheFirstAttemptAndAgainAfterRepeat()
    {
        Assignments p3({4, 3});
        p3.answer("-6");
        QCOMPARE(p3.text("КакойОтвет"), right);
        p3.click("Повтор");
        QCOMPARE(p3.text("зад2"), QStringLiteral("5"));
        QVERIFY(p3.text("Ответ").isEmpty());
        p3.click("ОК");
        QCOMPARE(p3.text("КакойОтвет"), empty);
        p3.answer("-1");
        p3.click("Вопросы");
        QCOMPARE(p3.logText(), QStringLiteral(" П3 - да,  П3 - да, "));
        QCOMPARE(p3.pupil.CorrectList, QStringLiteral(" 2П3"));
    }

    void assignmentsFilterLetsTheSignAndThePointThrough()
    {
        Assignments p3;
        typeText(p3.box(), "-a6,.5 /Ж+0");
        QCOMPARE(p3.text("Ответ"), QStringLiteral("-6.50"));
    }

    void assignmentsSecondExplanationWithItsGapLabels()
    {
        Assignments p3;
        p3.answer("1000");
        p3.answer("1001");
        QVERIFY(p3.visible("Пояснение1") && p3.visible("Пояснение2"));
        const QList<std::pair<QString, QString>> gaps = {{"Label4", ":="},
                                                         {"Label13", "a := 4"},
                                                         {"Label14", "4"},
                                                         {"Label15", "a"},
                                                         {"Label16", "b := 18 + 3 * a"},
                                                         {"Label17", "a"},
                                                         {"Label18", "a"},
                                                         {"Label19", "b"}};
        for (const auto &[name, text] : gaps) {
            QCOMPARE(p3.text(name), text);
            QVERIFY2(p3.visible(name), qPrintable(name));
            QVERIFY(Colours::backgroundOf(p3.find(name)).isValid());
        }
        QCOMPARE(p3.logText(), QStringLiteral(" П3 - нет,  П3 - нет, "));
    }

    void triplerAnswers_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("stored string") << 1 << "11121" << true;
        QTest::newRow("its first four") << 1 << "1112" << false;
        QTest::newRow("a digit other than 1 or 2") << 1 << "11131" << false;
        QTest::newRow("second algorithm of variant six") << 6 << "212" << true;
        QTest::newRow("stored string of variant six") << 6 << "22111" << true;
        QTest::newRow("six commands") << 6 << "211212" << false;
    }

    void triplerAnswers()
    {
        QFETCH(int, variant);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        Tripler p4({variant});
        const TriplerVariant &v = TriplerCommandsModel::variants()[size_t(variant - 1)];
        QCOMPARE(p4.text("зад2"), QString::number(v.start));
        QCOMPARE(p4.text("зад3"), QString::number(v.target));
        p4.answer(typed);
        QCOMPARE(p4.text("КакойОтвет"), accepted ? right : wrong);
        QCOMPARE(p4.logText(),
                 accepted ? QStringLiteral(" П4 - да, ") : QStringLiteral(" П4 - нет, "));
        QCOMPARE(p4.visible("Пояснение"), !accepted);
    }

    void triplerTaskText()
    {
        Tripler p4;
        QCOMPARE(p4.text("Заголовок"), QStringLiteral("Программирование, П4"));
        const QStringList lines = p4.text("Label1").split("\r\n");
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines[1], QStringLiteral("1. вычти 2"));
        QVERIFY(lines[3].contains(QStringLiteral("вторая \u2013 утраивает")));
        QVERIFY(lines[3].contains(QStringLiteral("команд.") + QString(140, ' ') +
                                  QStringLiteral("(Например, 21211 \u2013 это алгоритм:")));
        QCOMPARE(lines[10],
                 QStringLiteral("Если таких алгоритмов более одного, то запишите любой из "
                                "них."));
        // The start and the target stand over their gaps, on one line.
        QVERIFY(p4.find("зад2")->x() < p4.find("зад3")->x());
        QCOMPARE(p4.find("зад2")->y(), p4.find("зад3")->y());
    }

    void triplerEmptyBoxAfterRepeat()
    {
        Tripler p4;
        p4.click("ОК");
        QCOMPARE(p4.text("КакойОтвет"), empty);
        p4.answer(p4.rightAnswer());
        p4.click("Повтор");
        QVERIFY(!p4.visible("КакойОтвет"));
        p4.click("ОК");
        QCOMPARE(p4.text("КакойОтвет"), empty);
        QCOMPARE(p4.logText(), QStringLiteral(" П4 - да, "));
        QCOMPARE(p4.pupil.TasksShown, qint16(2));
    }

    void theMenuOpensTheThreeScreens()
    {
        AppRig app;
        app.registerPupil();
        for (const QString code : {"П2", "П3", "П4"}) {
            app.click("Титул", QString(code).insert(1, '_'));
            QWidget *screen = app.screen(code);
            QVERIFY2(screen && screen->isVisible(), qPrintable(code));
            app.click(code, "Сдаюсь");
            QVERIFY(!screen->isVisible());
        }
        QVERIFY(app.log().endsWith(" П2 - пропуск,  П3 - пропуск,  П4 - пропуск, "));
    }
};

ZORBIKS_TEST(ProgrammingScreenTest)
#include "ProgrammingScreenTest.moc"
