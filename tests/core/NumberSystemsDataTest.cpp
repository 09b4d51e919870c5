// The tables of К6, К7, К9 and К10 checked row by row: the text each row
// shows, and an answer that must be the plain notation of the shown number
// as the test computes it, so that a mistyped row fails.

#include "support/TestMain.h"

#include "drawing/ColumnSum.h"
#include "exercise/BinaryFilter.h"
#include "log/Cp1251.h"
#include "platform/FakeServices.h"
#include "tasks/encoding/BinaryAddition.h"
#include "tasks/encoding/BinaryToDecimal.h"
#include "tasks/encoding/DecimalToBinary.h"
#include "tasks/encoding/HexToBinary.h"

#include <QRegularExpression>
#include <QTest>

using namespace zorbiks;

namespace {

QString binary(qlonglong value)
{
    return QString::number(value, 2);
}

// Checks the row the drill shows after drawing `k`, and that exactly the
// expected answer is accepted (not with a leading zero, not with a blank).
void checkDrawnRow(const QList<NumberRow> &rows, int k, const QString &answer)
{
    NumberDrill drill(rows);
    ScriptedRandom random;
    random.scriptDraw(k, static_cast<int>(rows.size()));
    drill.draw(random);
    QCOMPARE(drill.current(), k);
    QVERIFY(drill.isCorrect(answer));
    QVERIFY(!drill.isCorrect(QLatin1Char('0') + answer));
    QVERIFY(!drill.isCorrect(answer + QLatin1Char(' ')));
    QVERIFY(!drill.isCorrect(answer.chopped(1)));
}

} // namespace

