// Л2 … Л5 driven through their widgets.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "screen/Colours.h"
#include "tasks/logic/LetterChain.h"
#include "tasks/logic/RecordQuery.h"
#include "tasks/logic/RoadCosts.h"
#include "tasks/logic/TruthTable.h"

#include <QLineEdit>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

using L2 = QuestionRig<TruthTable>;
using L3 = QuestionRig<RoadCosts>;
using L4 = QuestionRig<RecordQuery>;
using L5 = QuestionRig<LetterChain>;

QString plain(int option)
{
    return QStringLiteral("Отв%1").arg(option);
}
QString twin(int option)
{
    return QStringLiteral("Отв1%1").arg(option);
}

// Hovers an option's plain picture, which puts its twin in its place, and
// clicks the twin.
void choose(L2 &l2, int option)
{
    hover(l2.find(plain(option)));
    l2.click(twin(option));
}

QString fColumn(const L2 &l2)
{
    QString column;
    for (const QString name : {"Label8", "Label12", "Label15", "Label18"})
        column += l2.text(name);
    return column;
}

// The key of a US keyboard that carries a character, with its X11 scan code.
struct UsKey {
    int key;
    quint32 scanCode;
    bool shift;
};

UsKey usKey(QChar c)
{
    static const QString letters = QStringLiteral("qwertyuiopasdfghjklzxcvbnm");
    static const quint32 letterCodes[] = {24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 38, 39, 40,
                                          41, 42, 43, 44, 45, 46, 52, 53, 54, 55, 56, 57, 58};
    const qsizetype letter = letters.indexOf(c.toLower());
    if (letter >= 0)
        return {Qt::Key_A + (c.toLower().unicode() - 'a'), letterCodes[letter], c.isUpper()};
    switch (c.unicode()) {
    case '<': return {Qt::Key_Less, 59, true};
    case '>': return {Qt::Key_Greater, 60, true};
    case ',': return {Qt::Key_Comma, 59, false};
    case '.': return {Qt::Key_Period, 60, false};
    case ':': return {Qt::Key_Colon, 47, true};
    case ';': return {Qt::Key_Semicolon, 47, false};
    case ' ': return {Qt::Key_Space, 65, false};
    default: break;
    }
    if (c.isDigit())
        return {Qt::Key_0 + (c.unicode() - '0'),
                c == QLatin1Char('0') ? 19u : 9u + (c.unicode() - '0'), false};
    qFatal("no US key for %c", char(c.unicode()));
}

// Types Latin characters as the keys of a US keyboard send them.
void typeOnUsKeyboard(QWidget *box, const QString &text)
{
    for (QChar c : text) {
        const UsKey key = usKey(c);
        pressKey(box, key.key, QString(c), key.shift ? Qt::ShiftModifier : Qt::NoModifier,
                 key.scanCode);
    }
}

} // namespace

class LogicScreenTest : public QObject {
    Q_OBJECT
private slots:
    // ---- Л2 ----------------------------------------------------------------

    void truthTableShowsItsVariant()
    {
        L2 l2({2});
        QCOMPARE(fColumn(l2), QStringLiteral("1011"));
        QCOMPARE(l2.text("Заголовок"), QStringLiteral("Логические основы компьютера, Л2"));
        QVERIFY(l2.text("зад1").contains(QStringLiteral("функции F для\r\nвсевозможных")));
        for (int option = 1; option <= 4; ++option) {
            QVERIFY(l2.visible(plain(option)));
            QVERIFY(!l2.visible(twin(option)) && l2.enabled(twin(option)));
            QCOMPARE(l2.find(twin(option))->geometry(), l2.find(plain(option))->geometry());
        }
        // The table stands beside the options, left of their frame.
        QVERIFY(l2.visible("Label8"));
        QWidget *table = l2.find("Таблица");
        QVERIFY(table->geometry().right() < l2.find("Ответы")->x());
        QVERIFY(!table->geometry().intersects(l2.find("КакойОтвет")->geometry()));
    }

