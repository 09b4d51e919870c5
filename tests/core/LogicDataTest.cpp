// The data of Л2 … Л5 checked against what the questions mean: truth tables
// evaluated from the expressions, cost tables against the drawn roads,
// record counts from the tables and conditions, letter chains from the
// algorithm.

#include "support/TestMain.h"

#include "log/Cp1251.h"
#include "platform/KeyCodes.h"
#include "tasks/logic/LetterChain.h"
#include "tasks/logic/RecordQuery.h"
#include "tasks/logic/RoadCosts.h"
#include "tasks/logic/TruthTable.h"

#include <QTest>

using namespace zorbiks;

namespace {

// Evaluates the Л2 expressions: X, Y, "¬" before a letter, "&" binding
// tighter than "\/".
class Expression {
public:
    Expression(QString text, bool x, bool y)
        : text_(std::move(text).remove(QLatin1Char(' ')))
        , x_(x)
        , y_(y)
    {}

    bool value()
    {
        bool result = conjunction();
        while (take(QStringLiteral("\\/")))
            result = conjunction() || result;
        if (position_ != text_.size())
            qFatal("trailing text in %s", qPrintable(text_));
        return result;
    }

private:
    bool take(const QString &token)
    {
        if (text_.mid(position_, token.size()) != token)
            return false;
        position_ += token.size();
        return true;
    }
    bool conjunction()
    {
        bool result = literal();
        while (take(QStringLiteral("&")))
            result = literal() && result;
        return result;
    }
    bool literal()
    {
        if (take(QStringLiteral("¬")))
            return !literal();
        if (take(QStringLiteral("X")))
            return x_;
        if (take(QStringLiteral("Y")))
            return y_;
        qFatal("unexpected text in %s", qPrintable(text_));
    }

