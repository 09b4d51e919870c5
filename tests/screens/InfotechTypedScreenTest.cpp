// The screens И2, И3 and И4 driven by the names of their controls.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "drawing/GapLabel.h"
#include "log/Cp1251.h"
#include "pupil/Transliteration.h"
#include "tasks/infotech/FileAddress.h"
#include "tasks/infotech/FormulaCell.h"
#include "tasks/infotech/SearchQueries.h"

#include <QLineEdit>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

const QString capitals = QStringLiteral("В ответе должны быть  только заглавные буквы!");

// The keys of a US keyboard that give `cyrillic` on the Russian layout.
QString latinKeys(const QString &cyrillic)
{
    QString keys;
    for (QChar c : cyrillic)
        keys += QChar(CyrillicToLatin(Cp1251::code(c)));
    return keys;
}

template <typename T> struct Rig : QuestionRig<T> {
    // Opens the screen on the given data set (0: whatever is drawn).
    explicit Rig(int dataSet = 0, int dataSets = 6)
        : QuestionRig<T>(dataSet ? QList<int>{dataSet} : QList<int>{}, dataSets)
    {}
};

using I2 = Rig<FormulaCell>;
using I3 = Rig<FileAddress>;
using I4 = Rig<SearchQueries>;

QString rightNumber(const I2 &rig)
{
    return QString::number(rig.exercise().model().current().answer);
}

} // namespace

class InfotechTypedScreenTest : public QObject {
    Q_OBJECT
private slots:
    // ---- И2 ----------------------------------------------------------------

    void formulaGridShowsTheDrawnDataSet()
    {
        I2 rig(3);
        QCOMPARE(rig.exercise().model().dataSet(), 3);
        QCOMPARE(rig.text("Заголовок"), QStringLiteral("Информационные технологии, И2"));
        QCOMPARE(rig.text("Вопросы"), QStringLiteral("Информационные технологии"));
        QCOMPARE(rig.text("Столбец1"), QStringLiteral("А")); // Cyrillic
        QCOMPARE(rig.text("Столбец2"), QStringLiteral("B"));
        const QStringList shown = {rig.text("A1"), rig.text("A2"), rig.text("B1"),
                                   rig.text("B2"), rig.text("C1"), rig.text("C2")};
        QCOMPARE(shown, (QStringList{"=2*A2", "5", "6", "=A1-B1", "=A1+B2", "=C1*3+B2"}));
        QCOMPARE(rig.pupil.TasksShown, qint16(1));
        QCOMPARE(rig.navigator.calls, QStringList{"hideSectionList инф"});
        for (const QString hidden : {"КакойОтвет", "Пояснение", "Image1", "Повтор", "Меню"})
            QVERIFY2(!rig.visible(hidden), qPrintable(hidden));

        // The second sentence of the question starts a line of its own.
        auto *question = rig.find<GapLabel>("Label2");
        const QString text = question->text();
        const QRectF second = question->characterRect(text.indexOf("В ответе"));
        QVERIFY(second.top() > question->characterRect(text.indexOf("Определите")).top());
        QVERIFY(second.left() < 8);
    }

    void formulaGridRightAndWrongNumbers()
    {
        I2 rig(1);
        rig.answer("314"); // 58 + 256
        QCOMPARE(rig.text("КакойОтвет"), wrong);
        QVERIFY(rig.visible("Пояснение"));
        rig.answer("058");
        QCOMPARE(rig.text("КакойОтвет"), right);
        QCOMPARE(rig.logText(), QStringLiteral(" И2 - нет,"));
        QCOMPARE(rig.pupil.CorrectTotal, qint16(0));
        rig.click("Повтор");
        QCOMPARE(rig.pupil.WrongList, QStringLiteral(" И2/1 "));
        QVERIFY(rig.exercise().model().dataSet() != 1);
        rig.answer(rightNumber(rig));
        QCOMPARE(rig.logText(), QStringLiteral(" И2 - нет, И2 - да,"));
        rig.click("Меню");
        QCOMPARE(rig.pupil.CorrectList, QStringLiteral(" И2"));
        QCOMPARE(rig.pupil.WrongList, QStringLiteral(" И2/1 "));
        QCOMPARE(rig.navigator.calls.last(), QStringLiteral("leaveToMenu инф hide"));
    }

    void formulaGridKeysAndGivingUp()
    {
        I2 rig;
        typeText(rig.box(), "4a-5.,Ж 6");
        QCOMPARE(rig.box()->text(), QStringLiteral("456"));
        pressKey(rig.box(), Qt::Key_Return, "\r");
        QVERIFY(!rig.visible("КакойОтвет")); // Enter does not answer
        rig.click("Сдаюсь");
        QCOMPARE(rig.logText(), QStringLiteral(" И2 - пропуск, "));
        QCOMPARE(rig.pupil.WrongList, QStringLiteral("И2/0 "));
        QCOMPARE(rig.navigator.calls.last(), QStringLiteral("leaveToMenu инф show"));
    }

