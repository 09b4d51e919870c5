// The data of the encoding questions checked against what they mean: every
// answer is computed here from the task it belongs to.

#include "support/TestMain.h"

#include "drawing/ScriptLabels.h"
#include "log/Cp1251.h"
#include "platform/FakeServices.h"
#include "tasks/encoding/BinaryToHex.h"
#include "tasks/encoding/LetterCodes.h"
#include "tasks/encoding/MegabyteVolume.h"
#include "tasks/encoding/MorseRadiogram.h"
#include "tasks/encoding/PhotoSize.h"
#include "tasks/encoding/TransferSize.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace zorbiks;

namespace {

// Every way of cutting `signs` (without blanks) into the given codes,
// spelled with their letters.
QStringList decodings(const QString &signs, const QList<std::pair<QString, QString>> &codes)
{
    if (signs.isEmpty())
        return {QString()};
    QStringList found;
    for (const auto &[letter, code] : codes) {
        if (!signs.startsWith(code))
            continue;
        for (const QString &rest : decodings(signs.mid(code.size()), codes))
            found << letter + rest;
    }
    return found;
}

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

ushort cp(QChar c)
{
    return Cp1251::code(c);
}

// The number of bytes an answer text of К3 names ("2,25 мегабайта").
double bytesNamed(const QString &text)
{
    const QRegularExpressionMatch m =
        QRegularExpression("^(\\d+(?:,\\d+)?) (мегабайт|килобайт)(а|)$").match(text);
    if (!m.hasMatch())
        qFatal("unreadable answer %s", qPrintable(text));
    const double number = QString(m.captured(1)).replace(',', '.').toDouble();
    return number * (m.captured(2) == "мегабайт" ? 1024.0 * 1024 : 1024.0);
}

} // namespace

class EncodingDataTest : public QObject {
    Q_OBJECT
private slots:
    // К4: 2^X bits are 2^X / 8 / 1024 / 1024 megabytes.
    void megabyteVolumeAnswers()
    {
        ScriptedRandom random;
        MegabyteVolumeModel model;
        QSet<int> shown;
        for (int i = 0; i < 9; ++i) {
            model.draw(random);
            const int x = model.exponent();
            QVERIFY(x >= 23 && x <= 31);
            shown.insert(x);
            const double megabytes = std::ldexp(1.0, x) / 8 / 1024 / 1024;
            QCOMPARE(double(model.answer()), megabytes);
            const QString right = QString::number(model.answer());
            QVERIFY(model.isCorrect(right));
            QVERIFY(model.isCorrect("00" + right));
            QVERIFY(!model.isCorrect(QString::number(model.answer() * 2)));
            QVERIFY(!model.isCorrect(QString::number(x)));
        }
        QCOMPARE(shown.size(), 9); // one cycle shows every exponent once
    }

    void megabyteVolumeEnds()
    {
        ScriptedRandom random;
        random.scriptDraw(23, 9, 23);
        random.scriptDraw(31, 9, 23);
        MegabyteVolumeModel model;
        model.draw(random);
        QCOMPARE(model.answer(), 1);
        model.draw(random);
        QCOMPARE(model.answer(), 256);
        QVERIFY(model.isCorrect("256"));
        QVERIFY(!model.isCorrect(""));
    }

    void exponentGapsFollowThePowersOfTwo()
    {
        const QString text = "это 2    байт = 2     * 2   = 2 бит, 12    и 8";
        QCOMPARE(exponentGaps(text), (QList<qsizetype>{5, 17, 25}));
    }
    // К5: rate × time bits are rate × time / 8 / 1024 kilobytes.
    void transferSizeAnswers()
    {
        QSet<int> rates;
        for (int k = 1; k <= 12; ++k) {
            for (int t = 1; t <= 10; ++t) {
                ScriptedRandom random;
                random.scriptDraw(k, 12);
                random.scriptDraw(t, 10);
                TransferSizeModel model;
                model.draw(random);
                QCOMPARE(model.seconds(), t);
                rates.insert(model.rate());
                const double kilobytes = double(model.rate()) * t / 8 / 1024;
                QCOMPARE(double(model.answer()), kilobytes);
                QVERIFY(model.isCorrect(QString::number(model.answer())));
                QVERIFY(model.isCorrect("0" + QString::number(model.answer())));
                QVERIFY(!model.isCorrect(QString::number(model.answer() * 8)));
            }
        }
        QCOMPARE(rates, (QSet<int>{8192, 16384, 24576, 32768, 40960, 49152, 57344, 65536, 73728,
                                   81920, 90112, 98304}));
    }

