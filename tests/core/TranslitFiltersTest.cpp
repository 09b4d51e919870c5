#include "support/TestMain.h"

#include "exercise/TranslitFilters.h"
#include "log/Cp1251.h"
#include "platform/KeyCodes.h"

#include <QTest>

using namespace zorbiks;
using namespace zorbiks::TranslitFilters;

namespace {

ushort code(QChar character)
{
    return Cp1251::code(character);
}

} // namespace

Q_DECLARE_METATYPE(std::optional<KeyboardLayoutKind>)

class TranslitFiltersTest : public QObject {
    Q_OBJECT
private slots:
    void russianLayout_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("lastKeyDown");
        QTest::addColumn<QString>("entered"); // empty: discarded
        QTest::addColumn<bool>("switches");
        QTest::newRow("latin capital") << "U" << 0 << "Г" << true;
        QTest::newRow("latin small") << "f" << 0 << "а" << true;
        QTest::newRow("blank") << " " << 0 << " " << true;
        QTest::newRow("bracket") << "[" << 0 << "х" << true;
        QTest::newRow("comma of the Russian layout") << "," << KeyCode::Slash << "," << true;
        QTest::newRow("comma of its own key") << "," << 0 << "б" << true;
        QTest::newRow("digit") << "7" << 0 << "" << false;
        QTest::newRow("point") << "." << 0 << "" << false;
        QTest::newRow("question mark") << "?" << 0 << "" << false;
        QTest::newRow("bar") << "|" << 0 << "" << false;
        QTest::newRow("backslash") << "\\" << 0 << "" << false;
        QTest::newRow("cyrillic passes") << "Ч" << 0 << "Ч" << false;
        QTest::newRow("backspace passes") << "\b" << 0 << "\b" << false;
    }

    void russianLayout()
    {
        QFETCH(QString, typed);
        QFETCH(int, lastKeyDown);
        QFETCH(QString, entered);
        QFETCH(bool, switches);
        const KeyVerdict v = typedOnRussianLayout(code(typed.at(0)), qint16(lastKeyDown));
        QCOMPARE(v.code, entered.isEmpty() ? ushort(0) : code(entered.at(0)));
        QCOMPARE(v.layout.has_value(), switches);
        if (switches)
            QCOMPARE(*v.layout, KeyboardLayoutKind::Russian);
        QVERIFY(v.warning.isEmpty());
    }

    void usLayoutOnlyForTheListedLetters()
    {
        const QString letters = QStringLiteral("АВИСУФ");
        const QString latin = QStringLiteral("FDBCEA");
        for (qsizetype i = 0; i < letters.size(); ++i) {
            const KeyVerdict v = typedOnUsLayout(code(letters.at(i)), letters);
            QCOMPARE(v.code, ushort(latin.at(i).unicode()));
            QCOMPARE(v.layout, std::optional(KeyboardLayoutKind::UsEnglish));
        }
        for (QChar other : QStringLiteral("ЛаfF1\b")) {
            const KeyVerdict v = typedOnUsLayout(code(other), letters);
            QCOMPARE(v.code, code(other));
            QVERIFY(!v.layout);
        }
    }

    void warningKeepsOrDrops()
    {
        const KeyVerdict typed{code(u'ж'), {}, KeyboardLayoutKind::Russian};
        const KeyVerdict kept = warnUnless(typed, false, "!", Warned::KeepsCharacter);
        QCOMPARE(kept.code, code(u'ж'));
        QCOMPARE(kept.warning, QStringLiteral("!"));
        QCOMPARE(kept.layout, typed.layout);
        const KeyVerdict dropped = warnUnless(typed, false, "!", Warned::DropsCharacter);
        QCOMPARE(dropped.code, ushort(0));
        QCOMPARE(dropped.warning, QStringLiteral("!"));
        const KeyVerdict allowed = warnUnless(typed, true, "!", Warned::DropsCharacter);
        QCOMPARE(allowed.code, typed.code);
        QVERIFY(allowed.warning.isEmpty());
    }

    void codeTests()
    {
        QVERIFY(isOneOf(code(u'Н'), u"ИАНГЧ"));
        QVERIFY(!isOneOf(code(u'н'), u"ИАНГЧ"));
        QVERIFY(!isOneOf(0, u"ИАНГЧ"));
        QVERIFY(isSmallCyrillic(224) && isSmallCyrillic(255));
        QVERIFY(!isSmallCyrillic(223) && !isSmallCyrillic(184));
    }
};

ZORBIKS_TEST(TranslitFiltersTest)
#include "TranslitFiltersTest.moc"