    void formulaGridSixShowingsSixDataSets()
    {
        I2 rig;
        QList<int> shown{rig.exercise().model().dataSet()};
        for (int i = 0; i < 6; ++i) {
            rig.open();
            shown << rig.exercise().model().dataSet();
        }
        QList<int> cycle = shown.mid(0, 6);
        std::sort(cycle.begin(), cycle.end());
        QCOMPARE(cycle, (QList<int>{1, 2, 3, 4, 5, 6}));
        QVERIFY(shown[6] != shown[5]);
    }

    void ctrlAfterWrongAnswersListsThemOnce()
    {
        I2 rig(1);
        rig.answer("1");
        rig.answer("2");
        typeText(rig.box(), "5");
        pressKey(rig.box(), Qt::Key_Control, QString(), Qt::ControlModifier, 37);
        QCOMPARE(rig.pupil.WrongList, QStringLiteral("И2/2"));
        QVERIFY(rig.box()->text().isEmpty());
        QCOMPARE(rig.navigator.calls.last(), QStringLiteral("showResults keep"));
        QVERIFY(rig.screen->isVisible());
        QCOMPARE(rig.screen->wrongCount(), qint16(0));

        // Back on the same task: the right answer now counts, and leaving
        // lists nothing twice.
        rig.answer("58");
        QCOMPARE(rig.logText(), QStringLiteral(" И2 - нет, И2 - нет, И2 - да,"));
        QCOMPARE(rig.pupil.CorrectTotal, qint16(1));
        rig.click("Вопросы");
        QCOMPARE(rig.pupil.WrongList, QStringLiteral("И2/2"));
        QCOMPARE(rig.pupil.CorrectList, QStringLiteral(" И2"));
    }

    void altBeforeAnyAnswer()
    {
        I2 rig;
        rig.pupil.WrongList = QStringLiteral("К1/1 ");
        pressKey(rig.box(), Qt::Key_Alt, QString(), Qt::AltModifier, 64);
        QCOMPARE(rig.pupil.WrongList, QStringLiteral("К1/1 , И2/0"));
        QCOMPARE(rig.navigator.calls.last(), QStringLiteral("showResults keep"));
        QCOMPARE(rig.logText(), QString());
    }

    // ---- И3 ----------------------------------------------------------------

    void addressTaskShowsItsFragments()
    {
        I3 rig(4);
        const AddressDataSet &set = FileAddressModel::dataSets()[3];
        QCOMPARE(rig.text("Label20"), QStringLiteral("Информационные технологии, И3"));
        QCOMPARE(rig.text("зад2"), set.file);
        QCOMPARE(rig.text("зад3"), set.server);
        QCOMPARE(rig.text("зад4"), set.protocol);
        QStringList fragments;
        for (int i = 5; i <= 9; ++i)
            fragments << rig.text(QStringLiteral("зад%1").arg(i));
        QCOMPARE(fragments, (QStringList{"log", "http", ".net", "uni", ".edu"}));
        // Every value lies inside the task text, one below the other for
        // the fragments.
        auto *task = rig.find<GapLabel>("Label1");
        for (int i = 2; i <= 9; ++i) {
            QWidget *value = rig.find(QStringLiteral("зад%1").arg(i));
            QVERIFY(task->rect().contains(value->geometry()));
            if (i > 5)
                QVERIFY(value->y() > rig.find(QStringLiteral("зад%1").arg(i - 1))->y());
        }
    }

    void addressTypedOnTheLatinLayout()
    {
        I3 rig(1);
        // Б and Ж lie on "<" and ":" of the Latin layout.
        QCOMPARE(latinKeys("ЖГБВАЕД"), QStringLiteral(":U<DFTL"));
        typeText(rig.box(), ":U<DFTL");
        QCOMPARE(rig.box()->text(), QStringLiteral("ЖГБВАЕД"));
        QCOMPARE(rig.fakes.keyboardLayout->switches.size(), 7);
        QVERIFY(!rig.visible("КакойОтвет"));
        rig.click("ОК");
        QCOMPARE(rig.text("КакойОтвет"), right);
        QCOMPARE(rig.logText(), QStringLiteral(" И3 - да,"));
        QCOMPARE(rig.pupil.CorrectTotal, qint16(1));
        rig.click("Image1");
        QCOMPARE(rig.pupil.CorrectList, QStringLiteral(" И3"));
        QCOMPARE(rig.navigator.calls.last(), QStringLiteral("showResults hide"));
    }

    void addressKeysThatGiveNothing()
    {
        I3 rig;
        typeText(rig.box(), "0=5|\\?");
        QVERIFY(rig.box()->text().isEmpty());
        QVERIFY(rig.fakes.keyboardLayout->switches.isEmpty());
        typeText(rig.box(), "F");
        QCOMPARE(rig.box()->text(), QStringLiteral("А"));
        QCOMPARE(rig.fakes.keyboardLayout->switches, QList{KeyboardLayoutKind::Russian});
    }

    void addressSmallLettersWarnAndAreWrong()
    {
        I3 rig(1);
        typeText(rig.box(), latinKeys("жгбваед"));
        QCOMPARE(rig.box()->text(), QStringLiteral("жгбваед"));
        QCOMPARE(rig.text("КакойОтвет"), capitals);
        QCOMPARE(rig.fakes.sounds->played.count("нет"), 7);
        rig.click("ОК");
        QCOMPARE(rig.text("КакойОтвет"), wrong);
    }

