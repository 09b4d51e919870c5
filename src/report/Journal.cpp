#include "report/Journal.h"

#include "report/LineDecoder.h"
#include "report/LogRecord.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace zorbiks::report {

namespace LF = zorbiks::LogFormat;

namespace {

QString excerpt(QStringView text)
{
    constexpr qsizetype limit = 40;
    const QString shown = text.trimmed().left(limit).toString();
    return text.trimmed().size() > limit ? shown + QStringLiteral("…") : shown;
}

} // namespace

// The reading of one file: the records of its lines, one after another,
// put together into runs.
class LogReader final : public LineSink {
public:
    LogReader(Journal &journal, const QString &fileName)
        : journal_(journal)
        , fileName_(fileName)
        , problemsBegin_(journal.problems_.size())
    {
        file_ = static_cast<int>(journal.files_.size());
        journal.files_.append(fileName);
    }

    void line(qint64 number, QStringView text) override
    {
        lineNumber_ = number;
        const LogRecord record = parseRecord(text);
        switch (record.kind) {
        case LogRecord::Blank: return;
        case LogRecord::Header: header(record); return;
        case LogRecord::BadStamp:
            finishRun();
            skipping_ = true;
            ++recognised_;
            problem(QStringLiteral("невозможная дата или время «%1» — работа пропущена")
                        .arg(record.stamp));
            return;
        case LogRecord::Total:
            ++recognised_;
            total(record);
            return;
        case LogRecord::Marks: marks(record.marks); return;
        }
    }

    void overlongLine(qint64 number) override
    {
        lineNumber_ = number;
        ++unrecognised_;
        problem(QStringLiteral("строка длиннее %1 МБ — пропущена")
                    .arg(LineDecoder::maxLineBytes / (1024 * 1024)));
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

    void header(const LogRecord &record)
    {
        finishRun();
        ++recognised_;
        skipping_ = false;
        open_ = true;
        run_ = Run();
        tally_.fill({});
        run_.date = record.date;
        run_.time = record.time;
        run_.file = file_;
        run_.line = lineNumber_;
        run_.pupil = journal_.pupilIndex(record.surname.toString().simplified());
        tokens(record.marks);
    }

    // A line that is neither a header nor a total: the tokens of the open
    // run, or a line out of place.
    void marks(QStringView text)
    {
        if (open_ && !(run_.flags & Run::HasTotal)) {
            if (tokens(text) == 0)
                ++unrecognised_;
            return;
        }
        const bool hasTokens = holdsTokens(text);
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

    // Tallies the tokens of `text` into the open run; text between them that
    // is not a token is reported. Returns the number of tokens.
    int tokens(QStringView text)
    {
        int found = 0;
        TokenScanner scanner(text);
        while (const auto piece = scanner.next()) {
            if (const auto &token = piece->token) {
                ++tally_[token->question][static_cast<int>(token->mark)];
                ++found;
            } else if (piece->cut) {
                run_.flags |= Run::Cut;
                problem(QStringLiteral("запись оборвана: «%1»").arg(excerpt(piece->damage)));
            } else {
                problem(
                    QStringLiteral("непонятный текст «%1» — пропущен").arg(excerpt(piece->damage)));
            }
        }
        return found;
    }

    void total(const LogRecord &record)
    {
        if (!open_ || (run_.flags & Run::HasTotal)) {
            if (!skipping_)
                problem(QStringLiteral("строка «Общий итог» без начала работы — пропущена"));
            return;
        }
        run_.flags |= Run::HasTotal;
        if (!record.total) {
            run_.flags |= Run::TotalDamaged;
            problem(
                QStringLiteral("строка «Общий итог» повреждена: «%1»").arg(excerpt(record.text)));
            return;
        }
        run_.tasksShown = record.total->tasksShown;
        run_.correctTotal = record.total->correctTotal;
        total_ = *record.total;
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

QStringList logsInFolder(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, {QStringLiteral("*.txt"), QStringLiteral("*.TXT")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    found.sort();
    found.removeDuplicates();
    return found;
}

int Journal::read(const QString &path)
{
    const int before = filesRead_;
    const QFileInfo info(path);
    if (info.isDir()) {
        const QStringList found = logsInFolder(path);
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
    LogReader reader(*this, path);
    LineDecoder decoder(reader);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(chunk.data(), chunk.size());
        if (n < 0) {
            problems_.append({path, 0, QStringLiteral("ошибка чтения: ") + file.errorString()});
            break;
        }
        if (n == 0)
            break;
        decoder.feed(QByteArrayView(chunk.constData(), n));
    }
    decoder.finish();
    reader.finish();
    ++filesRead_;
}

void Journal::readBytes(const QString &name, const QByteArray &bytes)
{
    LogReader reader(*this, name);
    LineDecoder decoder(reader);
    decoder.feed(bytes);
    decoder.finish();
    reader.finish();
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
