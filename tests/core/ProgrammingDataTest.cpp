// The data of П2, П3 and П4 checked against what the tasks mean: the loop
// simulated, the assignments evaluated, every command string tried.

#include "support/TestMain.h"

#include "platform/FakeServices.h"
#include "tasks/programming/LoopFlowchart.h"
#include "tasks/programming/ThreeAssignments.h"
#include "tasks/programming/TriplerCommands.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace zorbiks;

namespace {

// Runs "b := 0, c := 0; until b = limit: body" with the statements of a
// flowchart box ("x := y + z" or "x := y + number").
struct LoopRun {
    QList<int> b, c; // at the start of every pass
    int answer = 0;
};

LoopRun simulate(const QString &condition, const QString &body)
{
    const QRegularExpression test(QStringLiteral("^b=(\\d+)$"));
    const QRegularExpressionMatch limitMatch = test.match(condition);
    if (!limitMatch.hasMatch())
        qFatal("unreadable condition %s", qPrintable(condition));
    const int limit = limitMatch.captured(1).toInt();

    const QRegularExpression statement(QStringLiteral("([bc]) := ([bc]) \\+ ([bc]|\\d+)"));
    QList<QRegularExpressionMatch> statements;
    for (auto it = statement.globalMatch(body); it.hasNext();)
        statements.append(it.next());
    if (statements.size() != 2)
        qFatal("unreadable body %s", qPrintable(body));

    QHash<QString, int> vars{{"b", 0}, {"c", 0}};
    LoopRun run;
    for (int pass = 0; vars["b"] != limit; ++pass) {
        if (pass > 1000)
            qFatal("the loop of %s never ends", qPrintable(condition));
        run.b << vars["b"];
        run.c << vars["c"];
        for (const QRegularExpressionMatch &s : statements) {
            const QString addend = s.captured(3);
            const int value = addend.at(0).isDigit() ? addend.toInt() : vars[addend];
            vars[s.captured(1)] = vars[s.captured(2)] + value;
        }
    }
    run.answer = vars["c"];
    return run;
}

// Integer expressions over a and b with + - * /, the usual precedence and
// left-to-right order; every division must be whole.
class Expression {
public:
    Expression(const QString &text, const QHash<QChar, qint64> &vars)
        : text_(QString(text).remove(QLatin1Char(' ')))
        , vars_(vars)
    {}

    qint64 value()
    {
        const qint64 result = sum();
        if (position_ != text_.size())
            qFatal("trailing text in %s", qPrintable(text_));
        return result;
    }
    bool allDivisionsWhole() const { return whole_; }

private:
    qint64 sum()
    {
        qint64 result = product();
        while (position_ < text_.size() && (peek() == '+' || peek() == '-')) {
            const bool plus = text_.at(position_++) == QLatin1Char('+');
            const qint64 right = product();
            result = plus ? result + right : result - right;
        }
        return result;
    }
    qint64 product()
    {
        qint64 result = operand();
        while (position_ < text_.size() && (peek() == '*' || peek() == '/')) {
            const bool times = text_.at(position_++) == QLatin1Char('*');
            const qint64 right = operand();
            if (!times && (right == 0 || result % right != 0))
                whole_ = false;
            result = times ? result * right : (right == 0 ? 0 : result / right);
        }
        return result;
    }
    qint64 operand()
    {
        if (position_ >= text_.size())
            qFatal("operand missing in %s", qPrintable(text_));
        const QChar c = text_.at(position_);
        if (vars_.contains(c)) {
            ++position_;
            return vars_.value(c);
        }
        qsizetype end = position_;
        while (end < text_.size() && text_.at(end).isDigit())
            ++end;
        if (end == position_)
            qFatal("unexpected %s in %s", qPrintable(QString(c)), qPrintable(text_));
        const qint64 number = text_.mid(position_, end - position_).toLongLong();
        position_ = end;
        return number;
    }
    char peek() const { return text_.at(position_).toLatin1(); }

