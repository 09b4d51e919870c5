#include "log/LogFormat.h"

namespace zorbiks::LogFormat {

namespace {

// The four code letters, the number of questions of each, and where each
// letter's questions start in the menu order.
struct Letter {
    char16_t letter;
    int count;
    int first;
};
constexpr Letter letters[] = {
    {u'К', 11, 0},
    {u'Л', 5, 11},
    {u'П', 4, 16},
    {u'И', 8, 20},
};

const Letter *letterOf(QChar c)
{
    for (const Letter &l : letters)
        if (c.unicode() == l.letter)
            return &l;
    return nullptr;
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// A code ("К1" … "И8") at `at`: its question index and length; the digits
// must not go on.
std::optional<std::pair<int, qsizetype>> codeAt(QStringView text, qsizetype at)
{
    if (at >= text.size())
        return std::nullopt;
    const Letter *letter = letterOf(text[at]);
    if (!letter)
        return std::nullopt;
    qsizetype i = at + 1;
    if (i < text.size() && text[i] == u'0')
        return std::nullopt;
    int number = 0;
    while (i < text.size() && isAsciiDigit(text[i]) && i - at <= 2) {
        number = number * 10 + (text[i].unicode() - '0');
        ++i;
    }
    if (i == at + 1 || (i < text.size() && isAsciiDigit(text[i])))
        return std::nullopt;
    if (number < 1 || number > letter->count)
        return std::nullopt;
    return std::pair{letter->first + number - 1, i - at};
}

// Up to six decimal digits at `at`, after an optional "-"; the value and
// the length.
std::optional<std::pair<int, qsizetype>> numberAt(QStringView text, qsizetype at)
{
    qsizetype i = at;
    const bool negative = i < text.size() && text[i] == u'-';
    if (negative)
        ++i;
    const qsizetype digits = i;
    int value = 0;
    while (i < text.size() && isAsciiDigit(text[i])) {
        if (i - digits >= 6)
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - '0');
        ++i;
    }
    if (i == digits)
        return std::nullopt;
    return std::pair{negative ? -value : value, i - at};
}

qsizetype skipBlanks(QStringView text, qsizetype at)
{
    while (at < text.size() && text[at] == u' ')
        ++at;
    return at;
}

qsizetype skipSeparators(QStringView text, qsizetype at)
{
    while (at < text.size() && (text[at] == u' ' || text[at] == u','))
        ++at;
    return at;
}

const QString totalWords = QStringLiteral("Общий итог:");
const QString shownWords = QStringLiteral("всего ответов");
const QString correctWords = QStringLiteral("правильных ответов");
const QString correctListWords = QStringLiteral(", правильные ответы:");
const QString wrongListWords = QStringLiteral(", неправильные ответы:");

const QString markTexts[] = {QStringLiteral(" - да,"), QStringLiteral(" - нет,"),
                             QStringLiteral(" - пропуск,")};

} // namespace

const QList<QString> &questionCodes()
{
    static const QList<QString> codes = [] {
        QList<QString> all;
        for (const Letter &l : letters)
            for (int n = 1; n <= l.count; ++n)
                all.append(QChar(l.letter) + QString::number(n));
        return all;
    }();
    return codes;
}

int questionIndex(QStringView code)
{
    const auto found = codeAt(code, 0);
    return found && found->second == code.size() ? found->first : -1;
}

QString lineEnd()
{
    return QStringLiteral("\r\n");
}

QString stampFormat()
{
    return QStringLiteral("dd.MM.yyyy hh:mm:ss");
}

QString headerRecord(const QDateTime &stamp, const QString &surname)
{
    return lineEnd() + lineEnd() + stamp.toString(stampFormat()) + surname;
}

QString token(const QString &code, Mark mark, bool trailingBlank)
{
    return QLatin1Char(' ') + code + markTexts[static_cast<int>(mark)] +
           (trailingBlank ? QStringLiteral(" ") : QString());
}

QString numberText(int value)
{
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(qAbs(value)) +
           QLatin1Char(' ');
}

QString totalLine(int tasksShown, int correctTotal, const QString &correctList,
                  const QString &wrongList)
{
    return QLatin1Char(' ') + totalWords + QLatin1Char(' ') + shownWords + QLatin1Char(' ') +
           numberText(tasksShown) + QLatin1Char(' ') + correctWords + numberText(correctTotal) +
           correctListWords + QLatin1Char(' ') + correctList + wrongListWords + QLatin1Char(' ') +
           wrongList;
}

QString totalRecord(int tasksShown, int correctTotal, const QString &correctList,
                    const QString &wrongList)
{
    return lineEnd() + totalLine(tasksShown, correctTotal, correctList, wrongList) + lineEnd();
}

// ---- reading ---------------------------------------------------------------

StampState parseStamp(QStringView line, QDate *date, QTime *time)
{
    // dd.MM.yyyy hh:mm:ss
    static constexpr char pattern[] = "00.00.0000 00:00:00";
    if (line.size() < stampLength)
        return StampState::NotAStamp;
    int numbers[6] = {};
    int which = 0;
    for (int i = 0; i < stampLength; ++i) {
        const QChar c = line[i];
        if (pattern[i] == '0') {
            if (!isAsciiDigit(c))
                return StampState::NotAStamp;
            numbers[which] = numbers[which] * 10 + (c.unicode() - '0');
        } else {
            if (c.unicode() != static_cast<char16_t>(pattern[i]))
                return StampState::NotAStamp;
            ++which;
        }
    }
    const QDate d(numbers[2], numbers[1], numbers[0]);
    const QTime t(numbers[3], numbers[4], numbers[5]);
    if (!d.isValid() || !t.isValid())
        return StampState::Impossible;
    if (date)
        *date = d;
    if (time)
        *time = t;
    return StampState::Valid;
}

std::optional<Token> tokenAt(QStringView text, qsizetype at)
{
    const auto code = codeAt(text, at);
    if (!code)
        return std::nullopt;
    const QStringView rest = text.mid(at + code->second);
    for (int mark = 0; mark < 3; ++mark) {
        if (rest.startsWith(markTexts[mark]))
            return Token{code->first, static_cast<Mark>(mark),
                         code->second + markTexts[mark].size()};
    }
    return std::nullopt;
}

bool isTokenStart(QStringView text)
{
    if (text.isEmpty() || !letterOf(text[0]))
        return false;
    qsizetype i = 1;
    while (i < text.size() && i <= 2 && isAsciiDigit(text[i]))
        ++i;
    if (i == text.size())
        return true;
    if (i == 1)
        return false;
    const QStringView rest = text.mid(i);
    for (const QString &mark : markTexts)
        if (QStringView(mark).startsWith(rest))
            return true;
    return false;
}

bool isTotalLine(QStringView line)
{
    return line.mid(skipBlanks(line, 0)).startsWith(QStringView(totalWords).chopped(1));
}

std::optional<QList<ListEntry>> parseCorrectList(QStringView list)
{
    QList<ListEntry> entries;
    qsizetype i = skipSeparators(list, 0);
    while (i < list.size()) {
        ListEntry entry;
        if (isAsciiDigit(list[i])) {
            const auto count = numberAt(list, i);
            if (!count)
                return std::nullopt;
            entry.count = count->first;
            i += count->second;
        }
        const auto code = codeAt(list, i);
        if (!code)
            return std::nullopt;
        entry.question = code->first;
        i += code->second;
        if (i < list.size() && list[i] != u' ' && list[i] != u',')
            return std::nullopt;
        entries.append(entry);
        i = skipSeparators(list, i);
    }
    return entries;
}

std::optional<QList<ListEntry>> parseWrongList(QStringView list)
{
    QList<ListEntry> entries;
    qsizetype i = skipSeparators(list, 0);
    while (i < list.size()) {
        const auto code = codeAt(list, i);
        if (!code)
            return std::nullopt;
        i += code->second;
        if (i >= list.size() || list[i] != u'/')
            return std::nullopt;
        const auto count = numberAt(list, i + 1);
        if (!count || count->first < 0)
            return std::nullopt;
        i += 1 + count->second;
        ListEntry entry{code->first, count->first, count->first == 0};
        if (i < list.size() && list[i] == u'/') {
            const auto giveUp = numberAt(list, i + 1);
            if (!giveUp || giveUp->first != 0)
                return std::nullopt;
            i += 1 + giveUp->second;
            entry.gaveUp = true;
        }
        if (i < list.size() && list[i] != u' ' && list[i] != u',')
            return std::nullopt;
        entries.append(entry);
        i = skipSeparators(list, i);
    }
    return entries;
}

std::optional<Total> parseTotal(QStringView line)
{
    qsizetype i = skipBlanks(line, 0);
    if (!line.mid(i).startsWith(totalWords))
        return std::nullopt;
    i += totalWords.size();
    const qsizetype shownAt = line.indexOf(shownWords, i);
    if (shownAt < 0)
        return std::nullopt;
    i = skipBlanks(line, shownAt + shownWords.size());
    const auto shown = numberAt(line, i);
    if (!shown)
        return std::nullopt;
    i = skipBlanks(line, i + shown->second);
    if (!line.mid(i).startsWith(correctWords))
        return std::nullopt;
    i = skipBlanks(line, i + correctWords.size());
    const auto correct = numberAt(line, i);
    if (!correct)
        return std::nullopt;
    i = skipBlanks(line, i + correct->second);
    if (!line.mid(i).startsWith(correctListWords))
        return std::nullopt;
    i += correctListWords.size();
    const qsizetype wrongAt = line.indexOf(wrongListWords, i);
    if (wrongAt < 0)
        return std::nullopt;
    const auto correctList = parseCorrectList(line.mid(i, wrongAt - i));
    const auto wrongList = parseWrongList(line.mid(wrongAt + wrongListWords.size()));
    if (!correctList || !wrongList)
        return std::nullopt;
    return Total{shown->first, correct->first, *correctList, *wrongList};
}

} // namespace zorbiks::LogFormat
