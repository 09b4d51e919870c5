#include "report/Journal.h"

#include "log/Cp1251.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace zorbiks::report {

namespace LF = zorbiks::LogFormat;

namespace {

// Windows-1251 bytes to text through a table made once.
const std::array<char16_t, 256> &cp1251Table()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int code = 0; code < 256; ++code)
            t[code] = Cp1251::character(static_cast<ushort>(code)).unicode();
        return t;
    }();
    return table;
}

// A line is read as UTF-8 when it holds more whole UTF-8 sequences of two or
// more bytes than bytes that break the rules; otherwise as Windows-1251,
// where Cyrillic text almost never forms valid UTF-8.
bool looksLikeUtf8(const char *data, qsizetype size)
{
    qsizetype good = 0;
    qsizetype bad = 0;
    qsizetype i = 0;
    while (i < size) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        if (c >= 0xC2 && c <= 0xDF)
            length = 2;
        else if (c >= 0xE0 && c <= 0xEF)
            length = 3;
        else if (c >= 0xF0 && c <= 0xF4)
            length = 4;
        bool whole = length > 0 && i + length <= size;
        for (int k = 1; whole && k < length; ++k)
            whole = (static_cast<unsigned char>(data[i + k]) & 0xC0) == 0x80;
        if (whole) {
            ++good;
            i += length;
        } else {
            ++bad;
            ++i;
        }
    }
    return good > bad;
}

QString decodeLine(const char *data, qsizetype size)
{
    bool ascii = true;
    for (qsizetype i = 0; i < size && ascii; ++i)
        ascii = static_cast<unsigned char>(data[i]) < 0x80;
    if (ascii)
        return QString::fromLatin1(data, size);
    if (looksLikeUtf8(data, size))
        return QString::fromUtf8(data, size);
    const auto &table = cp1251Table();
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < size; ++i)
        out[i] = QChar(table[static_cast<unsigned char>(data[i])]);
    return text;
}

QString excerpt(QStringView text)
{
    constexpr qsizetype limit = 40;
    const QString shown = text.trimmed().left(limit).toString();
    return text.trimmed().size() > limit ? shown + QStringLiteral("…") : shown;
}

// The next position from `from` where a token begins after a blank, or the
// end of the text.
qsizetype nextToken(QStringView text, qsizetype from)
{
    for (qsizetype j = std::max<qsizetype>(from, 1); j < text.size(); ++j) {
        if (text[j - 1] == u' ' && LF::tokenAt(text, j))
            return j;
    }
    return text.size();
}

} // namespace

// The reading of one file: a state machine fed line by line.
class LogParser {
public:
    LogParser(Journal &journal, const QString &fileName)
        : journal_(journal)
        , fileName_(fileName)
        , problemsBegin_(journal.problems_.size())
    {
        file_ = static_cast<int>(journal.files_.size());
        journal.files_.append(fileName);
    }

    void line(qint64 number, QStringView text)
    {
        lineNumber_ = number;
        if (text.trimmed().isEmpty())
            return;
        QDate date;
        QTime time;
        switch (LF::parseStamp(text, &date, &time)) {
        case LF::StampState::Valid: header(date, time, text.mid(LF::stampLength)); return;
        case LF::StampState::Impossible:
            finishRun();
            skipping_ = true;
            ++recognised_;
            problem(QStringLiteral("невозможная дата или время «%1» — работа пропущена")
                        .arg(text.left(LF::stampLength)));
            return;
        case LF::StampState::NotAStamp: break;
        }
        if (LF::isTotalLine(text)) {
            ++recognised_;
            total(text);
            return;
        }
        if (open_ && !(run_.flags & Run::HasTotal)) {
            if (tokens(text, 0) == 0)
                ++unrecognised_;
            return;
        }
        const bool hasTokens = LF::tokenAt(text, 0) || nextToken(text, 1) < text.size();
        if (skipping_ && hasTokens)
            return; // the rest of a run already reported
        if (hasTokens) {
            ++recognised_;
            problem(QStringLiteral("отметки попыток без начала работы — пропущены: «%1»")
                        .arg(excerpt(text)));
        } else {
            ++unrecognised_;
            problem(QStringLiteral("непонятная строка «%1» — пропущена").arg(excerpt(text)));
        }
    }

    void overlongLine(qint64 number)
    {
        lineNumber_ = number;
        ++unrecognised_;
        problem(QStringLiteral("строка длиннее %1 МБ — пропущена")
                    .arg(Journal::maxLineBytes / (1024 * 1024)));
    }

    void finish()
    {
        finishRun();
        auto &problems = journal_.problems_;
        if (recognised_ == 0 && unrecognised_ > 0) {
            problems.erase(problems.begin() + problemsBegin_, problems.end());
            lineNumber_ = 0;
            reported_ = 0;
            problem(QStringLiteral("файл не похож на журнал Зорбикса (непонятных строк: %1) — "
                                   "пропущен")
                        .arg(unrecognised_));
        } else if (reported_ > Journal::maxProblemsPerFile) {
            problems.append({fileName_, 0,
                             QStringLiteral("и ещё замечаний к этому файлу: %1")
                                 .arg(reported_ - Journal::maxProblemsPerFile)});
        }
    }

private:
    void problem(const QString &what)
    {
        if (++reported_ <= Journal::maxProblemsPerFile)
            journal_.problems_.append({fileName_, lineNumber_, what});
    }