    QString text_;
    bool x_;
    bool y_;
    qsizetype position_ = 0;
};

std::array<int, 4> columnOf(const QString &expression)
{
    std::array<int, 4> column{};
    const int rows[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    for (size_t i = 0; i < 4; ++i)
        column[i] = Expression(expression, rows[i][0], rows[i][1]).value() ? 1 : 0;
    return column;
}

// The costs a scheme's roads give, as the table shows them.
CostTable tableOf(const SchemeData &scheme)
{
    CostTable table{};
    const QString &letters = RoadCostsModel::stations();
    for (const SchemeRoad &road : scheme.roads) {
        const auto from = static_cast<size_t>(letters.indexOf(road.from));
        const auto to = static_cast<size_t>(letters.indexOf(road.to));
        table[from][to] = table[to][from] = QString::number(road.cost);
    }
    return table;
}

// One pass of the Л5 algorithm; the alphabet's step after Е is Ж.
QString applyOnce(const QString &chain)
{
    const QString alphabet = QStringLiteral("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    QString reversed = chain;
    std::reverse(reversed.begin(), reversed.end());
    const qsizetype first = alphabet.indexOf(chain.at(0));
    return chain + reversed + alphabet.at(first + 1);
}

ushort cp(const QString &character)
{
    return Cp1251::code(character.at(0));
}

} // namespace

class LogicDataTest : public QObject {
    Q_OBJECT
private slots:
    void truthTableMatchesOnlyItsExpression()
    {
        const auto &expressions = TruthTableModel::expressions();
        for (int variant = 1; variant <= 4; ++variant) {
            const auto &column = TruthTableModel::columns()[size_t(variant - 1)];
            for (int option = 1; option <= 4; ++option) {
                const bool same = columnOf(expressions[size_t(option - 1)]) == column;
                QVERIFY2(
                    same == (option == variant),
                    qPrintable(QStringLiteral("variant %1, option %2").arg(variant).arg(option)));
            }
        }
    }

    void costTableMatchesOnlyItsScheme()
    {
        for (int variant = 1; variant <= 4; ++variant) {
            const CostTable table = RoadCostsModel::table(variant);
            for (size_t i = 0; i < 5; ++i) {
                QVERIFY(table[i][i].isEmpty());
                for (size_t j = 0; j < 5; ++j)
                    QCOMPARE(table[i][j], table[j][i]);
            }
            for (int scheme = 1; scheme <= 4; ++scheme) {
                const bool same = tableOf(RoadCostsModel::schemes()[size_t(scheme - 1)]) == table;
                QVERIFY2(
                    same == (scheme == variant),
                    qPrintable(QStringLiteral("variant %1, scheme %2").arg(variant).arg(scheme)));
            }
        }
    }

    void costTableWritesOnlyItsTwelveCells()
    {
        // Besides A–B and A–C, a variant writes only the twelve cells of
        // the draw.
        const auto &pairs = RoadCostsModel::writtenPairs();
        for (const auto &costs : RoadCostsModel::variantCosts()) {
            for (const StationCost &cost : costs) {
                const bool listed = pairs.contains(std::pair(cost.from, cost.to)) ||
                                    pairs.contains(std::pair(cost.to, cost.from));
                QVERIFY(listed);
            }
        }
    }

    void fourthSchemeHasFourStationsOnALine()
    {
        const SchemeData &scheme = RoadCostsModel::schemes()[3];
        auto position = [&scheme](char letter) {
            for (const SchemeStation &station : scheme.stations) {
                if (station.letter == QLatin1Char(letter))
                    return station.position;
            }
            return QPointF(-1, -1);
        };
        const QPointF b = position('B');
        const QPointF d = position('D');
        for (char letter : {'A', 'C'}) {
            const QPointF p = position(letter);
            const double cross = (d - b).x() * (p - b).y() - (d - b).y() * (p - b).x();
            QVERIFY(qAbs(cross) < 1e-9);
            QVERIFY(p.x() > b.x() && p.x() < d.x());
        }
        QVERIFY(position('A').x() < position('C').x());
    }

    void recordCountFollowsTableAndCondition()
    {
        for (const QueryVariant &v : RecordQueryModel::variants()) {
            int count = 0;
            for (const PupilEntry &entry : v.table) {
                if (entry.sex == v.sex ||
                    entry.scores[size_t(v.greater)] > entry.scores[size_t(v.smaller)])
                    ++count;
            }
            QCOMPARE(v.answer, count);
        }
    }

    void recordConditionTexts_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("other");
        QTest::newRow("1") << 1 << "Пол = м ИЛИ Химия>Биология?"
                           << "мужского"
                           << "женского";
        QTest::newRow("3") << 3 << "Пол = ж ИЛИ Математика>Информатика?"
                           << "женского"
                           << "мужского";
        QTest::newRow("5") << 5 << "Пол = ж ИЛИ Математика>Биология?"
                           << "женского"
                           << "мужского";
    }

    void recordConditionTexts()
    {
        QFETCH(int, variant);
        QFETCH(QString, condition);
        QFETCH(QString, whole);
        QFETCH(QString, other);
        const QueryVariant &v = RecordQueryModel::variants()[size_t(variant - 1)];
        QCOMPARE(RecordQueryModel::condition(v), condition);
        QCOMPARE(RecordQueryModel::sexWord(v.sex), whole);
        QCOMPARE(RecordQueryModel::sexWord(RecordQueryModel::otherSex(v.sex)), other);
        QCOMPARE(RecordQueryModel::comparison(v) + QLatin1Char('?'),
                 condition.mid(condition.indexOf(QStringLiteral("ИЛИ ")) + 4));
    }

    void recordVariantsFourAndSixDifferInOneScore()
    {
        const auto &variants = RecordQueryModel::variants();
        const RecordTable &four = variants[3].table;
        const RecordTable &six = variants[5].table;
        QCOMPARE(RecordQueryModel::condition(variants[3]),
                 RecordQueryModel::condition(variants[5]));
        int differences = 0;
        for (size_t r = 0; r < 6; ++r) {
            QCOMPARE(four[r].sex, six[r].sex);
            for (size_t s = 0; s < 4; ++s)
                differences += four[r].scores[s] != six[r].scores[s];
        }
        QCOMPARE(differences, 1);
        QCOMPARE(four[3].scores[Informatics], 72);
        QCOMPARE(six[3].scores[Informatics], 82);
    }

    void recordAnswerReadsItsLeadingNumber()
    {
        RecordQueryModel model; // variant 1 before any draw: 4 records
        QVERIFY(model.isCorrect(QStringLiteral("4")));
        QVERIFY(model.isCorrect(QStringLiteral("04")));
        QVERIFY(!model.isCorrect(QStringLiteral("3")));
        QVERIFY(!model.isCorrect(QStringLiteral("5")));
        QVERIFY(!model.isCorrect(QString()));
    }

    void letterChainIsTheAlgorithmAppliedTwice()
    {
        for (const ChainVariant &v : LetterChainModel::variants()) {
            QCOMPARE(v.chain.size(), 2);
            QCOMPARE(v.answer, applyOnce(applyOnce(v.chain)));
        }
        QCOMPARE(LetterChainModel::variants()[0].chain, LetterChainModel::variants()[6].chain);
    }

    void letterChainKeyFilter_data()
    {
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("lastKeyDown");
        QTest::addColumn<int>("entered");
        QTest::addColumn<bool>("switches");
        QTest::addColumn<bool>("warns");
        const int none = 0;
        QTest::newRow("Shift+D gives В") << int('D') << none << int(cp("В")) << true << false;
        QTest::newRow("Shift+F gives А") << int('F') << none << int(cp("А")) << true << false;
        QTest::newRow("f gives а, warned") << int('f') << none << int(cp("а")) << true << true;
        QTest::newRow("< gives Б") << int('<') << none << int(cp("Б")) << true << false;
        QTest::newRow("> gives Ю") << int('>') << none << int(cp("Ю")) << true << false;
        QTest::newRow(": gives Ж") << int(':') << none << int(cp("Ж")) << true << false;
        QTest::newRow(". gives ю") << int('.') << none << int(cp("ю")) << true << true;
        QTest::newRow("; gives ж") << int(';') << none << int(cp("ж")) << true << true;
        QTest::newRow(", gives б") << int(',') << none << int(cp("б")) << true << true;
        QTest::newRow("Russian point") << int('.') << KeyCode::Slash << 0 << false << false;
        QTest::newRow("Russian colon") << int(':') << KeyCode::Digit6 << 0 << false << false;
        QTest::newRow("Russian semicolon") << int(';') << KeyCode::Digit4 << 0 << false << false;
        QTest::newRow("digit") << int('5') << none << 0 << false << false;
        QTest::newRow("equals") << int('=') << none << 0 << false << false;
        QTest::newRow("question mark") << int('?') << none << 0 << false << false;
        QTest::newRow("backslash") << int('\\') << none << 0 << false << false;
        QTest::newRow("bar") << int('|') << none << 0 << false << false;
        QTest::newRow("blank") << int(' ') << none << int(' ') << true << false;
        QTest::newRow("Cyrillic capital") << int(cp("Г")) << none << int(cp("Г")) << false << false;
        QTest::newRow("Cyrillic small") << int(cp("г")) << none << int(cp("г")) << false << true;
        QTest::newRow("backspace") << 8 << none << 8 << false << false;
    }

    void letterChainKeyFilter()
    {
        QFETCH(int, typed);
        QFETCH(int, lastKeyDown);
        QFETCH(int, entered);
        QFETCH(bool, switches);
        QFETCH(bool, warns);
        const KeyVerdict verdict = LetterChainModel::filter(ushort(typed), lastKeyDown);
        QCOMPARE(int(verdict.code), entered);
        QCOMPARE(verdict.layout.has_value(), switches);
        if (switches)
            QCOMPARE(*verdict.layout, KeyboardLayoutKind::Russian);
        QCOMPARE(verdict.warning.isEmpty(), !warns);
        if (warns)
            QCOMPARE(verdict.warning,
                     QStringLiteral("В ответе должны быть  только заглавные буквы!"));
    }

    void letterChainAnswerIsExact()
    {
        LetterChainModel model; // variant 1: БМ
        QVERIFY(model.isCorrect(QStringLiteral("БММБВВБММБВ")));
        QVERIFY(!model.isCorrect(QStringLiteral("бммбввбммбв")));
        QVERIFY(!model.isCorrect(QStringLiteral("БММБВВБММБВ ")));
        QVERIFY(!model.isCorrect(QStringLiteral(" БММБВВБММБВ")));
    }
};

ZORBIKS_TEST(LogicDataTest)
#include "LogicDataTest.moc"