    QString text_;
    QHash<QChar, qint64> vars_;
    qsizetype position_ = 0;
    bool whole_ = true;
};

// Every string of one to `longest` commands.
QStringList commandStrings(int longest)
{
    QStringList all;
    QStringList level{QString()};
    for (int length = 1; length <= longest; ++length) {
        QStringList next;
        for (const QString &prefix : std::as_const(level))
            next << prefix + '1' << prefix + '2';
        all << next;
        level = next;
    }
    return all;
}

qint64 applyCommands(qint64 number, const QString &commands)
{
    for (QChar c : commands)
        number = c == '1' ? number - 2 : number * 3;
    return number;
}

template <typename Model> Model modelShowing(int variant, int count)
{
    ScriptedRandom random;
    random.scriptDraw(variant, count);
    Model model;
    model.draw(random);
    if (model.variant() != variant)
        qFatal("variant %d not drawn", variant);
    return model;
}

} // namespace

class ProgrammingDataTest : public QObject {
    Q_OBJECT
private slots:
    void loopAnswersAndTracesEqualTheLoopRun()
    {
        int number = 0;
        for (const LoopVariant &v : LoopFlowchartModel::variants()) {
            const QByteArray name = "variant " + QByteArray::number(++number);
            const LoopRun run = simulate(v.condition, v.body);
            QVERIFY2(run.b.size() >= 6, name);
            QCOMPARE(QList<int>(v.b.begin(), v.b.end()), run.b.mid(0, 6));
            QCOMPARE(QList<int>(v.c.begin(), v.c.end()), run.c.mid(0, 6));
            QCOMPARE(v.answer, run.answer);
            QCOMPARE(QStringLiteral("b=") + QString::number(v.limit), v.condition);
        }
    }

