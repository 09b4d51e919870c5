// Answers read by their leading number (К4, К5, П3 and others): blanks and
// tabs before it are skipped, one sign and one decimal point belong to it,
// and the number ends at the first character that cannot continue it, a
// second point included.

#include "support/TestMain.h"

#include "exercise/NumericPrefix.h"
#include "platform/FakeServices.h"
#include "tasks/encoding/MegabyteVolume.h"
#include "tasks/encoding/TransferSize.h"
#include "tasks/programming/ThreeAssignments.h"

#include <QTest>

using namespace zorbiks;

namespace {

void expect32(int answer)
{
    if (answer != 32)
        qFatal("the data drawn give %d, not 32", answer);
}

// Each question with a right answer of 32.
bool acceptedAs32(const QString &question, const QString &typed)
{
    ScriptedRandom random;
    if (question == QLatin1String("К4")) {
        random.scriptDraw(28, 9, 23); // 2^28 bits are 32 megabytes
        MegabyteVolumeModel model;
        model.draw(random);
        expect32(model.answer());
        return model.isCorrect(typed);
    }
    if (question == QLatin1String("К5")) {
        random.scriptDraw(4, 12); // 32 768 bits/s
        random.scriptDraw(8, 10); // for 8 s
        TransferSizeModel model;
        model.draw(random);
        expect32(model.answer());
        return model.isCorrect(typed);
    }
    random.scriptDraw(1, 8); // П3, the first variant
    ThreeAssignmentsModel model;
    model.draw(random);
    expect32(model.current().answer);
    return model.isCorrect(typed);
}

} // namespace

class NumericPrefixTest : public QObject {
    Q_OBJECT
private slots:
    void theLeadingNumberIsRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("two points") << "32.." << 32.0;
        QTest::newRow("a second point") << "4.5.1" << 4.5;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("leading tab") << "\t12" << 12.0;
        QTest::newRow("blanks, tab, minus") << " \t-3.5x" << -3.5;
        QTest::newRow("point first") << ".5.5" << 0.5;
        QTest::newRow("trailing point") << "7." << 7.0;
        QTest::newRow("two signs") << "--7" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("blank inside") << "3 2" << 3.0;
        QTest::newRow("no number") << "x32" << 0.0;
    }

    void theLeadingNumberIsRead()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(numericPrefix(text), value);
    }

    void answersStopAtTheSecondPoint_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        for (const char *question : {"К4", "К5", "П3"}) {
            const QString code = QString::fromUtf8(question);
            QTest::addRow("%s 32..", question) << code << "32.." << true;
            QTest::addRow("%s 32.0.1", question) << code << "32.0.1" << true;
            QTest::addRow("%s +32", question) << code << "+32" << true;
            QTest::addRow("%s tab 32", question) << code << "\t32" << true;
            QTest::addRow("%s 3.2.", question) << code << "3.2." << false;
            QTest::addRow("%s 32.5.", question) << code << "32.5." << false;
        }
    }

    void answersStopAtTheSecondPoint()
    {
        QFETCH(QString, question);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QCOMPARE(acceptedAs32(question, typed), accepted);
    }
};

ZORBIKS_TEST(NumericPrefixTest)
#include "NumericPrefixTest.moc"