    void addressRightAfterWrongIsLoggedButNotCounted()
    {
        I3 rig(3);
        rig.answer(latinKeys("ЖГБВАЕД"));
        QVERIFY(rig.visible("Пояснение1") && !rig.visible("Пояснение2"));
        rig.answer(latinKeys("БГЖВАДЕ"));
        QVERIFY(rig.visible("Пояснение1") && rig.visible("Пояснение2"));
        rig.answer(latinKeys("БГЖВАЕД"));
        QCOMPARE(rig.text("КакойОтвет"), right);
        QCOMPARE(rig.logText(), QStringLiteral(" И3 - нет, И3 - нет, И3 - да,"));
        QCOMPARE(rig.pupil.CorrectTotal, qint16(0));
        QCOMPARE(rig.screen->correctCount(), qint16(0));
        rig.click("Повтор");
        QCOMPARE(rig.pupil.WrongList, QStringLiteral("И3/2 "));
        QVERIFY(!rig.visible("Пояснение1") && !rig.visible("Пояснение2"));
        rig.click("Сдаюсь");
        QCOMPARE(rig.pupil.WrongList, QStringLiteral("И3/2 И3/0 "));
        QCOMPARE(rig.logText(), QStringLiteral(" И3 - нет, И3 - нет, И3 - да, И3 - пропуск, "));
    }

    // ---- И4 ----------------------------------------------------------------

    void queriesShowTheAndSignsInRowsVAndGOnly()
    {
        I4 rig;
        QCOMPARE(rig.text("Label20"), QStringLiteral("Информационные технологии, И4"));
        const QStringList queries = {rig.text("зад2"), rig.text("зад3"), rig.text("зад4"),
                                     rig.text("зад5")};
        QCOMPARE(queries,
                 (QStringList{"Ломоносов | Менделеев", "Ломоносов",
                              "Ломоносов    Менделеев    Кранбельский", "Ломоносов    Менделеев"}));
        QVERIFY(rig.visible("Image5"));
        for (const QString hidden : {"Image111", "Image112", "Image211", "Image212", "Image412"})
            QVERIFY2(!rig.visible(hidden), qPrintable(hidden));
        // Each shown sign lies inside the gap of its query.
        const struct {
            QString sign, query;
            int gap;
        } shown[] = {{"Image311", "зад4", 0}, {"Image312", "зад4", 1}, {"Image411", "зад5", 0}};
        for (const auto &s : shown) {
            auto *query = rig.find<GapLabel>(s.query);
            QWidget *sign = rig.find(s.sign);
            QVERIFY2(sign->isVisible(), qPrintable(s.sign));
            const QString text = query->text();
            qsizetype start = text.indexOf("    ");
            if (s.gap == 1)
                start = text.indexOf("    ", start + 4);
            const double left = query->characterRect(start).left();
            const double rightEdge = query->characterRect(start + 4).left();
            const QRect box = sign->geometry();
            QVERIFY2(box.left() >= left - 1 && box.right() <= rightEdge + 1, qPrintable(s.sign));
            QVERIFY(qAbs(box.center().y() - query->characterRect(start).center().y()) <= 2);
        }
    }

    void queriesRightWrongAndRepeat()
    {
        I4 rig;
        rig.answer(latinKeys("ВГБА") + " ");
        QCOMPARE(rig.text("КакойОтвет"), wrong);
        QVERIFY(rig.visible("Пояснение"));
        rig.answer("du<f");
        QCOMPARE(rig.text("КакойОтвет"), wrong); // small letters
        rig.box()->clear();
        typeText(rig.box(), "D");
        QCOMPARE(rig.box()->text(), QStringLiteral("В"));
        QCOMPARE(rig.fakes.keyboardLayout->switches.last(), KeyboardLayoutKind::Russian);
        typeText(rig.box(), "U<F");
        rig.click("ОК");
        QCOMPARE(rig.text("КакойОтвет"), right);
        QCOMPARE(rig.logText(), QStringLiteral(" И4 - нет, И4 - нет,"));
        rig.click("Повтор");
        QCOMPARE(rig.pupil.WrongList, QStringLiteral("И4/2 "));
        QCOMPARE(rig.text("зад4"), QStringLiteral("Ломоносов    Менделеев    Кранбельский"));
        QVERIFY(rig.visible("Image311") && !rig.visible("Image412"));
        rig.answer(latinKeys("ВГБА"));
        QCOMPARE(rig.logText(), QStringLiteral(" И4 - нет, И4 - нет, И4 - да,"));
        rig.click("Вопросы");
        QCOMPARE(rig.pupil.CorrectList, QStringLiteral(" И4"));
        QCOMPARE(rig.navigator.calls.last(), QStringLiteral("leaveToMenu инф show"));
    }
};

ZORBIKS_TEST(InfotechTypedScreenTest)
#include "InfotechTypedScreenTest.moc"