    void loopChecksTheWholeTypedNumber_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("right") << 1 << "55" << true;
        QTest::newRow("leading zero") << 1 << "055" << true;
        QTest::newRow("sixteen bits more") << 1 << QString::number(55 + 65536) << false;
        QTest::newRow("much longer") << 1 << "1000000000000000000055" << false;
        QTest::newRow("c one pass early") << 1 << "45" << false;
        QTest::newRow("variant six") << 6 << "63" << true;
        QTest::newRow("empty") << 4 << "" << false;
    }

    void loopChecksTheWholeTypedNumber()
    {
        QFETCH(int, variant);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        const auto model = modelShowing<LoopFlowchartModel>(variant, 6);
        QCOMPARE(model.isCorrect(typed), accepted);
    }

    void loopNeverShowsTheSameVariantTwiceRunning()
    {
        ScriptedRandom random;
        for (int v : {3, 3, 3, 5, 3})
            random.scriptDraw(v, 6);
        LoopFlowchartModel model;
        QList<int> shown;
        for (int i = 0; i < 3; ++i) {
            model.draw(random);
            shown << model.variant();
        }
        // No marks: 3 may return right after one other.
        QCOMPARE(shown, (QList<int>{3, 5, 3}));
        QCOMPARE(random.draws, 5);
    }

    void assignmentAnswersEqualTheThreeAssignments()
    {
        int number = 0;
        for (const AssignmentVariant &v : ThreeAssignmentsModel::variants()) {
            const QByteArray name = "variant " + QByteArray::number(++number);
            // The pupil reads the Cyrillic а as the variable a.
            const auto latin = [](QString text) { return text.replace(QChar(0x430), 'a'); };
            Expression first(v.first, {});
            const qint64 a0 = first.value();
            Expression second(latin(v.second), {{'a', a0}});
            const qint64 b = second.value();
            Expression third(latin(v.third), {{'a', a0}, {'b', b}});
            const qint64 a = third.value();
            QVERIFY2(second.allDivisionsWhole() && third.allDivisionsWhole(), name);
            QVERIFY2(a == v.answer,
                     qPrintable(QString("%1: %2, not %3").arg(name).arg(a).arg(v.answer)));
        }
    }

    void assignmentsWriteTheCyrillicLetterWhereItStood()
    {
        int number = 0;
        for (const AssignmentVariant &v : ThreeAssignmentsModel::variants()) {
            ++number;
            const bool cyrillic = number != 3;
            QCOMPARE(v.second.contains(QChar(0x430)), cyrillic);
            QCOMPARE(v.second.contains('a'), !cyrillic);
            QVERIFY(!v.third.contains(QChar(0x430)));
        }
    }

    void assignmentsReadTheSignAndThePoint_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("minus one") << 3 << "-1" << true;
        QTest::newRow("one without its sign") << 3 << "1" << false;
        QTest::newRow("minus six with a point") << 4 << "-6.0" << true;
        QTest::newRow("six") << 4 << "6" << false;
        QTest::newRow("thirty-two") << 1 << "32" << true;
        QTest::newRow("b over the product 2a") << 1 << "2" << false;
        QTest::newRow("a fraction") << 5 << "2.5" << false;
        QTest::newRow("trailing minus") << 7 << "16-" << true;
        QTest::newRow("sign alone") << 8 << "-" << false;
    }

    void assignmentsReadTheSignAndThePoint()
    {
        QFETCH(int, variant);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        const auto model = modelShowing<ThreeAssignmentsModel>(variant, 8);
        QCOMPARE(model.isCorrect(typed), accepted);
    }

    void keyFilters()
    {
        for (ushort code = 0; code < 256; ++code) {
            const bool digit = code <= 8 || (code >= '0' && code <= '9');
            const bool signed_ = digit || code == '-' || code == '.';
            QCOMPARE(LoopFlowchartModel::filter(code).code, digit ? code : ushort(0));
            QCOMPARE(TriplerCommandsModel::filter(code).code, digit ? code : ushort(0));
            QCOMPARE(ThreeAssignmentsModel::filter(code).code, signed_ ? code : ushort(0));
            QVERIFY(ThreeAssignmentsModel::filter(code).warning.isEmpty());
        }
    }

    void triplerAcceptsExactlyTheAlgorithmsThatReachTheTarget()
    {
        const QStringList all = commandStrings(5);
        QCOMPARE(all.size(), 62);
        int number = 0;
        for (const TriplerVariant &v : TriplerCommandsModel::variants()) {
            ++number;
            const QByteArray name = "variant " + QByteArray::number(number);
            QVERIFY2(v.stored.size() <= 5, name);
            QCOMPARE(applyCommands(v.start, v.stored), qint64(v.target));

            QStringList reaching;
            for (const QString &commands : all) {
                if (applyCommands(v.start, commands) == v.target)
                    reaching << commands;
            }
            if (number <= 5)
                QCOMPARE(reaching, QStringList{v.stored});
            else
                QCOMPARE(reaching, (QStringList{"212", "22111"}));

            const auto model = modelShowing<TriplerCommandsModel>(number, 6);
            for (const QString &commands : all)
                QVERIFY2(model.isCorrect(commands) == reaching.contains(commands),
                         qPrintable(name + ' ' + commands));
        }
    }

    void triplerRefusesWhatIsNotFiveCommandsOrFewer_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("typed");
        QTest::newRow("four of five") << 1 << "1112";
        QTest::newRow("another digit") << 1 << "11131";
        QTest::newRow("zero") << 1 << "011121";
        QTest::newRow("empty") << 1 << "";
        // 2 → 6 → 4 → 2 → 6 → 4 → 12
        QTest::newRow("six commands reaching 12") << 6 << "211212";
    }

    void triplerRefusesWhatIsNotFiveCommandsOrFewer()
    {
        QFETCH(int, variant);
        QFETCH(QString, typed);
        const auto model = modelShowing<TriplerCommandsModel>(variant, 6);
        if (typed.size() > 5 && !typed.contains('0'))
            QCOMPARE(applyCommands(model.current().start, typed), qint64(model.current().target));
        QVERIFY(!model.isCorrect(typed));
    }
};

ZORBIKS_TEST(ProgrammingDataTest)
#include "ProgrammingDataTest.moc"
