// A log's bytes become the same lines however the reading cuts them into
// chunks: inside a UTF-8 or UTF-16 sequence, between CR and LF, inside a
// byte-order mark; a line too long is dropped and the numbering goes on.
// Each line is decoded on its own as ASCII, UTF-8 or Windows-1251.

#include "support/TestMain.h"

#include "log/Cp1251.h"
#include "report/LineDecoder.h"

#include <QTest>

#include <algorithm>

using namespace zorbiks;
using namespace zorbiks::report;

namespace {

// "number:text"; a long line is shown by its length and first character.
struct SeenLines final : LineSink {
    QStringList seen;
    void line(qint64 number, QStringView text) override
    {
        const QString shown = text.size() > 100
                                  ? QStringLiteral("%1 × %2").arg(text.size()).arg(text.at(0))
                                  : text.toString();
        seen << QStringLiteral("%1:%2").arg(number).arg(shown);
    }
    void overlongLine(qint64 number) override { seen << QStringLiteral("%1:—").arg(number); }
};

QStringList decodeInChunks(const QByteArray &bytes, qsizetype chunk)
{
    SeenLines lines;
    LineDecoder decoder(lines);
    for (qsizetype at = 0; at < bytes.size(); at += chunk)
        decoder.feed(QByteArrayView(bytes).sliced(at, std::min(chunk, bytes.size() - at)));
    decoder.finish();
    return lines.seen;
}

QByteArray utf16(const QString &text, QSysInfo::Endian order)
{
    QByteArray bytes = order == QSysInfo::LittleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8);
        const char low = static_cast<char>(c.unicode() & 0xFF);
        if (order == QSysInfo::LittleEndian)
            bytes.append(low).append(high);
        else
            bytes.append(high).append(low);
    }
    return bytes;
}

} // namespace

class LineDecoderTest : public QObject {
    Q_OBJECT
private slots:
    void chunksCutAnywhereGiveTheSameLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        const QString text = QStringLiteral("Ёлкина К1 - да,\r\n\r\nИтог ё 𝄞\r\nконец");
        const QStringList lines = {"1:Ёлкина К1 - да,", "2:", "3:Итог ё 𝄞", "4:конец"};
        QTest::newRow("Windows-1251, CR LF") << Cp1251::encode("Ёлкина К1 - да,\r\n\r\nИтог ё\r\n")
                                             << QStringList{"1:Ёлкина К1 - да,", "2:", "3:Итог ё"};
        QTest::newRow("UTF-8, LF") << QString(text).replace("\r\n", "\n").toUtf8() << lines;
        QTest::newRow("UTF-8 with a mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << lines;
        QTest::newRow("UTF-16 LE") << utf16(text, QSysInfo::LittleEndian) << lines;
        QTest::newRow("UTF-16 BE") << utf16(text, QSysInfo::BigEndian) << lines;
        QTest::newRow("a UTF-8 line, then a Windows-1251 line")
            << QString("Петрова\r\n").toUtf8() + Cp1251::encode("Сидоров\r\n")
            << QStringList{"1:Петрова", "2:Сидоров"};
        QTest::newRow("two first bytes that are no mark")
            << QByteArray("\xFF\n\xFE") << QStringList{"1:я", "2:ю"};
        QTest::newRow("one byte") << QByteArray("x") << QStringList{"1:x"};
        QTest::newRow("nothing") << QByteArray() << QStringList{};
    }

    void chunksCutAnywhereGiveTheSameLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        for (const qsizetype chunk : {1, 2, 3, 5, 7})
            QCOMPARE(decodeInChunks(bytes, chunk), lines);
        QCOMPARE(decodeInChunks(bytes, std::max<qsizetype>(bytes.size(), 1)), lines);
    }

    void aLineLongerThanTheLimitIsDropped()
    {
        const qsizetype limit = LineDecoder::maxLineBytes;
        const QByteArray bytes = "a\r\n" + QByteArray(limit, 'x') + "\n" +
                                 QByteArray(limit - 1, 'y') + "\r\n" + QByteArray(limit + 1, 'z') +
                                 "\nend";
        const QStringList lines = {"1:a", QStringLiteral("2:%1 × x").arg(limit),
                                   QStringLiteral("3:%1 × y").arg(limit - 1), "4:—", "5:end"};
        for (const qsizetype chunk : {bytes.size(), qsizetype(1) << 20, qsizetype(999'983)})
            QCOMPARE(decodeInChunks(bytes, chunk), lines);
    }

    void eachLineIsDecodedOnItsOwn_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ASCII") << QByteArray("K1 - 12, 3") << "K1 - 12, 3";
        QTest::newRow("Windows-1251") << QByteArray("\xC0\xFF\xA8\xB8\xB9") << "АяЁё№";
        QTest::newRow("UTF-8") << QString("Петров К1").toUtf8() << "Петров К1";
        QTest::newRow("UTF-8 with a broken byte")
            << QString("Пе").toUtf8() + "\xD0" + QString("тров").toUtf8() << "Пе\uFFFDтров";
        QTest::newRow("Windows-1251 that holds a UTF-8 pair by chance")
            << Cp1251::encode("Рёмин") << "Рёмин";
    }

    void eachLineIsDecodedOnItsOwn()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeLine(bytes), text);
    }
};

ZORBIKS_TEST(LineDecoderTest)
#include "LineDecoderTest.moc"
