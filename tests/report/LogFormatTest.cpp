// The log's format read back: the stamp, the tokens, the total line and the
// two lists, checked against what the writer and the pupil record produce.

#include "support/TestMain.h"

#include "log/Cp1251.h"
#include "log/LogFormat.h"
#include "pupil/PupilRecord.h"

#include <QTest>

using namespace zorbiks;
namespace LF = zorbiks::LogFormat;

Q_DECLARE_METATYPE(LF::StampState)

class LogFormatTest : public QObject {
    Q_OBJECT
private slots:
    void codesAreInMenuOrder()
    {
        const auto &codes = LF::questionCodes();
        QCOMPARE(codes.size(), 28);
        QCOMPARE(codes.first(), QStringLiteral("К1"));
        QCOMPARE(codes[10], QStringLiteral("К11"));
        QCOMPARE(codes[11], QStringLiteral("Л1"));
        QCOMPARE(codes[16], QStringLiteral("П1"));
        QCOMPARE(codes.last(), QStringLiteral("И8"));
        for (int i = 0; i < codes.size(); ++i)
            QCOMPARE(LF::questionIndex(codes[i]), i);
        for (const char *bad : {"К0", "К12", "Л6", "П5", "И9", "K1", "К", "К1 ", "К01"})
            QCOMPARE(LF::questionIndex(QString::fromUtf8(bad)), -1);
    }

