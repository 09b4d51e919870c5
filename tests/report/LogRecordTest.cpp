// One line of a log read on its own: what kind of line it is, where the
// surname ends and the tokens begin, and the pieces of a line of tokens.

#include "support/TestMain.h"

#include "report/LogRecord.h"

#include <QTest>

using namespace zorbiks;
using namespace zorbiks::report;
namespace LF = zorbiks::LogFormat;

class LogRecordTest : public QObject {
    Q_OBJECT
private slots:
    void linesAreToldApart_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("marks");
        QTest::newRow("header with tokens") << "02.12.2024 09:00:05Иванов Ан К1 - да,  Л2 - нет, "
                                            << int(LogRecord::Header) << "Иванов Ан "
                                            << "К1 - да,  Л2 - нет, ";
        QTest::newRow("header alone") << "02.12.2024 09:00:05Ли" << int(LogRecord::Header) << "Ли"
                                      << "";
        QTest::newRow("impossible date")
            << "31.02.2024 09:00:05Ли К1 - да, " << int(LogRecord::BadStamp) << ""
            << "";
        QTest::newRow("total") << " Общий итог: всего ответов  1  правильных ответов 1 , "
                                  "правильные ответы:  К1, неправильные ответы: "
                               << int(LogRecord::Total) << ""
                               << "";
        QTest::newRow("damaged total") << " Общий итог: всего отв" << int(LogRecord::Total) << ""
                                       << "";
        QTest::newRow("tokens") << " К1 - да,  К1 - нет, " << int(LogRecord::Marks) << ""
                                << " К1 - да,  К1 - нет, ";
        QTest::newRow("blanks") << "  \t " << int(LogRecord::Blank) << ""
                                << "";
    }

    void linesAreToldApart()
    {
        QFETCH(QString, line);
        QFETCH(int, kind);
        QFETCH(QString, surname);
        QFETCH(QString, marks);
        const LogRecord record = parseRecord(line);
        QCOMPARE(int(record.kind), kind);
        QCOMPARE(record.surname.toString(), surname);
        QCOMPARE(record.marks.toString(), marks);
        if (kind == LogRecord::BadStamp)
            QCOMPARE(record.stamp.toString(), QStringLiteral("31.02.2024 09:00:05"));
        if (kind == LogRecord::Total)
            QCOMPARE(record.total.has_value(), QByteArray(QTest::currentDataTag()) == "total");
    }

    void tokensAndTheDamageBetweenThem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("tokens with and without a trailing blank")
            << " К1 - да,  И1 - нет,И1 - пропуск, " << QStringList{"К1 да", "И1 нет", "И1 пропуск"};
        QTest::newRow("text between tokens")
            << "К1 - да, мусор 12 Л2 - нет, " << QStringList{"К1 да", "?мусор 12", "Л2 нет"};
        QTest::newRow("a token cut at the end")
            << "К1 - да,  И1 - д" << QStringList{"К1 да", "cut И1 - д"};
        QTest::newRow("a code that is none")
            << "К12 - да, К2 - да," << QStringList{"?К12 - да,", "К2 да"};
        QTest::newRow("nothing but commas") << " , ," << QStringList{};
    }

    void tokensAndTheDamageBetweenThem()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, pieces);
        static const char *const marks[] = {"да", "нет", "пропуск"};
        QStringList seen;
        TokenScanner scanner(text);
        while (const auto piece = scanner.next()) {
            if (piece->token)
                seen << LF::questionCodes()[piece->token->question] + ' ' +
                            QString::fromUtf8(marks[int(piece->token->mark)]);
            else
                seen << (piece->cut ? "cut " : "?") + piece->damage.toString();
        }
        QCOMPARE(seen, pieces);
    }
};

ZORBIKS_TEST(LogRecordTest)
#include "LogRecordTest.moc"