    void header(QDate date, QTime time, QStringView rest)
    {
        finishRun();
        ++recognised_;
        skipping_ = false;
        open_ = true;
        run_ = Run();
        tally_.fill({});
        run_.date = date;
        run_.time = time;
        run_.file = file_;
        run_.line = lineNumber_;
        const qsizetype first = nextToken(rest, 0);
        run_.pupil = journal_.pupilIndex(rest.left(first).toString().simplified());
        tokens(rest, first);
    }

    // Reads the tokens of `text` from `from`; text between them that is not
    // a token is reported. Returns the number of tokens.
    int tokens(QStringView text, qsizetype from)
    {
        int found = 0;
        qsizetype i = from;
        while (i < text.size()) {
            const QChar c = text[i];
            if (c == u' ' || c == u',') {
                ++i;
                continue;
            }
            if (const auto token = LF::tokenAt(text, i)) {
                std::array<quint32, 3> &counts = tally_[token->question];
                ++counts[static_cast<int>(token->mark)];
                ++found;
                i += token->length;
                continue;
            }
            const qsizetype next = nextToken(text, i + 1);
            const QStringView piece = text.mid(i, next - i).trimmed();
            if (next == text.size() && LF::isTokenStart(piece)) {
                run_.flags |= Run::Cut;
                problem(QStringLiteral("запись оборвана: «%1»").arg(excerpt(piece)));
            } else {
                problem(QStringLiteral("непонятный текст «%1» — пропущен").arg(excerpt(piece)));
            }
            i = next;
        }
        return found;
    }

    void total(QStringView text)
    {
        if (!open_ || (run_.flags & Run::HasTotal)) {
            if (!skipping_)
                problem(QStringLiteral("строка «Общий итог» без начала работы — пропущена"));
            return;
        }
        run_.flags |= Run::HasTotal;
        const auto parsed = LF::parseTotal(text);
        if (!parsed) {
            run_.flags |= Run::TotalDamaged;
            problem(QStringLiteral("строка «Общий итог» повреждена: «%1»").arg(excerpt(text)));
            return;
        }
        run_.tasksShown = parsed->tasksShown;
        run_.correctTotal = parsed->correctTotal;
        total_ = *parsed;
    }

    // Files the open run: its tallies, its figures and the agreement of its
    // total with its tokens.
    void finishRun()
    {
        if (!open_)
            return;
        open_ = false;
        run_.tallyBegin = static_cast<quint32>(journal_.tallies_.size());
        for (int q = 0; q < LF::questionCount; ++q) {
            const auto &counts = tally_[q];
            if (counts[0] + counts[1] + counts[2] == 0)
                continue;
            journal_.tallies_.push_back({static_cast<quint8>(q), counts[0], counts[1], counts[2]});
            run_.yes += counts[0];
            run_.no += counts[1];
            run_.skip += counts[2];
        }
        run_.tallyCount = static_cast<quint32>(journal_.tallies_.size()) - run_.tallyBegin;
        if ((run_.flags & Run::HasTotal) && !(run_.flags & Run::TotalDamaged))
            checkTotal();
        journal_.runs_.push_back(run_);
        total_ = {};
    }

    void checkTotal()
    {
        QStringList disagreements;
        if (run_.correctTotal > static_cast<qint64>(run_.yes))
            disagreements << QStringLiteral("в итоге правильных ответов %1, а отметок «да» %2")
                                 .arg(run_.correctTotal)
                                 .arg(run_.yes);
        // A code in the lists needs some token of that question in the run;
        // "C/0" (a give-up with no wrong attempt, or a straight way to the
        // results) may stand without one, as some give-ups are not logged.
        QStringList missing;
        auto need = [&](const LF::ListEntry &entry) {
            const auto &counts = tally_[entry.question];
            const QString &code = LF::questionCodes()[entry.question];
            if (counts[0] + counts[1] + counts[2] == 0 && !missing.contains(code))
                missing << code;
        };
        for (const LF::ListEntry &entry : total_.correct)
            need(entry);
        for (const LF::ListEntry &entry : total_.wrong)
            if (entry.count > 0)
                need(entry);
        if (!missing.isEmpty())
            disagreements << QStringLiteral("в списках итога вопросы без отметок: %1")
                                 .arg(missing.join(QStringLiteral(", ")));
        if (disagreements.isEmpty())
            return;
        run_.flags |= Run::Disagrees;
        run_.note = static_cast<int>(journal_.notes_.size());
        journal_.notes_.append(disagreements.join(QStringLiteral("; ")));
    }