    void stamps_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<LF::StampState>("state");
        QTest::newRow("header") << "08.12.2024 10:39:05Петров" << LF::StampState::Valid;
        QTest::newRow("leap day") << "29.02.2024 00:00:00" << LF::StampState::Valid;
        QTest::newRow("no leap day") << "29.02.2023 00:00:00Ан" << LF::StampState::Impossible;
        QTest::newRow("month 13") << "01.13.2024 10:00:00Ан" << LF::StampState::Impossible;
        QTest::newRow("hour 24") << "01.12.2024 24:00:00Ан" << LF::StampState::Impossible;
        QTest::newRow("day 00") << "00.12.2024 10:00:00Ан" << LF::StampState::Impossible;
        QTest::newRow("slashes") << "08/12/2024 10:39:05Ан" << LF::StampState::NotAStamp;
        QTest::newRow("short") << "08.12.2024 10:39" << LF::StampState::NotAStamp;
        QTest::newRow("total") << " Общий итог: всего ответов" << LF::StampState::NotAStamp;
    }

    void stamps()
    {
        QFETCH(QString, line);
        QFETCH(LF::StampState, state);
        QDate date;
        QTime time;
        QCOMPARE(LF::parseStamp(line, &date, &time), state);
        if (state == LF::StampState::Valid)
            QCOMPARE(QDateTime(date, time).toString(LF::stampFormat()), line.left(19));
    }

    void tokensReadWhatTheWriterWrites()
    {
        for (const QString &code : LF::questionCodes()) {
            for (LF::Mark mark : {LF::Mark::Yes, LF::Mark::No, LF::Mark::Skip}) {
                for (bool blank : {true, false}) {
                    const QString token = LF::token(code, mark, blank);
                    QVERIFY(token.startsWith(QLatin1Char(' ')));
                    const auto read = LF::tokenAt(token, 1);
                    QVERIFY2(read, qPrintable(token));
                    QCOMPARE(read->question, LF::questionIndex(code));
                    QCOMPARE(read->mark, mark);
                    QCOMPARE(read->length, token.trimmed().size());
                }
            }
        }
        QCOMPARE(LF::token("К1", LF::Mark::Yes), QStringLiteral(" К1 - да, "));
        QCOMPARE(LF::token("И1", LF::Mark::No, false), QStringLiteral(" И1 - нет,"));
        QCOMPARE(LF::token("К4", LF::Mark::Skip), QStringLiteral(" К4 - пропуск, "));
        for (const char *bad : {"К1 - да", "К1 -да,", "К1 - может,", "К12 - да,", "K1 - да,"})
            QVERIFY2(!LF::tokenAt(QString::fromUtf8(bad), 0), bad);
    }

    void cutTokensAreRecognised()
    {
        for (const char *cut : {"К", "К1", "К11", "К1 ", "К1 -", "К1 - н", "К1 - пропу", "К1 - да"})
            QVERIFY2(LF::isTokenStart(QString::fromUtf8(cut)), cut);
        for (const char *other : {"", "Ж", "К1x", "К1 - ура", "Кот"})
            QVERIFY2(!LF::isTokenStart(QString::fromUtf8(other)), other);
    }

    void totalLineReadsBackWhatItWasWrittenFrom()
    {
        PupilRecord pupil;
        pupil.flushCorrect("К1", 1);
        pupil.flushCorrect("Л2", 3);
        pupil.flushWrong("К2/", 3);
        pupil.flushWrong(" К1/", 2);
        pupil.flushGiveUp("К4/", 0);
        pupil.flushGiveUp(" П3/", 2);
        pupil.flushShortcutToResults("И2", 2);
        const QString line = LF::totalLine(12, 9, pupil.CorrectList, pupil.WrongList);
        QVERIFY(LF::isTotalLine(line));
        const auto total = LF::parseTotal(line);
        QVERIFY2(total, qPrintable(line));
        QCOMPARE(total->tasksShown, 12);
        QCOMPARE(total->correctTotal, 9);
        auto entries = [](const QList<LF::ListEntry> &list) {
            QStringList out;
            for (const LF::ListEntry &e : list)
                out << LF::questionCodes()[e.question] + QLatin1Char('*') +
                           QString::number(e.count) + (e.gaveUp ? "+" : "");
            return out.join(' ');
        };
        QCOMPARE(entries(total->correct), QStringLiteral("К1*1 Л2*3"));
        QCOMPARE(entries(total->wrong), QStringLiteral("К2*3 К1*2 К4*0+ П3*2+ И2*2"));
        // The figures of a total written with a negative number and with
        // the trailing blanks an editor may strip.
        QVERIFY(LF::parseTotal(LF::totalLine(-1, 0, QString(), QString()).trimmed()));
    }

    void damagedTotalsAreNotRead_data()
    {
        QTest::addColumn<QString>("line");
        const QString good = LF::totalLine(3, 1, " К1", "К2/1 ");
        QTest::newRow("cut in the figures") << good.left(30);
        QTest::newRow("cut before the wrong list") << good.left(good.indexOf(", непр"));
        QTest::newRow("letters for a figure") << QString(good).replace(" 3 ", " три ");
        QTest::newRow("garbage in a list") << QString(good).replace("К2/1", "К2#1");
        QTest::newRow("unknown code") << QString(good).replace(" К1,", " К99,");
    }

    void damagedTotalsAreNotRead()
    {
        QFETCH(QString, line);
        QVERIFY(LF::isTotalLine(line));
        QVERIFY(!LF::parseTotal(line));
    }

    // Every byte of Windows-1251 that stands for a character of its own is
    // written back as that byte; what the code page lacks becomes "?".
    void theCodePageGoesBothWays()
    {
        QString all;
        QByteArray bytes;
        for (int code = 0; code < 256; ++code) {
            const QChar character = Cp1251::character(ushort(code));
            if (character == QChar(QChar::ReplacementCharacter))
                continue; // 0x98 stands for nothing
            all += character;
            bytes += char(code);
        }
        QVERIFY(bytes.size() >= 255);
        QCOMPARE(Cp1251::encode(all), bytes);
        QCOMPARE(Cp1251::decode(bytes), all);
        QCOMPARE(Cp1251::encode(QStringLiteral("АЯаяЁё№")),
                 QByteArray("\xC0\xDF\xE0\xFF\xA8\xB8\xB9"));
        QCOMPARE(Cp1251::encode(QStringLiteral("Ω€ѐ")), QByteArray("?\x88?"));
    }
};

ZORBIKS_TEST(LogFormatTest)
#include "LogFormatTest.moc"
