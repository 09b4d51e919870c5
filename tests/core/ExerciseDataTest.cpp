// The data of the exercises checked against the rules of their questions,
// by computing the answers instead of restating them.

#include "support/TestMain.h"

#include "platform/FakeServices.h"
#include "tasks/encoding/UnicodeVolume.h"
#include "tasks/infotech/SpreadsheetChart.h"
#include "tasks/logic/CompoundCondition.h"

#include <QHash>
#include <QTest>

using namespace zorbiks;

namespace {

// A tiny evaluator of the Л1 expressions: comparisons of X with a number,
// "/\" and "\/", and brackets.
class Condition {
public:
    Condition(QString text, int x)
        : text_(std::move(text))
        , x_(x)
    {}

    bool value()
    {
        const bool result = disjunction();
        skipBlanks();
        if (position_ != text_.size())
            qFatal("trailing text in %s", qPrintable(text_));
        return result;
    }

private:
    void skipBlanks()
    {
        while (position_ < text_.size() && text_.at(position_) == QLatin1Char(' '))
            ++position_;
    }
    bool take(const QString &token)
    {
        skipBlanks();
        if (text_.mid(position_, token.size()) != token)
            return false;
        position_ += token.size();
        return true;
    }
    bool disjunction()
    {
        bool result = conjunction();
        while (take("\\/")) {
            const bool right = conjunction();
            result = result || right;
        }
        return result;
    }
    bool conjunction()
    {
        bool result = atom();
        while (take("/\\")) {
            const bool right = atom();
            result = result && right;
        }
        return result;
    }
    bool atom()
    {
        if (take("(")) {
            const bool result = disjunction();
            if (!take(")"))
                qFatal("missing bracket in %s", qPrintable(text_));
            return result;
        }
        if (!take("X"))
            qFatal("expected X in %s", qPrintable(text_));
        const bool less = take("<");
        if (!less && !take(">"))
            qFatal("expected a comparison in %s", qPrintable(text_));
        skipBlanks();
        qsizetype end = position_;
        while (end < text_.size() && text_.at(end).isDigit())
            ++end;
        const int number = text_.mid(position_, end - position_).toInt();
        position_ = end;
        return less ? x_ < number : x_ > number;
    }

    QString text_;
    int x_;
    qsizetype position_ = 0;
};

// The two sides of the top-level conjunction: the mandatory comparison and
// the bracketed disjunction.
std::pair<QString, QString> splitConjunction(const QString &expression)
{
    int depth = 0;
    for (qsizetype i = 0; i + 1 < expression.size(); ++i) {
        const QChar c = expression.at(i);
        depth += c == QLatin1Char('(') ? 1 : c == QLatin1Char(')') ? -1 : 0;
        if (depth == 0 && expression.mid(i, 2) == "/\\") {
            QString left = expression.left(i).trimmed();
            QString right = expression.mid(i + 2).trimmed();
            return left.contains("\\/") ? std::pair(right, left) : std::pair(left, right);
        }
    }
    qFatal("no conjunction in %s", qPrintable(expression));
}

QString withoutBrackets(QString text)
{
    text = text.trimmed();
    while (text.startsWith('(') && text.endsWith(')'))
        text = text.mid(1, text.size() - 2).trimmed();
    return text;
}

// Spreadsheet formulas of И1: numbers, cell addresses (Latin or look-alike
// Cyrillic letters), + - * / with the usual precedence.
class Sheet {
public:
    explicit Sheet(QHash<QString, QString> cells)
        : cells_(std::move(cells))
    {}

    double value(const QString &address)
    {
        QString text = cells_.value(address).trimmed();
        if (!text.startsWith('='))
            return text.isEmpty() ? 0 : text.toDouble();
        text = text.mid(1).replace("А", "A").replace("В", "B").replace("С", "C").remove(' ');
        qsizetype position = 0;
        return sum(text, position);
    }

private:
    double sum(const QString &text, qsizetype &position)
    {
        double result = product(text, position);
        while (position < text.size() && (text[position] == '+' || text[position] == '-')) {
            const bool plus = text[position++] == '+';
            const double right = product(text, position);
            result = plus ? result + right : result - right;
        }
        return result;
    }
    double product(const QString &text, qsizetype &position)
    {
        double result = operand(text, position);
        while (position < text.size() && (text[position] == '*' || text[position] == '/')) {
            const bool times = text[position++] == '*';
            const double right = operand(text, position);
            result = times ? result * right : result / right;
        }
        return result;
    }
    double operand(const QString &text, qsizetype &position)
    {
        if (text[position].isLetter()) {
            const QString address = text.mid(position, 2);
            position += 2;
            return value(address);
        }
        qsizetype end = position;
        while (end < text.size() && text[end].isDigit())
            ++end;
        const double number = text.mid(position, end - position).toDouble();
        position = end;
        return number;
    }

    QHash<QString, QString> cells_;
};

} // namespace