    Journal &journal_;
    QString fileName_;
    int file_ = 0;
    qsizetype problemsBegin_ = 0;
    qint64 lineNumber_ = 0;
    int reported_ = 0;
    qint64 recognised_ = 0;
    qint64 unrecognised_ = 0;
    bool open_ = false;
    bool skipping_ = false; // inside a run whose header was impossible
    Run run_;
    LF::Total total_;
    std::array<std::array<quint32, 3>, LF::questionCount> tally_{};
};

namespace {

// Splits a stream of bytes into lines (LF, with an optional CR before it)
// and hands them to the parser; a line longer than the limit is dropped as
// it streams past.
class LineSplitter {
public:
    explicit LineSplitter(LogParser &parser)
        : parser_(parser)
    {}

    // Bytes of the file. A file that begins with a UTF-16 byte-order mark
    // (a text editor's "Unicode") is turned into UTF-8 on the way.
    void feed(const char *data, qsizetype size)
    {
        if (first_) {
            first_ = false;
            if (size >= 2 &&
                (std::memcmp(data, "\xFF\xFE", 2) == 0 || std::memcmp(data, "\xFE\xFF", 2) == 0))
                utf16_.emplace(data[0] == '\xFF' ? QStringConverter::Utf16LE
                                                 : QStringConverter::Utf16BE);
        }
        if (utf16_) {
            const QString text = utf16_->decode(QByteArrayView(data, size));
            const QByteArray utf8 = text.toUtf8();
            split(utf8.constData(), utf8.size());
        } else {
            split(data, size);
        }
    }

    void finish()
    {
        if (!buffer_.isEmpty() || overlong_)
            endLine();
        parser_.finish();
    }

private:
    void split(const char *data, qsizetype size)
    {
        qsizetype start = 0;
        while (start < size) {
            const void *found = std::memchr(data + start, '\n', static_cast<size_t>(size - start));
            const qsizetype end =
                found ? static_cast<const char *>(found) - data : static_cast<qsizetype>(size);
            append(data + start, end - start);
            if (!found)
                return;
            endLine();
            start = end + 1;
        }
    }

    void append(const char *data, qsizetype size)
    {
        if (overlong_)
            return;
        if (buffer_.size() + size > Journal::maxLineBytes) {
            overlong_ = true;
            buffer_.clear();
            buffer_.squeeze();
            return;
        }
        buffer_.append(data, size);
    }

    void endLine()
    {
        ++number_;
        if (overlong_) {
            parser_.overlongLine(number_);
            overlong_ = false;
            return;
        }
        const char *data = buffer_.constData();
        qsizetype size = buffer_.size();
        if (size > 0 && data[size - 1] == '\r')
            --size;
        if (number_ == 1 && size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0) {
            data += 3;
            size -= 3;
        }
        parser_.line(number_, decodeLine(data, size));
        buffer_.clear();
    }

    LogParser &parser_;
    std::optional<QStringDecoder> utf16_;
    QByteArray buffer_;
    qint64 number_ = 0;
    bool overlong_ = false;
    bool first_ = true;
};

} // namespace

int Journal::pupilIndex(const QString &surname)
{
    const auto found = pupilIndex_.constFind(surname);
    if (found != pupilIndex_.constEnd())
        return *found;
    const int index = static_cast<int>(pupilNames_.size());
    pupilNames_.append(surname);
    pupilIndex_.insert(surname, index);
    return index;
}

int Journal::read(const QString &path)
{
    const int before = filesRead_;
    const QFileInfo info(path);
    if (info.isDir()) {
        QStringList found;
        QDirIterator it(path, {QStringLiteral("*.txt"), QStringLiteral("*.TXT")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        found.sort();
        found.removeDuplicates();
        if (found.isEmpty())
            problems_.append({path, 0, QStringLiteral("в папке нет файлов .txt")});
        for (const QString &file : found)
            readFile(file);
    } else {
        readFile(path);
    }
    return filesRead_ - before;
}

void Journal::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ++filesFailed_;
        problems_.append({path, 0,
                          QFileInfo::exists(path)
                              ? QStringLiteral("не удалось открыть: ") + file.errorString()
                              : QStringLiteral("файл не найден")});
        return;
    }
    LogParser parser(*this, path);
    LineSplitter splitter(parser);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(chunk.data(), chunk.size());
        if (n < 0) {
            problems_.append({path, 0, QStringLiteral("ошибка чтения: ") + file.errorString()});
            break;
        }
        if (n == 0)
            break;
        splitter.feed(chunk.constData(), n);
    }
    splitter.finish();
    ++filesRead_;
}

void Journal::readBytes(const QString &name, const QByteArray &bytes)
{
    LogParser parser(*this, name);
    LineSplitter splitter(parser);
    splitter.feed(bytes.constData(), bytes.size());
    splitter.finish();
    ++filesRead_;
}

void Journal::sortRuns()
{
    std::stable_sort(runs_.begin(), runs_.end(),
                     [](const Run &a, const Run &b) { return a.startKey() < b.startKey(); });
}

QList<QuestionTally> Journal::talliesOf(const Run &run) const
{
    return QList<QuestionTally>(tallies_.begin() + run.tallyBegin,
                                tallies_.begin() + run.tallyBegin + run.tallyCount);
}

} // namespace zorbiks::report
