// The data of И2, И3 and И4 checked against what the tasks mean: the grid
// evaluated, the address spelled by the fragments, the queries' page counts
// worked out from their operators; and the key filter of the letter answers.

#include "support/TestMain.h"

#include "exercise/TranslitFilters.h"
#include "platform/FakeServices.h"
#include "tasks/infotech/FileAddress.h"
#include "tasks/infotech/FormulaCell.h"
#include "tasks/infotech/SearchQueries.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <numeric>

using namespace zorbiks;

namespace {

// A tiny spreadsheet: numbers, and formulas of cell addresses and integers
// with + - * (the usual precedence).
class Grid {
public:
    explicit Grid(QHash<QString, QString> cells)
        : cells_(std::move(cells))
    {}

    int value(const QString &address, int depth = 0)
    {
        if (depth > 6)
            qFatal("circular reference at %s", qPrintable(address));
        const QString text = cells_.value(address);
        if (!text.startsWith('='))
            return text.toInt();
        const QString formula = text.mid(1);
        qsizetype at = 0;
        const int result = sum(formula, at, depth);
        if (at != formula.size())
            qFatal("cannot read %s", qPrintable(text));
        return result;
    }

private:
    int sum(const QString &f, qsizetype &at, int depth)
    {
        int result = product(f, at, depth);
        while (at < f.size() && (f[at] == '+' || f[at] == '-')) {
            const bool plus = f[at++] == '+';
            const int right = product(f, at, depth);
            result = plus ? result + right : result - right;
        }
        return result;
    }
    int product(const QString &f, qsizetype &at, int depth)
    {
        int result = operand(f, at, depth);
        while (at < f.size() && f[at] == '*') {
            ++at;
            result *= operand(f, at, depth);
        }
        return result;
    }
    int operand(const QString &f, qsizetype &at, int depth)
    {
        if (at < f.size() && f[at] >= 'A' && f[at] <= 'C') {
            const QString address = f.mid(at, 2);
            at += 2;
            return value(address, depth + 1);
        }
        const qsizetype start = at;
        while (at < f.size() && f[at].isDigit())
            ++at;
        if (at == start)
            qFatal("expected a number in %s", qPrintable(f));
        return f.mid(start, at - start).toInt();
    }

    QHash<QString, QString> cells_;
};

const QRegularExpression threeSmallLetters(QStringLiteral("^[a-z]{3}$"));

// The one label of a server or file name before its point.
QString stemOf(const QString &name)
{
    return name.section('.', 0, 0);
}

} // namespace

class InfotechTypedDataTest : public QObject {
    Q_OBJECT
private slots:
    void formulaCellAnswerIsTheGridEvaluated()
    {
        const auto &addresses = FormulaCellModel::addresses();
        int number = 0;
        for (const FormulaDataSet &set : FormulaCellModel::dataSets()) {
            ++number;
            QHash<QString, QString> cells;
            for (size_t i = 0; i < addresses.size(); ++i)
                cells.insert(addresses[i], set.cells[i]);
            QVERIFY2(cells["C2"].startsWith('='), qPrintable(QString("data set %1").arg(number)));
            QCOMPARE(Grid(cells).value("C2"), int(set.answer));
        }
        // Data set 3 as the question explains it: A2 = 5, A1 = 10, B2 = 4,
        // C1 = 14, C2 = 14·3 + 4.
        QCOMPARE(FormulaCellModel::dataSets()[2].answer, quint8(46));
    }

    void formulaCellReadsTheWholeTypedNumber_data()
    {
        QTest::addColumn<int>("dataSet");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("correct");
        QTest::newRow("right") << 1 << "58" << true;
        QTest::newRow("leading zero") << 3 << "046" << true;
        QTest::newRow("same lowest byte") << 1 << "314" << false; // 58 + 256
        QTest::newRow("one digit more") << 4 << "810" << false;
        QTest::newRow("one digit less") << 4 << "8" << false;
        QTest::newRow("another data set's") << 2 << "58" << false;
    }