    void truthTableHoverSwapsPicturesUntilTheFirstClick()
    {
        L2 l2({1});
        hover(l2.find(plain(3)));
        QVERIFY(!l2.visible(plain(3)) && l2.visible(twin(3)));
        // The twin is the highlight: no hover colour is painted behind it.
        hover(l2.find(twin(3)));
        QVERIFY(!Colours::backgroundOf(l2.find(twin(3))).isValid());
        hover(l2.find("Ответы"), QPoint(3, 3));
        QVERIFY(l2.visible(plain(3)) && !l2.visible(twin(3)));

        choose(l2, 2); // wrong: the option is gone
        hover(l2.find(plain(4)));
        hover(l2.find("Ответы"), QPoint(3, 3));
        QVERIFY(l2.visible(twin(4)) && !l2.visible(plain(4)));
    }

    void truthTableWrongClicksRemoveOptions()
    {
        L2 l2({2});
        choose(l2, 1);
        QVERIFY(!l2.visible(plain(1)) && !l2.visible(twin(1)));
        QVERIFY(l2.visible("Пояснение1") && !l2.visible("Пояснение2"));
        QCOMPARE(l2.text("КакойОтвет"), wrong);
        choose(l2, 3);
        QVERIFY(l2.visible("Пояснение2"));
        choose(l2, 4);
        QCOMPARE(l2.logText(), QStringLiteral(" Л2 - нет,  Л2 - нет,  Л2 - нет, "));
        for (int gone : {1, 3, 4})
            QVERIFY(!l2.visible(plain(gone)) && !l2.visible(twin(gone)));

        choose(l2, 2);
        QCOMPARE(l2.text("КакойОтвет"), right);
        QCOMPARE(l2.logText(), QStringLiteral(" Л2 - нет,  Л2 - нет,  Л2 - нет, "));
        QCOMPARE(l2.pupil.CorrectTotal, qint16(0));
        QVERIFY(l2.visible(twin(2)) && !l2.enabled(twin(2)));
        for (int option = 1; option <= 4; ++option)
            QVERIFY(!l2.visible(plain(option)));
        QVERIFY(l2.visible("Меню") && l2.visible("Image1"));
        l2.click("Меню");
        QCOMPARE(l2.pupil.WrongList, QStringLiteral("Л2/3 "));
        QCOMPARE(l2.navigator.calls.mid(l2.navigator.calls.size() - 2),
                 (QStringList{"menuPicture логика show", "leaveToMenu лог hide"}));
    }

    void truthTableRightAtTheFirstClickAndRepeat()
    {
        L2 l2({4, 1});
        choose(l2, 4);
        QCOMPARE(l2.logText(), QStringLiteral(" Л2 - да, "));
        QCOMPARE(l2.screen->correctCount(), qint16(1));
        for (int other : {1, 2, 3})
            QVERIFY(!l2.visible(twin(other)) && !l2.visible(plain(other)));
        l2.click("Повтор");
        QCOMPARE(fColumn(l2), QStringLiteral("0010"));
        // All eight pictures are back, and hovering the frame restores the
        // plain pictures again.
        for (int option = 1; option <= 4; ++option)
            QVERIFY(l2.visible(plain(option)) && !l2.visible(twin(option)) &&
                    l2.enabled(twin(option)));
        hover(l2.find(plain(2)));
        hover(l2.find("Ответы"), QPoint(3, 3));
        QVERIFY(l2.visible(plain(2)) && !l2.visible(twin(2)));
        QVERIFY(!l2.visible("Повтор") && !l2.visible("КакойОтвет"));
        choose(l2, 1);
        l2.click("Вопросы");
        QCOMPARE(l2.pupil.CorrectList, QStringLiteral(" 2Л2"));
    }

    void truthTableShowsFourTablesPerCycle()
    {
        L2 l2;
        QStringList shown{fColumn(l2)};
        for (int i = 0; i < 4; ++i) {
            l2.open();
            shown << fColumn(l2);
        }
        QCOMPARE(QSet<QString>(shown.begin(), shown.begin() + 4).size(), 4);
        QVERIFY(shown[4] != shown[3]);
    }

    // ---- Л3 ----------------------------------------------------------------

