#include "support/TestMain.h"

#include "log/Cp1251.h"
#include "platform/KeyCodes.h"
#include "pupil/Transliteration.h"

#include <QKeyEvent>
#include <QTest>

using namespace zorbiks;

namespace {

ushort code(const QString &character)
{
    return Cp1251::code(character.at(0));
}

} // namespace

class TransliterationTest : public QObject {
    Q_OBJECT
private slots:
    void codePage()
    {
        QCOMPARE(code("А"), ushort(192));
        QCOMPARE(code("я"), ushort(255));
        QCOMPARE(code("Ё"), ushort(168));
        QCOMPARE(code("ё"), ushort(184));
        QCOMPARE(Cp1251::character(200), QChar(u'И'));
        QCOMPARE(code("€"), ushort(136));
        QCOMPARE(code("中"), ushort('?'));
    }

    void latinToCyrillicLetters()
    {
        const QString latin = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        const QString russian = "фисвуапршолдьтщзйкыегмцчняФИСВУАПРШОЛДЬТЩЗЙКЫЕГМЦЧНЯ";
        for (qsizetype i = 0; i < latin.size(); ++i)
            QCOMPARE(Cp1251::character(LatinToCyrillic(code(latin.mid(i, 1)), 0)), russian.at(i));
    }

    void latinToCyrillicSigns_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("lastKeyDown");
        QTest::addColumn<QString>("result");
        const int none = 0;
        QTest::newRow("[") << "[" << none << "х";
        QTest::newRow("]") << "]" << none << "ъ";
        QTest::newRow("{") << "{" << none << "Х";
        QTest::newRow("}") << "}" << none << "Ъ";
        QTest::newRow("`") << "`" << none << "ё";
        QTest::newRow("~") << "~" << none << "Ё";
        QTest::newRow("'") << "'" << none << "э";
        QTest::newRow("<") << "<" << none << "Б";
        QTest::newRow(">") << ">" << none << "Ю";
        QTest::newRow("?") << "?" << none << ",";
        QTest::newRow(", after 191") << "," << int(KeyCode::Slash) << ",";
        QTest::newRow(", otherwise") << "," << none << "б";
        QTest::newRow(". after 191") << "." << int(KeyCode::Slash) << ".";
        QTest::newRow(". otherwise") << "." << none << "ю";
        QTest::newRow("/ after 191") << "/" << int(KeyCode::Slash) << ".";
        QTest::newRow("/ otherwise") << "/" << none << "ю";
        QTest::newRow("\" on 2") << "\"" << int(KeyCode::Digit2) << "\"";
        QTest::newRow("\" otherwise") << "\"" << none << "Э";
        QTest::newRow("@ on 2") << "@" << int(KeyCode::Digit2) << "\"";
        QTest::newRow("@ otherwise") << "@" << none << "Э";
        QTest::newRow("; on 4") << ";" << int(KeyCode::Digit4) << ";";
        QTest::newRow("; otherwise") << ";" << none << "ж";
        QTest::newRow("$ on 4") << "$" << int(KeyCode::Digit4) << ";";
        QTest::newRow("$ otherwise") << "$" << none << "ж";
        QTest::newRow(": on 6") << ":" << int(KeyCode::Digit6) << ":";
        QTest::newRow(": otherwise") << ":" << none << "Ж";
        QTest::newRow("^ on 6") << "^" << int(KeyCode::Digit6) << ":";
        QTest::newRow("^ otherwise") << "^" << none << "Ж";
        QTest::newRow("digit") << "7" << none << "7";
        QTest::newRow("blank") << " " << none << " ";
        QTest::newRow("hyphen") << "-" << none << "-";
        QTest::newRow("#") << "#" << none << "#";
        QTest::newRow("cyrillic") << "ж" << none << "ж";
    }

    void latinToCyrillicSigns()
    {
        QFETCH(QString, typed);
        QFETCH(int, lastKeyDown);
        QFETCH(QString, result);
        QCOMPARE(Cp1251::character(LatinToCyrillic(code(typed), lastKeyDown)), result.at(0));
    }

    void cyrillicToLatin()
    {
        const QString small = "абвгдежзийклмнопрстуфцчшщыьюя";
        const QString smallLatin = "f,dult;pbqrkvyjghcneawxiosm.z";
        const QString capital = "АБВГДЕЖЗИЙКЛМНОПРСТУФЦЧШЩЫЬЭЮЯ";
        const QString capitalLatin = "F<DULT:PBQRKVYJGHCNEAWXIOSM\">Z";
        for (qsizetype i = 0; i < small.size(); ++i)
            QCOMPARE(QChar(CyrillicToLatin(code(small.mid(i, 1)))), smallLatin.at(i));
        for (qsizetype i = 0; i < capital.size(); ++i)
            QCOMPARE(QChar(CyrillicToLatin(code(capital.mid(i, 1)))), capitalLatin.at(i));
        for (const QString discarded : {"х", "ъ", "э", "ё", "Х", "Ъ", "Ё"})
            QCOMPARE(CyrillicToLatin(code(discarded)), ushort(0));
        for (const QString unchanged : {"\\", "7", " ", "C"})
            QCOMPARE(CyrillicToLatin(code(unchanged)), code(unchanged));
    }

    void keyCodesOfPhysicalKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<int>("expected");
        QTest::newRow("slash key") << int(Qt::Key_Period) << 61u << int(KeyCode::Slash);
        QTest::newRow("digit 2 key, Russian quote") << int(Qt::Key_QuoteDbl) << 11u << 50;
        QTest::newRow("digit 4 key") << int(Qt::Key_Semicolon) << 13u << 52;
        QTest::newRow("digit 6 key") << int(Qt::Key_Colon) << 15u << 54;
        QTest::newRow("question mark on 7") << int(Qt::Key_Question) << 16u << 0;
        QTest::newRow("left Super") << int(Qt::Key_Meta) << 133u << 91;
        QTest::newRow("right Super") << int(Qt::Key_Meta) << 134u << 92;
        QTest::newRow("Menu") << int(Qt::Key_Menu) << 135u << 93;
        QTest::newRow("Ctrl without scan code") << int(Qt::Key_Control) << 0u << 17;
        QTest::newRow("Alt without scan code") << int(Qt::Key_Alt) << 0u << 18;
        QTest::newRow("slash without scan code") << int(Qt::Key_Slash) << 0u << 191;
        QTest::newRow("Super without scan code") << int(Qt::Key_Super_L) << 0u << 91;
    }

    void keyCodesOfPhysicalKeys()
    {
        QFETCH(int, key);
        QFETCH(uint, scanCode);
        QFETCH(int, expected);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, scanCode, 0, 0);
        QCOMPARE(keyCodeOf(event), expected);
    }
};

ZORBIKS_TEST(TransliterationTest)
#include "TransliterationTest.moc"
