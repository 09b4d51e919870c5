#include "support/TestMain.h"

#include "pupil/PupilRecord.h"
#include "results/ResultsPage.h"

#include <QTest>

using namespace zorbiks;
using ResultsPage::Verdict;

Q_DECLARE_METATYPE(Verdict)

class ResultsPageTest : public QObject {
    Q_OBJECT
private slots:
    void verdict_data()
    {
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("correct");
        QTest::addColumn<Verdict>("verdict");
        QTest::newRow("one task") << 1 << 0 << Verdict::TooLittle;
        QTest::newRow("two, both right") << 2 << 2 << Verdict::TooLittle;
        QTest::newRow("exactly 0.6") << 5 << 3 << Verdict::Poor;
        QTest::newRow("12 of 20 is 0.6") << 20 << 12 << Verdict::Poor;
        QTest::newRow("just above 0.6") << 10 << 7 << Verdict::Fair;
        QTest::newRow("just below 0.85") << 100 << 84 << Verdict::Fair;
        QTest::newRow("exactly 0.85") << 20 << 17 << Verdict::Good;
        QTest::newRow("85 of 100") << 100 << 85 << Verdict::Good;
        QTest::newRow("all right") << 3 << 3 << Verdict::Good;
        QTest::newRow("none right") << 3 << 0 << Verdict::Poor;
    }

    void verdict()
    {
        QFETCH(int, shown);
        QFETCH(int, correct);
        QFETCH(Verdict, verdict);
        QCOMPARE(ResultsPage::verdictFor(qint16(shown), qint16(correct)), verdict);
    }

    void greeting_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("greeting");
        QTest::newRow("а") << "Петрова"
                           << "Уважаемая  Петрова!";
        QTest::newRow("я") << "Зоя"
                           << "Уважаемая  Зоя!";
        QTest::newRow("consonant") << "Иванов"
                                   << "Уважаемый  Иванов!";
        QTest::newRow("capital А") << "ИВАНОВА"
                                   << "Уважаемый  ИВАНОВА!";
    }

    void greeting()
    {
        QFETCH(QString, name);
        QFETCH(QString, greeting);
        QCOMPARE(ResultsPage::greeting(name), greeting);
    }

    void listsAreCutIntoLinesOf143_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("empty") << 0 << QList<int>{};
        QTest::newRow("one line") << 143 << QList<int>{143};
        QTest::newRow("300") << 300 << QList<int>{143, 143, 14};
        QTest::newRow("858, six lines") << 858 << QList<int>(6, 143);
        QTest::newRow("over 858, printed whole")
            << 1000 << QList<int>{143, 143, 143, 143, 143, 143, 142};
    }

    void listsAreCutIntoLinesOf143()
    {
        QFETCH(int, length);
        QFETCH(QList<int>, lines);
        QString list;
        for (int i = 0; i < length; ++i)
            list += QChar(u'А' + i % 32);
        const QStringList cut = ResultsPage::cutIntoLines(list);
        QList<int> lengths;
        for (const QString &line : cut)
            lengths << static_cast<int>(line.size());
        QCOMPARE(lengths, lines);
        QCOMPARE(cut.join(QString()), list);
    }

    void printedPage()
    {
        PupilRecord pupil;
        pupil.PupilName = "Петрова";
        pupil.TasksShown = 12;
        pupil.CorrectTotal = 9;
        pupil.CorrectList = " К1 3Л2";
        pupil.WrongList = QString(150, QLatin1Char('x'));
        const QStringList lines =
            ResultsPage::printedLines(QDateTime(QDate(2024, 12, 8), QTime(10, 39, 5)), pupil);
        QCOMPARE(lines,
                 (QStringList{"Результаты работы на Зорбикс",
                              "08.12.2024 10:39:05Петрова, вопросов 12 , правильных ответов 9 ",
                              "Неправильные ответы:", QString(143, 'x'), QString(7, 'x'),
                              "Правильные ответы:", " К1 3Л2"}));
    }
};

ZORBIKS_TEST(ResultsPageTest)
#include "ResultsPageTest.moc"