    void roadTableShowsTheVariantsConnections()
    {
        L3 l3({1, 3});
        QCOMPARE(l3.text("BD"), QStringLiteral("3"));
        QCOMPARE(l3.text("EC"), QStringLiteral("1"));
        l3.click("Отв1");
        l3.click("Повтор");
        const QString letters = RoadCostsModel::stations();
        const CostTable expected = RoadCostsModel::table(3);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c)
                if (r != c)
                    QCOMPARE(l3.text(QString(letters[r]) + letters[c]), expected[r][c]);
        for (const QString empty : {"BD", "DB", "CE", "EC"})
            QCOMPARE(l3.text(empty), QString());
        QCOMPARE(l3.text("AB"), QStringLiteral("1"));
        QCOMPARE(l3.text("CA"), QStringLiteral("4"));
        QCOMPARE(l3.find("Text1")->x(), -133); // −2000 twips
    }

    void roadWrongClickHidesItsScheme()
    {
        L3 l3({1});
        l3.click("Отв2");
        QVERIFY(!l3.visible("Отв12"));
        QVERIFY(l3.visible("Отв2") && !l3.enabled("Отв2"));
        QCOMPARE(l3.logText(), QStringLiteral(" Л3 - нет, "));
        QVERIFY(l3.visible("Пояснение"));
        l3.click("Отв3");
        QVERIFY(l3.visible("Пояснение") && !l3.visible("Отв13"));
        l3.click("Отв1");
        QCOMPARE(l3.logText(), QStringLiteral(" Л3 - нет,  Л3 - нет, "));
        QVERIFY(l3.visible("Отв11") && !l3.visible("Отв14") && !l3.visible("Отв4"));
        l3.click("Меню");
        QCOMPARE(l3.pupil.WrongList, QStringLiteral("Л3/2 "));
        QCOMPARE(l3.navigator.calls.last(), QStringLiteral("leaveToMenu лог hide"));
        QVERIFY(l3.navigator.calls.contains(QStringLiteral("menuPicture логика show")));
    }

    void roadRightAtTheFirstClick()
    {
        L3 l3({3});
        l3.click("Отв3");
        QCOMPARE(l3.logText(), QStringLiteral(" Л3 - да, "));
        QVERIFY(l3.visible("Отв3") && !l3.enabled("Отв3") && l3.visible("Отв13"));
        for (int other : {1, 2, 4}) {
            QVERIFY(!l3.visible(QStringLiteral("Отв%1").arg(other)));
            QVERIFY(!l3.visible(QStringLiteral("Отв1%1").arg(other)));
        }
        l3.click("Image1");
        QCOMPARE(l3.pupil.CorrectList, QStringLiteral(" Л3"));
        QCOMPARE(l3.navigator.calls.last(), QStringLiteral("showResults hide"));
        l3.open();
        for (int scheme = 1; scheme <= 4; ++scheme)
            QVERIFY(l3.visible(QStringLiteral("Отв1%1").arg(scheme)));
    }

    void roadHoverColoursLabelAndScheme()
    {
        L3 l3({2});
        hover(l3.find("Отв4"));
        QCOMPARE(Colours::backgroundOf(l3.find("Отв4")), Colours::optionBlue);
        QCOMPARE(Colours::backgroundOf(l3.find("Отв14")), Colours::optionBlue);
        hover(l3.find("Ответы"), QPoint(2, 2));
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(Colours::backgroundOf(l3.find(QStringLiteral("Отв%1").arg(n))),
                     Colours::lightYellow);
            QCOMPARE(Colours::backgroundOf(l3.find(QStringLiteral("Отв1%1").arg(n))),
                     Colours::lightYellow);
        }
    }

    // ---- Л4 ----------------------------------------------------------------

    void recordsShowTheirVariant()
    {
        L4 l4({5, 1}, 6);
        QCOMPARE(l4.text("зад2"), QStringLiteral("Пол = ж ИЛИ Математика>Биология?"));
        QCOMPARE(l4.text("Пол1"), QStringLiteral("м"));
        QCOMPARE(l4.text("Математика2"), QStringLiteral("90"));
        QCOMPARE((QStringList{l4.text("пояс1"), l4.text("пояс2"), l4.text("пояс3")}),
                 (QStringList{"женского", "мужского", "Математика>Биология"}));
        l4.answer("6");
        QCOMPARE(l4.logText(), QStringLiteral(" Л4 - да, "));
        l4.click("Повтор");
        // Every cell is written again from the new variant.
        const RecordTable &table = RecordQueryModel::variants()[0].table;
        for (int r = 1; r <= 6; ++r) {
            QCOMPARE(l4.text(QStringLiteral("Фамилия%1").arg(r)), table[size_t(r - 1)].surname);
            QCOMPARE(l4.text(QStringLiteral("Пол%1").arg(r)), table[size_t(r - 1)].sex);
            for (int s = 0; s < 4; ++s)
                QCOMPARE(l4.text(RecordQueryModel::subjectNames()[size_t(s)] + QString::number(r))
                             .toInt(),
                         table[size_t(r - 1)].scores[size_t(s)]);
        }
        QCOMPARE(l4.text("Заголовок"), QStringLiteral("Логические основы компьютера, Л4"));
    }

    void recordsAcceptTheCountWithALeadingZero()
    {
        L4 l4({1}, 6);
        auto *box = l4.find<QLineEdit>("Ответ");
        typeText(box, QStringLiteral("x-0 4"));
        QCOMPARE(box->text(), QStringLiteral("04"));
        l4.click("ОК");
        QCOMPARE(l4.text("КакойОтвет"), right);
        QCOMPARE(l4.logText(), QStringLiteral(" Л4 - да, "));
        l4.click("Image1");
        QCOMPARE(l4.pupil.CorrectList, QStringLiteral(" Л4"));
        QCOMPARE(l4.fakes.sounds->played.last(), QStringLiteral("click2"));
        QCOMPARE(l4.navigator.calls.last(), QStringLiteral("showResults hide"));
    }

    void recordsListTokens()
    {
        L4 l4({1, 2, 3, 4}, 6);
        l4.answer("3");
        QCOMPARE(l4.text("КакойОтвет"), wrong);
        QVERIFY(l4.visible("Пояснение"));
        l4.answer("5");
        QVERIFY(l4.visible("Пояснение"));
        l4.answer("4");
        l4.click("Повтор");
        QCOMPARE(l4.pupil.WrongList, QStringLiteral(" Л4/2 "));
        l4.answer("1");
        l4.answer("3");
        l4.click("Вопросы");
        QCOMPARE(l4.pupil.WrongList, QStringLiteral(" Л4/2 Л4/1 "));
        QCOMPARE(l4.navigator.calls.last(), QStringLiteral("leaveToMenu лог show"));
        l4.open();
        l4.click("Сдаюсь");
        l4.open();
        l4.answer("9");
        l4.click("Сдаюсь");
        QCOMPARE(l4.pupil.WrongList, QStringLiteral(" Л4/2 Л4/1  Л4/0  Л4/1/0 "));
        QCOMPARE(l4.logText(), QStringLiteral(" Л4 - нет,  Л4 - нет,  Л4 - нет,  Л4 - пропуск,  "
                                              "Л4 - нет,  Л4 - пропуск, "));
    }

    // ---- Л5 ----------------------------------------------------------------

    void chainTypedOnTheLatinLayout()
    {
        L5 l5({4}, 10);
        QCOMPARE(l5.text("зад2"), QStringLiteral("ВА"));
        QCOMPARE(l5.text("Заголовок"), QStringLiteral("Логические основы компьютера, Л5"));
        auto *box = l5.find<QLineEdit>("Ответ");
        typeOnUsKeyboard(box, QStringLiteral("DFFDUUDFFDU"));
        QCOMPARE(box->text(), QStringLiteral("ВААВГГВААВГ"));
        QVERIFY(!l5.fakes.keyboardLayout->switches.isEmpty());
        QVERIFY(l5.fakes.keyboardLayout->switches.last() == KeyboardLayoutKind::Russian);
        QVERIFY(!l5.visible("КакойОтвет"));
        l5.click("ОК");
        QCOMPARE(l5.text("КакойОтвет"), right);
        QCOMPARE(l5.logText(), QStringLiteral(" Л5 - да, "));
    }

    void chainSmallLettersWarnAndAreWrong()
    {
        L5 l5({4}, 10);
        auto *box = l5.find<QLineEdit>("Ответ");
        typeText(box, QStringLiteral("в"));
        QCOMPARE(l5.text("КакойОтвет"),
                 QStringLiteral("В ответе должны быть  только заглавные буквы!"));
        QVERIFY(l5.visible("КакойОтвет"));
        QCOMPARE(l5.fakes.sounds->played.last(), QStringLiteral("нет"));
        typeText(box, QStringLiteral("ааВГГВААВГ"));
        QCOMPARE(box->text(), QStringLiteral("вааВГГВААВГ"));
        l5.click("ОК");
        QCOMPARE(l5.text("КакойОтвет"), wrong);
        QVERIFY(l5.visible("Пояснение"));
    }

    void chainLettersOfTheSignKeys()
    {
        // Б, Ю and Ж sit on keys that carry signs on the Latin layout; the
        // keys give their letters and switch the layout to Russian.
        L5 l5({9}, 10);
        QCOMPARE(l5.text("зад2"), QStringLiteral("БЮ"));
        auto *box = l5.find<QLineEdit>("Ответ");
        typeOnUsKeyboard(box, QStringLiteral("<"));
        QCOMPARE(box->text(), QStringLiteral("Б"));
        QCOMPARE(l5.fakes.keyboardLayout->switches,
                 QList<KeyboardLayoutKind>{KeyboardLayoutKind::Russian});
        typeOnUsKeyboard(box, QStringLiteral(">>:"));
        QCOMPARE(box->text(), QStringLiteral("БЮЮЖ"));
        box->clear();
        typeOnUsKeyboard(box, QStringLiteral("<>>"));
        typeOnUsKeyboard(box, QStringLiteral("<DD<>>"));
        typeOnUsKeyboard(box, QStringLiteral("<D"));
        l5.click("ОК");
        QCOMPARE(l5.logText(), QStringLiteral(" Л5 - да, "));
    }

    void chainDigitsAreDiscardedAndBlanksCount()
    {
        L5 l5({1, 7}, 10);
        auto *box = l5.find<QLineEdit>("Ответ");
        typeOnUsKeyboard(box, QStringLiteral("1234567890"));
        QCOMPARE(box->text(), QString());
        QVERIFY(l5.fakes.keyboardLayout->switches.isEmpty());
        typeText(box, QStringLiteral("БММБВВБММБВ "));
        QCOMPARE(box->text(), QStringLiteral("БММБВВБММБВ "));
        l5.click("ОК");
        QCOMPARE(l5.text("КакойОтвет"), wrong);
        l5.click("Сдаюсь");
        QCOMPARE(l5.pupil.WrongList, QStringLiteral(" Л5/1/0 "));
        QCOMPARE(l5.logText(), QStringLiteral(" Л5 - нет,  Л5 - пропуск, "));
        l5.open();
        QCOMPARE(l5.text("зад2"), QStringLiteral("БМ"));
        l5.answer(QStringLiteral("БММБВВБММБВ"));
        QCOMPARE(l5.text("КакойОтвет"), right);
        l5.click("Меню");
        QCOMPARE(l5.pupil.CorrectList, QStringLiteral(" Л5"));
        QCOMPARE(l5.navigator.calls.last(), QStringLiteral("leaveToMenu лог hide"));
    }

    void chainShowsEveryVariantOncePerCycle()
    {
        L5 l5;
        auto variant = [&l5] {
            return static_cast<const LetterChain &>(l5.screen->exercise()).model().variant();
        };
        QList<int> variants{variant()};
        for (int i = 0; i < 10; ++i) {
            l5.open();
            variants << variant();
        }
        QCOMPARE(QSet<int>(variants.begin(), variants.begin() + 10).size(), 10);
        QVERIFY(variants[10] != variants[9]);
    }
};

ZORBIKS_TEST(LogicScreenTest)
#include "LogicScreenTest.moc"