class NumberSystemsDataTest : public QObject {
    Q_OBJECT
private slots:
    void decimalToBinary_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("shown");
        const QStringList shown{"67",  "71",  "78",  "85",  "93",  "99",  "104",
                                "108", "111", "120", "123", "136", "144", "159",
                                "166", "195", "193", "200", "203", "207"};
        for (int k = 1; k <= shown.size(); ++k)
            QTest::addRow("К6 row %d", k) << k << shown[k - 1];
    }
    void decimalToBinary()
    {
        QFETCH(int, k);
        QFETCH(QString, shown);
        QCOMPARE(DecimalToBinary::rows().size(), 20);
        const NumberRow &row = DecimalToBinary::rows()[k - 1];
        QCOMPARE(row.shown, shown);
        QCOMPARE(row.answer, binary(shown.toInt()));
        checkDrawnRow(DecimalToBinary::rows(), k, row.answer);
    }

    void binaryToDecimal_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("shown");
        const QStringList shown{"1000011",  "1000111",  "1001110",  "1010101",  "1011101",
                                "1100011",  "1101000",  "1101100",  "1101111",  "1111000",
                                "1111011",  "10001000", "10010000", "10011111", "10100110",
                                "11000011", "11000001", "11001000", "11001011", "11001111"};
        for (int k = 1; k <= shown.size(); ++k)
            QTest::addRow("К7 row %d", k) << k << shown[k - 1];
    }
    void binaryToDecimal()
    {
        QFETCH(int, k);
        QFETCH(QString, shown);
        QCOMPARE(BinaryToDecimal::rows().size(), 20);
        const NumberRow &row = BinaryToDecimal::rows()[k - 1];
        QCOMPARE(row.shown, shown);
        bool ok = false;
        QCOMPARE(row.answer, QString::number(shown.toInt(&ok, 2)));
        QVERIFY(ok);
        checkDrawnRow(BinaryToDecimal::rows(), k, row.answer);
    }

    void hexToBinary_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("shown");
        const QStringList shown{"43", "47", "4E", "55", "5D", "63", "68", "6C", "6F", "78",
                                "7B", "88", "90", "9F", "A6", "C3", "C1", "C8", "CB", "CF"};
        for (int k = 1; k <= shown.size(); ++k)
            QTest::addRow("К9 row %d", k) << k << shown[k - 1];
    }
    void hexToBinary()
    {
        QFETCH(int, k);
        QFETCH(QString, shown);
        QCOMPARE(HexToBinary::rows().size(), 20);
        const NumberRow &row = HexToBinary::rows()[k - 1];
        QCOMPARE(row.shown, shown);
        // Latin capitals only: a Cyrillic look-alike would not be a number.
        QVERIFY(QRegularExpression("^[0-9A-F]{2}$").match(row.shown).hasMatch());
        bool ok = false;
        QCOMPARE(row.answer, binary(shown.toInt(&ok, 16)));
        QVERIFY(ok);
        checkDrawnRow(HexToBinary::rows(), k, row.answer);
    }

    void binaryAddition_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        const QList<QStringList> pairs{
            {"101010", "10101"}, {"101010", "10100"}, {"101110", "10101"}, {"101001", "10101"},
            {"101100", "10101"}, {"101010", "10011"}, {"111010", "10111"}, {"110000", "10101"},
            {"101010", "11111"}, {"111110", "11111"}, {"100101", "10101"}, {"101011", "11111"},
        };
        for (int k = 1; k <= pairs.size(); ++k)
            QTest::addRow("К10 row %d", k) << k << pairs[k - 1][0] << pairs[k - 1][1];
    }
    void binaryAddition()
    {
        QFETCH(int, k);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QCOMPARE(BinaryAddition::rows().size(), 12);
        const NumberRow &row = BinaryAddition::rows()[k - 1];
        QCOMPARE(row.shown, first + " + ");
        QCOMPARE(row.second, second);
        QCOMPARE(row.answer, binary(first.toInt(nullptr, 2) + second.toInt(nullptr, 2)));
        checkDrawnRow(BinaryAddition::rows(), k, row.answer);
    }

    void sameRowNeverTwiceRunning()
    {
        NumberDrill drill(BinaryAddition::rows());
        ScriptedRandom random;
        for (int k : {4, 4, 4, 9, 9, 4})
            random.scriptDraw(k, 12);
        QList<int> drawn;
        for (int i = 0; i < 3; ++i) {
            drill.draw(random);
            drawn << drill.current();
        }
        QCOMPARE(drawn, (QList<int>{4, 9, 4}));
        // Unscripted: many draws, never a repeat, every row reached.
        QSet<int> seen;
        int previous = drill.current();
        for (int i = 0; i < 500; ++i) {
            drill.draw(random);
            QVERIFY(drill.current() != previous);
            QVERIFY(drill.current() >= 1 && drill.current() <= 12);
            previous = drill.current();
            seen << previous;
        }
        QCOMPARE(seen.size(), 12);
    }

    void nothingIsRightBeforeTheFirstDraw()
    {
        NumberDrill drill(DecimalToBinary::rows());
        QCOMPARE(drill.current(), 0);
        QVERIFY(!drill.isCorrect(QString()));
        QVERIFY(!drill.isCorrect("1000011"));
    }

    void binaryFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("passes");
        QTest::newRow("0") << "0" << true;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("backspace") << "\b" << true;
        for (const char *other : {"2", "9", "a", "A", "F", " ", "\r", "\t", "-", "+", ".", "\x01"})
            QTest::newRow(qPrintable(QString("%1").arg(int(other[0])))) << other << false;
        QTest::newRow("Cyrillic О") << "О" << false;
        QTest::newRow("Cyrillic С") << "С" << false;
    }
    void binaryFilter()
    {
        QFETCH(QString, typed);
        QFETCH(bool, passes);
        const ushort code = Cp1251::code(typed.at(0));
        const KeyVerdict verdict = KeyFilters::binaryOnly(code);
        QCOMPARE(verdict.code, passes ? code : ushort(0));
        QCOMPARE(verdict.warning,
                 passes ? QString() : QStringLiteral("Двоичное число состоит из нулей и единиц!"));
        QVERIFY(!verdict.layout);
        // К6, К9 and К10 use it; К7 lets digits through without a word.
        QCOMPARE(HexToBinary().filterKey(code, 0).code, verdict.code);
        QCOMPARE(BinaryAddition().filterKey(code, 0).warning, verdict.warning);
        const KeyVerdict decimal = BinaryToDecimal().filterKey(code, 0);
        QVERIFY(decimal.warning.isEmpty());
        QCOMPARE(decimal.code != 0, code == 8 || code == 1 || typed.at(0).isDigit());
    }

    void workedExamplesAddUp()
    {
        // К6: the division of 181, line by line, read upwards.
        const QStringList lines = DecimalToBinary::divisionLines();
        QCOMPARE(lines.size(), 8);
        int n = 181;
        QString remainders;
        for (const QString &line : lines) {
            QCOMPARE(line.simplified(),
                     QString("%1 : 2 = %2 остаток %3").arg(n).arg(n / 2).arg(n % 2));
            remainders.prepend(QString::number(n % 2));
            n /= 2;
        }
        QCOMPARE(n, 0);
        QCOMPARE(remainders, binary(181));
        QCOMPARE(remainders, QStringLiteral("10110101"));
        // К10: the carries of 110010 + 10111 = 1001001 stand over three columns.
        QCOMPARE(binary(0b110010 + 0b10111), QStringLiteral("1001001"));
        QCOMPARE(ColumnSum::carries("110010", "10111"), (QList<int>{2, 3, 5}));
        QCOMPARE(ColumnSum::carries("1", "1"), QList<int>{});
        QCOMPARE(ColumnSum::carries("11", "1"), QList<int>{1});
    }
};

ZORBIKS_TEST(NumberSystemsDataTest)
#include "NumberSystemsDataTest.moc"
