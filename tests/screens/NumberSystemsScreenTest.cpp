// К6, К7, К9 and К10 driven through their widgets, found by object name.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "drawing/ColumnSum.h"
#include "drawing/ScriptText.h"
#include "drawing/TetradTable.h"
#include "screen/FilteredLineEdit.h"
#include "tasks/encoding/BinaryAddition.h"
#include "tasks/encoding/BinaryToDecimal.h"
#include "tasks/encoding/DecimalToBinary.h"
#include "tasks/encoding/HexToBinary.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

struct NumberQuestion {
    QString code;
    int rows;
    bool binaryAnswer; // К6, К9, К10: the binary filter with its warning
};

const QList<NumberQuestion> &questions()
{
    static const QList<NumberQuestion> list = {
        {"К6", 20, true},
        {"К7", 20, false},
        {"К9", 20, true},
        {"К10", 12, true},
    };
    return list;
}

const NumberQuestion &question(const QString &code)
{
    for (const NumberQuestion &q : questions()) {
        if (q.code == code)
            return q;
    }
    qFatal("no question %s", qPrintable(code));
}

struct Rig : ExerciseRig {
    // Opens the screen with row `k` drawn (0: whatever the generator gives).
    Rig(const NumberQuestion &q, int k = 0)
        : ExerciseRig(questionOf(q.code))
        , rows(q.rows)
    {
        if (k > 0)
            fakes.random->scriptDraw(k, rows);
        open();
    }
    const NumberExercise &exercise() const
    {
        return static_cast<const NumberExercise &>(screen->exercise());
    }
    QString rightAnswer() const { return exercise().drill().row().answer; }
    QString firstFrame() const
    {
        return screen->findChild<QWidget *>("Пояснение") ? "Пояснение" : "Пояснение1";
    }
    int rows;
};

const QString binaryWarning = QStringLiteral("Двоичное число состоит из нулей и единиц!");

void addQuestionColumn()
{
    QTest::addColumn<QString>("code");
    for (const NumberQuestion &q : questions())
        QTest::newRow(qPrintable(q.code)) << q.code;
}

} // namespace