    void transferSizeNeverRepeatsTheRate()
    {
        ScriptedRandom random;
        for (double raw : {0.5, 0.5, 0.5, 0.5, 0.0, 0.5})
            random.script.enqueue(raw);
        TransferSizeModel model;
        model.draw(random);
        const int rate = model.rate();
        const int seconds = model.seconds();
        model.draw(random); // the rate is drawn again, the time may repeat
        QVERIFY(model.rate() != rate);
        QCOMPARE(model.seconds(), seconds);
        QCOMPARE(random.draws, 6);
    }
    // К2: each radiogram, cut into the five codes, spells its answer and
    // nothing else.
    void radiogramsDecodeToTheirAnswersOnly()
    {
        QList<std::pair<QString, QString>> codes;
        for (const MorseLetter &letter : MorseRadiogramModel::letters())
            codes.append({letter.letter, withoutBlanks(letter.code)});
        QSet<QString> answers;
        for (const Radiogram &r : MorseRadiogramModel::radiograms()) {
            QVERIFY(r.signs.contains(QRegularExpression("^ +[._]( [._])*$")));
            QCOMPARE(decodings(withoutBlanks(r.signs), codes), QStringList{r.answer});
            answers.insert(r.answer);
        }
        QCOMPARE(answers.size(), 4);
    }

    void radiogramCheckIsExact()
    {
        ScriptedRandom random;
        random.scriptDraw(1, 4);
        MorseRadiogramModel model;
        model.draw(random);
        QVERIFY(model.isCorrect("ГАИГАЧ"));
        for (const QString wrong : {"гаигач", "ГАИГАЧ ", " ГАИГАЧ", "ГАИ ГАЧ", "UFBUFX"})
            QVERIFY2(!model.isCorrect(wrong), qPrintable(wrong));
    }