class ExerciseDataTest : public QObject {
    Q_OBJECT
private slots:
    void unicodeVolumeAnswersSixteenBitsPerCharacter_data()
    {
        QTest::addColumn<double>("raw");
        QTest::addColumn<int>("characters");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("smallest") << 0.0 << 20 << "320" << true;
        QTest::newRow("largest") << 0.9999 << 86 << "1376" << true;
        QTest::newRow("leading zeros") << 2.5 / 67 << 22 << "0352" << true;
        QTest::newRow("wrong") << 2.5 / 67 << 22 << "351" << false;
        QTest::newRow("bytes instead of bits") << 2.5 / 67 << 22 << "44" << false;
    }

    void unicodeVolumeAnswersSixteenBitsPerCharacter()
    {
        QFETCH(double, raw);
        QFETCH(int, characters);
        QFETCH(QString, answer);
        QFETCH(bool, accepted);
        ScriptedRandom random;
        random.script.enqueue(raw);
        UnicodeVolumeModel model;
        model.draw(random);
        QCOMPARE(model.characters(), characters);
        QCOMPARE(model.isCorrect(answer), accepted);
    }

    void unicodeVolumeNeverDrawsTheSameNumberTwiceRunning()
    {
        ScriptedRandom random;
        for (double raw : {0.5, 0.5, 0.5, 0.1})
            random.script.enqueue(raw);
        UnicodeVolumeModel model;
        model.draw(random);
        const int first = model.characters();
        model.draw(random);
        QVERIFY(model.characters() != first);
        QCOMPARE(random.draws, 4);
    }

    void unicodeVolumeKeyFilter()
    {
        for (ushort code = 0; code < 256; ++code) {
            const bool passes = code <= 8 || (code >= '0' && code <= '9');
            QCOMPARE(UnicodeVolumeModel::filter(code).code, passes ? code : ushort(0));
            QVERIFY(UnicodeVolumeModel::filter(code).warning.isEmpty());
        }
    }

    void compoundConditionVariantsMeetTheRule()
    {
        int number = 0;
        for (const ConditionVariant &v : CompoundConditionModel::variants()) {
            ++number;
            const QByteArray name = "variant " + QByteArray::number(number);
            for (size_t i = 1; i < v.candidates.size(); ++i)
                QVERIFY2(v.candidates[i] == v.candidates[i - 1] + 1, name);

            const auto [mandatory, disjunction] = splitConjunction(v.expression);
            QCOMPARE(withoutBrackets(mandatory), v.mandatory);
            QList<int> trueFor, failMandatory, failOnlyDisjunction;
            for (int x : v.candidates) {
                const bool whole = Condition(v.expression, x).value();
                const bool first = Condition(mandatory, x).value();
                const bool second = Condition(disjunction, x).value();
                QCOMPARE(whole, first && second);
                if (whole)
                    trueFor << x;
                if (!first)
                    failMandatory << x;
                if (first && !second)
                    failOnlyDisjunction << x;
            }
            QVERIFY2(trueFor.size() == 1, name);
            QCOMPARE(trueFor.first(), v.candidates[static_cast<size_t>(v.accepted - 1)]);
            QCOMPARE(failMandatory, (QList<int>{v.failMandatory[0], v.failMandatory[1]}));
            QCOMPARE(failOnlyDisjunction, QList<int>{v.failDisjunction});
        }
    }

    void compoundConditionVariantTwo()
    {
        const ConditionVariant &v = CompoundConditionModel::variants()[1];
        QCOMPARE(v.expression, QStringLiteral("(X < 5) /\\ ((X < 3) \\/ (X > 3))"));
        QCOMPARE(v.failMandatory, (std::array<int, 2>{5, 6}));
        QCOMPARE(v.mandatory, QStringLiteral("X < 5"));
        QCOMPARE(v.failDisjunction, 3);
    }

    void spreadsheetFormulasGiveTheChartOfTheRightOption()
    {
        const auto &fixed = SpreadsheetChartModel::fixedCells();
        const QString columns = "ABCD";
        for (size_t set = 0; set < SpreadsheetChartModel::dataSets().size(); ++set) {
            QHash<QString, QString> cells;
            for (int row = 1; row <= 2; ++row) {
                for (int column = 1; column <= 4; ++column)
                    cells.insert(columns.mid(column - 1, 1) + QString::number(row),
                                 fixed[static_cast<size_t>(row)][static_cast<size_t>(column)]);
            }
            cells["C2"] = SpreadsheetChartModel::dataSets()[set].c2;
            cells["D2"] = SpreadsheetChartModel::dataSets()[set].d2;
            Sheet sheet(cells);
            QList<int> values;
            for (const QString address : {"A2", "B2", "C2", "D2"})
                values << static_cast<int>(sheet.value(address));

            // The correct option is the data set's number; a chart is read in
            // any direction, a pie in any order.
            const ChartData &chart = SpreadsheetChartModel::charts()[set];
            QList<int> shown = chart.values;
            if (chart.pie) {
                std::sort(values.begin(), values.end());
                std::sort(shown.begin(), shown.end());
                QCOMPARE(shown, values);
            } else {
                QList<int> reversed(shown.rbegin(), shown.rend());
                QVERIFY2(shown == values || reversed == values,
                         qPrintable(QString("data set %1").arg(set + 1)));
            }
        }
    }
};

ZORBIKS_TEST(ExerciseDataTest)
#include "ExerciseDataTest.moc"