class NumberSystemsScreenTest : public QObject {
    Q_OBJECT
private slots:
    void showStepWritesTheDrawnRow_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("shown");
        QTest::newRow("К6") << "К6" << 3
                            << "    К6. Перевести десятичное число             в двоичную систему "
                               "счисления."
                            << "78";
        QTest::newRow("К7") << "К7" << 12
                            << "    К7. Перевести двоичное число                   в десятичную "
                               "систему счисления."
                            << "10001000";
        QTest::newRow("К9") << "К9" << 3
                            << "    К9. Перевести шестнадцатиричное  число          в двоичную "
                               "систему счисления."
                            << "4E";
        QTest::newRow("К10") << "К10" << 7
                             << "    К10. Сложить два двоичнх числа.                           "
                                "Результат выразить также в двоичной форме"
                             << "111010 + 10111";
    }
    void showStepWritesTheDrawnRow()
    {
        QFETCH(QString, code);
        QFETCH(int, k);
        QFETCH(QString, task);
        QFETCH(QString, shown);
        Rig rig(question(code), k);
        QCOMPARE(rig.text("Label20"), "Кодирование информации, " + code);
        QCOMPARE(rig.text("зад1"), task);
        QString values = rig.text("зад2");
        if (code == "К10")
            values += rig.text("зад3");
        QCOMPARE(values, shown);
        QCOMPARE(rig.find("зад2")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QVERIFY(rig.visible("зад2"));
        for (const QString hidden : {"КакойОтвет", "Image1", "Повтор", "Вопросы", "Меню"})
            QVERIFY2(!rig.visible(hidden), qPrintable(hidden));
        QVERIFY(!rig.visible(rig.firstFrame()));
        QCOMPARE(rig.screen->focusWidget(), rig.find("Ответ"));
    }

    void rightAnswerKeepsTheFocus_data() { addQuestionColumn(); }
    void rightAnswerKeepsTheFocus()
    {
        QFETCH(QString, code);
        Rig rig(question(code));
        rig.answer(rig.rightAnswer());
        QCOMPARE(rig.text("КакойОтвет"), right);
        QCOMPARE(rig.logText(), " " + code + " - да, ");
        QCOMPARE(rig.pupil.CorrectTotal, qint16(1));
        QVERIFY(!rig.enabled("Ответ") && !rig.enabled("ОК") && !rig.enabled("Сдаюсь"));
        QVERIFY(rig.visible("Повтор") && rig.visible("Image1"));
        // Nothing moves the focus: it does not stay on a control that was
        // disabled, and typing reaches no answer.
        QWidget *focus = rig.screen->focusWidget();
        QVERIFY(focus != rig.find("Ответ") && focus != rig.find("ОК"));
        if (focus)
            typeText(focus, "1");
        QCOMPARE(rig.text("Ответ"), rig.rightAnswer());
        QCOMPARE(rig.fakes.sounds->played.last(), QStringLiteral("sloos1"));
    }

    void leadingZeroIsWrong_data() { addQuestionColumn(); }
    void leadingZeroIsWrong()
    {
        QFETCH(QString, code);
        Rig rig(question(code));
        const QString answer = rig.rightAnswer();
        rig.answer("0" + answer);
        QCOMPARE(rig.text("КакойОтвет"), wrong);
        QCOMPARE(rig.logText(), " " + code + " - нет, ");
        QVERIFY(rig.visible(rig.firstFrame()));
        QCOMPARE(rig.text("Ответ"), "0" + answer);
        QCOMPARE(rig.screen->focusWidget(), rig.find("Ответ"));
        // The second wrong answer shows the second frame where there is one.
        rig.answer(answer + "1");
        if (rig.firstFrame() == "Пояснение1")
            QVERIFY(rig.visible("Пояснение1") && rig.visible("Пояснение2"));
        rig.answer(answer);
        QCOMPARE(rig.text("КакойОтвет"), right);
        QCOMPARE(rig.logText(), " " + code + " - нет,  " + code + " - нет, ");
        QCOMPARE(rig.pupil.CorrectTotal, qint16(0));
    }

    void filteredKeys_data() { addQuestionColumn(); }
    void filteredKeys()
    {
        QFETCH(QString, code);
        const NumberQuestion &q = question(code);
        Rig rig(q);
        QLineEdit *box = rig.box();
        typeText(box, "10");
        QCOMPARE(box->text(), QStringLiteral("10"));
        QVERIFY(!rig.visible("КакойОтвет"));
        const QStringList before = rig.fakes.sounds->played;
        QString expected = box->text();
        for (const QString key : {"2", "a", "F", " ", "Ж"}) {
            typeText(box, key);
            if (!q.binaryAnswer && key.at(0).isDigit())
                expected += key;
            QCOMPARE(box->text(), expected);
        }
        if (q.binaryAnswer) {
            QVERIFY(rig.visible("КакойОтвет"));
            QCOMPARE(rig.text("КакойОтвет"), binaryWarning);
            QCOMPARE(rig.fakes.sounds->played.size(), before.size() + 5);
            QCOMPARE(rig.fakes.sounds->played.last(), QStringLiteral("нет"));
        } else {
            // К7: digits pass, anything else is dropped without a word.
            QCOMPARE(box->text(), QStringLiteral("102"));
            QVERIFY(!rig.visible("КакойОтвет"));
            QCOMPARE(rig.fakes.sounds->played, before);
        }
        // Enter does not answer; backspace edits.
        pressKey(box, Qt::Key_Return, "\r");
        QCOMPARE(rig.logText(), QString());
        QVERIFY(!rig.visible(rig.firstFrame()));
        pressKey(box, Qt::Key_Backspace, "\b");
        QCOMPARE(box->text(), q.binaryAnswer ? QStringLiteral("1") : QStringLiteral("10"));
    }

    void pastedTextIsFiltered_data() { addQuestionColumn(); }
    void pastedTextIsFiltered()
    {
        QFETCH(QString, code);
        const NumberQuestion &q = question(code);
        Rig rig(q);
        QGuiApplication::clipboard()->setText(QStringLiteral("1a 0-2 1\n"));
        pressKey(rig.box(), Qt::Key_V, "\x16", Qt::ControlModifier);
        QCOMPARE(rig.box()->text(),
                 q.binaryAnswer ? QStringLiteral("101") : QStringLiteral("1021"));
        rig.box()->clear();
        static_cast<FilteredLineEdit *>(rig.box())->pasteFiltered(QStringLiteral("С39 = 11"));
        QCOMPARE(rig.box()->text(), q.binaryAnswer ? QStringLiteral("11") : QStringLiteral("3911"));
    }

    void repeatNeverShowsTheSameRowTwiceRunning_data() { addQuestionColumn(); }
    void repeatNeverShowsTheSameRowTwiceRunning()
    {
        QFETCH(QString, code);
        const NumberQuestion &q = question(code);
        // The draw asked for row 5 again after row 5: it draws once more.
        Rig rig(q, 5);
        rig.fakes.random->scriptDraw(5, q.rows);
        rig.fakes.random->scriptDraw(5, q.rows);
        rig.fakes.random->scriptDraw(2, q.rows);
        QList<int> shown{rig.exercise().drill().current()};
        for (int i = 0; i < 30; ++i) {
            rig.answer(rig.rightAnswer());
            rig.click("Повтор");
            shown << rig.exercise().drill().current();
            QVERIFY(shown.last() != shown[shown.size() - 2]);
        }
        QCOMPARE(shown.mid(0, 2), (QList<int>{5, 2}));
        QCOMPARE(rig.pupil.TasksShown, qint16(31));
        rig.answer(rig.rightAnswer());
        rig.click("Вопросы");
        QCOMPARE(rig.pupil.CorrectList, " 31" + code);
    }

    void listTokensOnEveryWayOfLeaving_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("wrongAttempts");
        QTest::addColumn<QString>("wrongList");
        QTest::addColumn<QString>("correctList");
        for (const NumberQuestion &q : questions()) {
            const QString c = q.code;
            const auto row = [&](const char *name) {
                return &QTest::newRow(qPrintable(c + " " + name));
            };
            *row("repeat after a wrong") << c << "Повтор" << 1 << " " + c + "/1 "
                                         << "";
            *row("questions after a wrong") << c << "Вопросы" << 1 << c + "/1 "
                                            << "";
            *row("questions at once") << c << "Вопросы" << 0 << ""
                                      << " " + c;
            *row("menu after two wrong") << c << "Меню" << 2 << c + "/2 "
                                         << "";
            *row("exit cross after a wrong") << c << "Image1" << 1 << c + "/1 "
                                             << "";
            *row("exit cross at once") << c << "Image1" << 0 << ""
                                       << " " + c;
            *row("give up at once") << c << "Сдаюсь" << 0 << c + "/0 "
                                    << "";
            *row("give up after a wrong") << c << "Сдаюсь" << 1 << c + "/1/0 "
                                          << "";
        }
    }
    void listTokensOnEveryWayOfLeaving()
    {
        QFETCH(QString, code);
        QFETCH(QString, way);
        QFETCH(int, wrongAttempts);
        QFETCH(QString, wrongList);
        QFETCH(QString, correctList);
        Rig rig(question(code));
        for (int i = 0; i < wrongAttempts; ++i)
            rig.answer("0" + rig.rightAnswer());
        if (way != "Сдаюсь")
            rig.answer(rig.rightAnswer());
        rig.click(way);
        QCOMPARE(rig.pupil.WrongList, wrongList);
        QCOMPARE(rig.pupil.CorrectList, correctList);
        if (way == "Сдаюсь")
            QVERIFY(rig.logText().endsWith(" " + code + " - пропуск, "));
    }

    void smallLabelsStayClearOfTheText_data() { addQuestionColumn(); }
    void smallLabelsStayClearOfTheText()
    {
        QFETCH(QString, code);
        Rig rig(question(code), 1);
        rig.answer("1");
        rig.answer("11");
        const QList<ScriptText *> texts = rig.screen->findChildren<ScriptText *>();
        QCOMPARE(texts.isEmpty(), code == "К6");
        for (ScriptText *label : texts) {
            const QString name = label->objectName();
            const QString &all = label->text();
            QRectF previousAbove;
            for (qsizetype i = 0; i < label->scripts().size(); ++i) {
                const ScriptText::Script &script = label->scripts()[i];
                const QRectF box = label->scriptRect(i);
                const QString where = name + " " + script.text + " " + rectText(box) +
                                      QString(" in %1x%2").arg(label->width()).arg(label->height());
                QVERIFY2(QRectF(label->rect()).adjusted(-0.5, -1, 0.5, 1).contains(box),
                         qPrintable(where));
                if (script.place == ScriptText::Place::Above) {
                    QVERIFY2(previousAbove.isNull() || previousAbove.right() < box.left(),
                             qPrintable(where));
                    previousAbove = box;
                    continue;
                }
                // Clear of the number it belongs to and of what follows.
                QVERIFY2(box.left() >= label->characterRect(script.index - 1).right() - 0.5,
                         qPrintable(where));
                qsizetype next = script.index;
                while (next < all.size() && all.at(next) == ' ')
                    ++next;
                const QRectF following = label->characterRect(next);
                if (!following.isNull() && qAbs(following.top() - box.top()) < box.height())
                    QVERIFY2(box.right() < following.left(), qPrintable(where));
            }
        }
    }

    void decimalExplanationHasItsDivisionAndArrow()
    {
        Rig rig(question("К6"), 1);
        rig.answer("1");
        QVERIFY(rig.visible("Пояснение"));
        QCOMPARE(rig.find("Пояснение")->property("title").toString(), QStringLiteral(" Пояснение"));
        QCOMPARE(rig.text("Label1").split('\n'), DecimalToBinary::divisionLines());
        QCOMPARE(rig.text("Label2"), QStringLiteral("^"));
        QCOMPARE(rig.find("Label2")->font().pointSizeF(), 18.0);
        QVERIFY(rig.text("Label3").endsWith("по стрелке: 10110101"));
        // The arrow runs up beside the column, from its last line to its first.
        QWidget *column = rig.find("Label1");
        QWidget *line = rig.find("Line4");
        const QRect columnBox(column->mapTo(rig.screen, QPoint()), column->size());
        const QRect lineBox(line->mapTo(rig.screen, QPoint()), line->size());
        QVERIFY(lineBox.left() >= columnBox.right());
        QVERIFY(lineBox.left() - columnBox.right() < 20);
        QVERIFY(lineBox.bottom() >= columnBox.bottom() - 2);
        QVERIFY(lineBox.top() < columnBox.top() + columnBox.height() / 8);
        // The frame is one, shown again by later wrong answers.
        rig.answer("10");
        QVERIFY(rig.visible("Пояснение"));
    }

    void binaryExplanationHasItsScripts()
    {
        Rig rig(question("К7"), 1);
        rig.answer("1");
        auto *sum = rig.find<ScriptText>("Label5");
        QVERIFY(sum->text().contains("11001  = 1*2  + 1*2  + 0*2   + 0*2   + 1*2    =   "
                                     "(16 + 8 + 0 + 0 + 1)   = 25    ."));
        QCOMPARE(sum->scriptTexts(ScriptText::Place::Raised),
                 (QStringList{"4", "3", "2", "1", "0"}));
        QCOMPARE(sum->scriptTexts(ScriptText::Place::Lowered), (QStringList{"2", "10", "10"}));
        for (const ScriptText::Script &script : sum->scripts()) {
            // Each small label sits in a blank, right after its number.
            QCOMPARE(sum->text().at(script.index), QLatin1Char(' '));
            QVERIFY(sum->text().at(script.index - 1) != QLatin1Char(' '));
        }
        auto *example = rig.find<ScriptText>("Label2");
        QCOMPARE(example->text(),
                 QStringLiteral("1  1  0  0  1  0 = (32 + 16 + 0 + 0 + 2 + 0) = 50 "));
        QCOMPARE(example->font().pointSizeF(), 18.0);
        QCOMPARE(example->scriptTexts(ScriptText::Place::Above),
                 (QStringList{"32", "16", "8", "4", "2", "1"}));
        for (const ScriptText::Script &script : example->scripts()) {
            if (script.place == ScriptText::Place::Above)
                QVERIFY(example->text().at(script.index).isDigit());
        }
        QCOMPARE(example->scriptTexts(ScriptText::Place::Lowered), (QStringList{"2", "10", "10"}));
        QVERIFY(example->height() > QFontMetrics(example->font()).height());
    }

    void hexExplanationsHaveTheTableAndTheGroups()
    {
        Rig rig(question("К9"), 1);
        rig.answer("1");
        QVERIFY(rig.visible("Пояснение1") && !rig.visible("Пояснение2"));
        auto *table = rig.find<TetradTable>("Таблица");
        QCOMPARE(table->cell(0, 0)->text(), QStringLiteral(" Двоичные числа "));
        QCOMPARE(table->cell(1, 0)->text(), QStringLiteral("Шестнадцатеричные числа"));
        for (int value = 0; value < 16; ++value) {
            QCOMPARE(table->cell(0, value + 1)->text().toInt(nullptr, 2), value);
            QCOMPARE(table->cell(0, value + 1)->text().size(), 4);
            QCOMPARE(table->cell(1, value + 1)->text(), QString::number(value, 16).toUpper());
        }
        // The whole table lies inside its frame.
        QWidget *frame = rig.find("Пояснение1");
        QVERIFY(QRect(QPoint(), frame->size())
                    .contains(QRect(table->mapTo(frame, QPoint()), table->size())));
        rig.answer("11");
        QVERIFY(rig.visible("Пояснение2"));
        QVERIFY(rig.text("Label6").endsWith(QString::fromUtf8("число \u042139. ")));
        auto *example = rig.find<ScriptText>("Label7");
        QCOMPARE(example->text(), QString::fromUtf8(" \u0421    3     9    =  110000111001"));
        QCOMPARE(example->scriptTexts(ScriptText::Place::Above),
                 (QStringList{"1100", "0011", "1001"}));
        QCOMPARE(example->scriptTexts(ScriptText::Place::Lowered), (QStringList{"16", "2"}));
        QCOMPARE(example->dividers().size(), 2);
        QCOMPARE(example->text().mid(example->dividers()[0].index, 4), QStringLiteral("0011"));
        QCOMPARE(example->text().mid(example->dividers()[1].index), QStringLiteral("1001"));
        QCOMPARE(rig.text("Label8"),
                 QStringLiteral("   Примечане: двоичное число не может начинаться с нулей."));
        // Both frames fit above the bottom row.
        QVERIFY(rig.find("Пояснение2")->geometry().bottom() < rig.find("Меню")->y());
    }

    void additionExplanationsHaveTheColumnAndTheSubscripts()
    {
        Rig rig(question("К10"), 1);
        rig.answer("1");
        rig.answer("11");
        auto *column = rig.find<ColumnSum>("Столбик");
        QCOMPARE(column->lines(), (QStringList{"110010", "10111", "1001001"}));
        auto *line = rig.find<ScriptText>("Label7");
        QCOMPARE(line->scriptTexts(ScriptText::Place::Lowered),
                 (QStringList{"2", "10", "2", "10", "10", "10", "2"}));
        for (const ScriptText::Script &script : line->scripts())
            QVERIFY(script.index == line->text().size() || line->text().at(script.index) == ' ');
        QVERIFY(rig.find("Пояснение2")->geometry().bottom() < rig.find("Меню")->y());
    }
};

ZORBIKS_TEST(NumberSystemsScreenTest)
#include "NumberSystemsScreenTest.moc"