    void radiogramKeyFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("entered"); // empty: discarded
        QTest::addColumn<bool>("warned");
        QTest::addColumn<bool>("switches");
        QTest::newRow("Shift+U") << "U"
                                 << "Г" << false << true;
        QTest::newRow("Shift+F") << "F"
                                 << "А" << false << true;
        QTest::newRow("Shift+B") << "B"
                                 << "И" << false << true;
        QTest::newRow("Shift+Y") << "Y"
                                 << "Н" << false << true;
        QTest::newRow("Shift+X") << "X"
                                 << "Ч" << false << true;
        QTest::newRow("Russian capital") << "Н"
                                         << "Н" << false << false;
        QTest::newRow("small latin") << "u"
                                     << "г" << true << true;
        QTest::newRow("small russian") << "г"
                                       << "г" << true << false;
        QTest::newRow("other capital") << "Ж"
                                       << "Ж" << true << false;
        QTest::newRow("blank") << " "
                               << " " << true << true;
        QTest::newRow("digit") << "5"
                               << "" << true << false;
        QTest::newRow("point") << "."
                               << "" << true << false;
        QTest::newRow("bar") << "|"
                             << "" << true << false;
        QTest::newRow("backspace") << "\b"
                                   << "\b" << false << false;
    }

    void radiogramKeyFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, entered);
        QFETCH(bool, warned);
        QFETCH(bool, switches);
        const auto codeOf = [](const QString &text) { return cp(text.at(0)); };
        const KeyVerdict v = MorseRadiogramModel::filter(codeOf(typed), 0);
        QCOMPARE(v.code, entered.isEmpty() ? ushort(0) : codeOf(entered));
        QCOMPARE(v.warning, warned ? QStringLiteral("В ответе должны быть  только заглавные "
                                                    "буквы, указанные в задании!")
                                   : QString());
        QCOMPARE(v.layout.has_value(), switches);
    }
    // К8: the answer is the hexadecimal notation of the binary number.
    void binaryToHexAnswers()
    {
        QSet<QString> shown;
        for (const BinaryHexRow &row : BinaryToHexModel::rows()) {
            QVERIFY(row.binary.contains(QRegularExpression("^1[01]*$")));
            bool ok = false;
            const int value = row.binary.toInt(&ok, 2);
            QVERIFY(ok);
            QCOMPARE(row.hex, QString::number(value, 16).toUpper());
            shown.insert(row.binary);
        }
        QCOMPARE(shown.size(), 20);

        ScriptedRandom random;
        random.scriptDraw(3, 20);
        BinaryToHexModel model;
        model.draw(random);
        QCOMPARE(model.current().binary, QStringLiteral("1001110"));
        QVERIFY(model.isCorrect("4E"));
        for (const QString wrong : {"04E", "4e", "4E ", "78"})
            QVERIFY2(!model.isCorrect(wrong), qPrintable(wrong));
    }

    void binaryToHexKeyFilter()
    {
        const QString message = QStringLiteral("Шестнадцатеричное число может состоять из "
                                               "арабских цифр и латинских заглавных букв A, B, "
                                               "C, D, E, F!");
        const QString russian = QStringLiteral("ФИСВУА"); // the keys A to F
        for (ushort code = 1; code < 256; ++code) {
            const qsizetype key = russian.indexOf(Cp1251::character(code));
            const ushort latin = key >= 0 ? ushort('A' + key) : code;
            const bool passes =
                latin == 8 || (latin >= '0' && latin <= '9') || (latin >= 'A' && latin <= 'F');
            const KeyVerdict v = BinaryToHexModel::filter(code);
            QCOMPARE(v.code, passes ? latin : ushort(0));
            QCOMPARE(v.warning, passes ? QString() : message);
            QCOMPARE(v.layout.has_value(), key >= 0);
        }
        QCOMPARE(*BinaryToHexModel::filter(cp(u'У')).layout, KeyboardLayoutKind::UsEnglish);
    }
    // К11: each string, cut into the five letter codes, spells its answer
    // and nothing else; a leading blank only shifts it on the screen.
    void letterCodeStringsDecodeToTheirAnswersOnly()
    {
        QList<std::pair<QString, QString>> codes;
        for (const LetterCode &code : LetterCodesModel::codes())
            codes.append({code.letter, code.code});
        for (const CodedString &s : LetterCodesModel::strings()) {
            QVERIFY(s.bits.contains(QRegularExpression("^ ?[01]+$")));
            QCOMPARE(decodings(withoutBlanks(s.bits), codes), QStringList{s.answer});
        }
        // No code ends another, so reading from the right is unambiguous.
        for (const auto &[a, codeA] : codes)
            for (const auto &[b, codeB] : codes)
                QVERIFY(a == b || !codeA.endsWith(codeB));
    }

    void letterCodesKeyFilter()
    {
        const QString warning = QStringLiteral("В ответе должны быть  только заглавные "
                                               "латинские буквы, указанные в задании!");
        const QString russian = QStringLiteral("ФИСВУ"); // the keys A to E
        for (ushort code = 1; code < 256; ++code) {
            const qsizetype key = russian.indexOf(Cp1251::character(code));
            const ushort latin = key >= 0 ? ushort('A' + key) : code;
            const bool allowed = latin == 8 || (latin >= 'A' && latin <= 'E');
            const KeyVerdict v = LetterCodesModel::filter(code);
            QCOMPARE(v.code, latin); // never discarded
            QCOMPARE(v.warning, allowed ? QString() : warning);
            QCOMPARE(v.layout.has_value(), key >= 0);
        }
        QCOMPARE(LetterCodesModel::filter(cp(u'А')).code, cp(u'А')); // the F key
    }
    // К3: in every variant and placement the text in the placement's label
    // names width × height × 3 bytes, and no other text does.
    void photoSizeRightTextIsTheFileSize()
    {
        for (const PhotoVariant &v : PhotoSizeModel::variants()) {
            const QStringList sides = v.size.split(QChar(u'х')); // Cyrillic х
            QCOMPARE(sides.size(), 2);
            const double bytes = sides[0].toDouble() * sides[1].toDouble() * 3;
            for (int placement = 1; placement <= 4; ++placement) {
                const auto &texts = v.placements[size_t(placement - 1)];
                for (int option = 1; option <= 4; ++option) {
                    const QString &text = texts[size_t(option - 1)];
                    QVERIFY2((bytesNamed(text) == bytes) == (option == placement),
                             qPrintable(v.size + " " + QString::number(placement) + " " + text));
                }
            }
        }
    }

    void photoSizeNeverRepeatsThePlacement()
    {
        ScriptedRandom random;
        PhotoSizeModel model;
        int previous = 0;
        for (int i = 0; i < 40; ++i) {
            model.draw(random);
            QVERIFY(model.placement() != previous);
            previous = model.placement();
        }
        PhotoSizeModel fresh;
        random.scriptDraw(1, 6);
        random.scriptDraw(3, 4);
        fresh.draw(random);
        QCOMPARE(fresh.variant(), 1);
        QCOMPARE(fresh.placement(), 3);
        QCOMPARE(fresh.options()[2], QStringLiteral("9 мегабайт"));
    }
};

ZORBIKS_TEST(EncodingDataTest)
#include "EncodingDataTest.moc"
