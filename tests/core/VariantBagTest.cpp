#include "support/TestMain.h"

#include "exercise/NoRepeatDraw.h"
#include "exercise/VariantBag.h"
#include "platform/FakeServices.h"

#include <QTest>

using namespace zorbiks;

namespace {

QList<int> drawMany(VariantBag &bag, ScriptedRandom &random, int count)
{
    QList<int> shown;
    for (int i = 0; i < count; ++i)
        shown.append(bag.draw(random));
    return shown;
}

void script(ScriptedRandom &random, const QList<int> &raw, int count, int first = 1)
{
    for (int value : raw)
        random.scriptDraw(value, count, first);
}

} // namespace

class VariantBagTest : public QObject {
    Q_OBJECT
private slots:
    void scriptedDraws_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("first");
        QTest::addColumn<bool>("marksFirst");
        QTest::addColumn<QList<int>>("raw");
        QTest::addColumn<QList<int>>("shown");

        // A repeat of the previous variant and an already shown one are drawn again.
        QTest::newRow("standard, repeats refused")
            << 4 << 1 << false << QList<int>{2, 2, 1, 1, 3, 2, 4} << QList<int>{2, 1, 3, 4};
        // After a full cycle, the variant that ended it cannot start the next.
        QTest::newRow("standard, cycle boundary")
            << 4 << 1 << false << QList<int>{1, 2, 3, 4, 4, 4, 2, 3}
            << QList<int>{1, 2, 3, 4, 2, 3};
        QTest::newRow("standard, range 23..31")
            << 9 << 23 << false << QList<int>{31, 23, 27, 24, 30, 25, 29, 26, 28}
            << QList<int>{31, 23, 27, 24, 30, 25, 29, 26, 28};
        // Marks first: a new cycle that would begin with the variant just
        // shown consumes it, and shows only the other five.
        QTest::newRow("marks first, shortened cycle")
            << 6 << 1 << true << QList<int>{1, 2, 3, 4, 5, 6, 6, 1, 2, 3, 4, 5}
            << QList<int>{1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5};
        QTest::newRow("marks first, ordinary cycle")
            << 6 << 1 << true << QList<int>{3, 1, 2, 6, 5, 4, 2, 2, 1}
            << QList<int>{3, 1, 2, 6, 5, 4, 2, 1};
    }

    void scriptedDraws()
    {
        QFETCH(int, count);
        QFETCH(int, first);
        QFETCH(bool, marksFirst);
        QFETCH(QList<int>, raw);
        QFETCH(QList<int>, shown);
        ScriptedRandom random;
        script(random, raw, count, first);
        VariantBag bag(count, first,
                       marksFirst ? VariantBag::Order::MarksFirst : VariantBag::Order::Standard);
        QCOMPARE(drawMany(bag, random, static_cast<int>(shown.size())), shown);
        QVERIFY(random.script.isEmpty());
    }

    void everyCycleIsAPermutationWithoutRepeats()
    {
        for (int count : {2, 4, 6, 8, 10}) {
            ScriptedRandom random;
            random.reseed(static_cast<quint32>(count));
            VariantBag bag(count);
            const QList<int> shown = drawMany(bag, random, count * 50);
            for (qsizetype i = 0; i + count <= shown.size(); i += count) {
                QList<int> cycle = shown.mid(i, count);
                std::sort(cycle.begin(), cycle.end());
                for (int k = 0; k < count; ++k)
                    QCOMPARE(cycle[k], k + 1);
            }
            for (qsizetype i = 1; i < shown.size(); ++i)
                QVERIFY(shown[i] != shown[i - 1]);
        }
    }

    void marksFirstNeverRepeats()
    {
        ScriptedRandom random;
        random.reseed(7);
        VariantBag bag(6, 1, VariantBag::Order::MarksFirst);
        const QList<int> shown = drawMany(bag, random, 600);
        for (qsizetype i = 1; i < shown.size(); ++i)
            QVERIFY(shown[i] != shown[i - 1]);
    }

    void noRepeatDrawStaysInRangeAndNeverRepeats()
    {
        ScriptedRandom random;
        // A scripted repeat is drawn again; both ends of the range are reached.
        NoRepeatDraw draw(20, 86);
        for (int value : {20, 20, 86, 86, 53})
            random.scriptDraw(value, 67, 20);
        QCOMPARE((QList<int>{draw.draw(random), draw.draw(random), draw.draw(random)}),
                 (QList<int>{20, 86, 53}));
        random.reseed(3);
        int previous = draw.current();
        for (int i = 0; i < 500; ++i) {
            const int n = draw.draw(random);
            QVERIFY(n >= 20 && n <= 86 && n != previous);
            previous = n;
        }
    }
};

ZORBIKS_TEST(VariantBagTest)
#include "VariantBagTest.moc"