    void formulaCellReadsTheWholeTypedNumber()
    {
        QFETCH(int, dataSet);
        QFETCH(QString, typed);
        QFETCH(bool, correct);
        ScriptedRandom random;
        random.scriptDraw(dataSet, 6);
        FormulaCellModel model;
        model.draw(random);
        QCOMPARE(model.dataSet(), dataSet);
        QCOMPARE(model.isCorrect(typed), correct);
    }

    void fileAddressHasExactlyOneOrderThatSpellsTheAddress()
    {
        const QString &letters = FileAddressModel::letters();
        int number = 0;
        for (const AddressDataSet &set : FileAddressModel::dataSets()) {
            const QByteArray name = "data set " + QByteArray::number(++number);
            const QString address = set.protocol + "://" + set.server + "/" + set.file;
            const std::array<QString, 7> fragments = FileAddressModel::allFragments(set);
            std::array<int, 7> order;
            std::iota(order.begin(), order.end(), 0);
            QStringList spelling;
            do {
                QString text;
                for (int i : order)
                    text += fragments[size_t(i)];
                if (text == address) {
                    QString code;
                    for (int i : order)
                        code += letters[i];
                    spelling << code;
                }
            } while (std::next_permutation(order.begin(), order.end()));
            QVERIFY2(spelling.size() == 1, name + " " + spelling.join(' ').toUtf8());
            QCOMPARE(spelling.first(), set.answer);
        }
    }

    void fileAddressNamesHaveTheirForm()
    {
        const auto &sets = FileAddressModel::dataSets();
        QStringList labels, stems;
        for (const AddressDataSet &set : sets) {
            QVERIFY(set.protocol == "http" || set.protocol == "ftp");
            labels << stemOf(set.server);
            stems << stemOf(set.file);
            QVERIFY2(threeSmallLetters.match(labels.last()).hasMatch(), qPrintable(set.server));
            QVERIFY2(threeSmallLetters.match(stems.last()).hasMatch(), qPrintable(set.file));
            QString sorted = set.answer;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(sorted, FileAddressModel::letters());
        }
        // Data sets 1, 3, 4 share a server, 1, 2, 6 a file; no other pair
        // does.
        for (size_t i = 0; i < sets.size(); ++i) {
            for (size_t j = i + 1; j < sets.size(); ++j) {
                const bool sharedServer = (i == 0 || i == 2) && (j == 2 || j == 3);
                const bool sharedFile = (i == 0 || i == 1) && (j == 1 || j == 5);
                QCOMPARE(sets[i].server == sets[j].server, sharedServer);
                QCOMPARE(sets[i].file == sets[j].file, sharedFile);
            }
        }
        for (const QString &label : std::as_const(labels))
            QVERIFY2(!stems.contains(label), qPrintable(label));
        QCOMPARE(sets[2].answer, sets[5].answer);
    }

    void searchQueriesOrderFollowsFromTheOperators()
    {
        // Every combination of the three surnames is found on some page, so
        // a query finds as many kinds of page as combinations satisfy it.
        const QStringList surnames = {"Ломоносов", "Менделеев", "Кранбельский"};
        const QString letters = QStringLiteral("АБВГ");
        QList<std::pair<int, QChar>> counts;
        for (size_t q = 0; q < SearchQueriesModel::queries().size(); ++q) {
            const SearchQuery &query = SearchQueriesModel::queries()[q];
            const bool disjunction = query.text.contains(" | ");
            const QStringList terms =
                query.text.split(disjunction ? QStringLiteral(" | ") : QStringLiteral("    "));
            // Each gap of four blanks carries one AND sign.
            QCOMPARE(query.andSigns, disjunction ? 0 : int(terms.size()) - 1);
            int found = 0;
            for (int page = 0; page < 8; ++page) {
                bool any = false, all = true;
                for (const QString &term : terms) {
                    const qsizetype who = surnames.indexOf(term);
                    QVERIFY2(who >= 0, qPrintable(term));
                    const bool mentioned = page & (1 << who);
                    any = any || mentioned;
                    all = all && mentioned;
                }
                found += (disjunction ? any : all) ? 1 : 0;
            }
            counts.append({found, letters[qsizetype(q)]});
        }
        std::sort(counts.begin(), counts.end());
        QString order;
        for (qsizetype i = 0; i < counts.size(); ++i) {
            if (i > 0)
                QVERIFY(counts[i].first > counts[i - 1].first);
            order += counts[i].second;
        }
        QCOMPARE(order, SearchQueriesModel::answer());
    }

    void capitalLettersFilter_data()
    {
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("lastKeyDown");
        QTest::addColumn<int>("entered");
        QTest::addColumn<bool>("warned");
        QTest::addColumn<bool>("switches");
        // Letters of the Latin layout.
        QTest::newRow("F gives А") << int('F') << 70 << 192 << false << true;
        QTest::newRow("D gives В") << int('D') << 68 << 194 << false << true;
        QTest::newRow("f gives а, a small letter") << int('f') << 70 << 224 << true << true;
        QTest::newRow("[ gives х") << int('[') << 0 << 245 << true << true;
        // Signs on the keys of Russian letters.
        QTest::newRow("< gives Б") << int('<') << 0 << 193 << false << true;
        QTest::newRow("> gives Ю") << int('>') << 0 << 222 << false << true;
        QTest::newRow(": gives Ж") << int(':') << 0 << 198 << false << true;
        QTest::newRow("; gives ж") << int(';') << 0 << 230 << true << true;
        QTest::newRow(". gives ю") << int('.') << 0 << 254 << true << true;
        // Signs that stay signs, and digits: dropped, no switch.
        QTest::newRow("Russian colon on 6") << int(':') << 54 << 0 << false << false;
        QTest::newRow("Russian semicolon on 4") << int(';') << 52 << 0 << false << false;
        QTest::newRow("Russian point on 191") << int('.') << 191 << 0 << false << false;
        QTest::newRow("slash key") << int('/') << 191 << 0 << false << false;
        QTest::newRow("question mark") << int('?') << 191 << 0 << false << false;
        QTest::newRow("equals") << int('=') << 0 << 0 << false << false;
        QTest::newRow("digit 0") << int('0') << 48 << 0 << false << false;
        QTest::newRow("digit 9") << int('9') << 57 << 0 << false << false;
        QTest::newRow("bar") << int('|') << 0 << 0 << false << false;
        QTest::newRow("backslash") << int('\\') << 0 << 0 << false << false;
        // Cyrillic letters and control codes pass as they are.
        QTest::newRow("Ж typed on the Russian layout") << 198 << 0 << 198 << false << false;
        QTest::newRow("ж typed on the Russian layout") << 230 << 0 << 230 << true << false;
        QTest::newRow("backspace") << 8 << 0 << 8 << false << false;
    }

    void capitalLettersFilter()
    {
        QFETCH(int, typed);
        QFETCH(int, lastKeyDown);
        QFETCH(int, entered);
        QFETCH(bool, warned);
        QFETCH(bool, switches);
        const KeyVerdict verdict =
            TranslitFilters::cyrillicCapitals(ushort(typed), qint16(lastKeyDown));
        QCOMPARE(int(verdict.code), entered);
        QCOMPARE(verdict.warning, warned ? QStringLiteral("В ответе должны быть  только заглавные "
                                                          "буквы!")
                                         : QString());
        QCOMPARE(verdict.layout == KeyboardLayoutKind::Russian, switches);
    }
};

ZORBIKS_TEST(InfotechTypedDataTest)
#include "InfotechTypedDataTest.moc"
