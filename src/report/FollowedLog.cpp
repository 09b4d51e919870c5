#include "report/FollowedLog.h"

#include "report/LogRecord.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbiks::report {

namespace LF = zorbiks::LogFormat;

namespace {

// The last bytes read are kept to tell a file rewritten in place.
constexpr qsizetype tailBytes = 64;

qint64 modifiedNs(const struct stat &status)
{
    return qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
}

// The whole tokens of the text; a piece that is not one is passed over (a
// token cut short is read again once its end has come).
void addTokens(LiveRun &run, QStringView text)
{
    TokenScanner scanner(text);
    while (const auto piece = scanner.next())
        if (piece->token)
            run.progress.add(*piece->token);
}

// Takes a record of the file into the runs: a header begins a run (ending
// the one before), tokens and the total go to the run begun last. A line
// not yet ended (`ended` false) may be a total cut short: it waits.
void take(std::vector<LiveRun> &runs, bool &open, const LogRecord &record, qint64 number, QDate day,
          bool ended)
{
    switch (record.kind) {
    case LogRecord::Header:
    case LogRecord::BadStamp:
        if (open)
            runs.back().followedBy = true;
        open = record.kind == LogRecord::Header && record.date == day;
        if (open) {
            LiveRun run;
            run.start = QDateTime(record.date, record.time);
            run.surname = record.surname.toString().simplified();
            run.line = number;
            addTokens(run, record.marks);
            runs.push_back(std::move(run));
        }
        return;
    case LogRecord::Marks:
        if (open && !runs.back().hasTotal)
            addTokens(runs.back(), record.marks);
        return;
    case LogRecord::Total:
        if (open && ended && !runs.back().hasTotal) {
            runs.back().hasTotal = true;
            if (record.total)
                runs.back().tasksShown = record.total->tasksShown;
        }
        return;
    case LogRecord::Blank: return;
    }
}

} // namespace

void RunProgress::add(const LF::Token &token)
{
    const Attempt attempt{token.question, token.mark};
    const bool sameQuestion = attempts_ > 0 && lastQuestion() == token.question;
    const bool afterWrong = wrongInARow_ > 0 && sameQuestion;
    switch (token.mark) {
    case LF::Mark::Yes:
        ++yes_;
        ++tasks_;
        wrongInARow_ = 0;
        break;
    case LF::Mark::No:
        if (!afterWrong)
            ++tasks_;
        wrongInARow_ = afterWrong ? wrongInARow_ + 1 : 1;
        break;
    case LF::Mark::Skip:
        if (!afterWrong)
            ++tasks_;
        wrongInARow_ = 0;
        break;
    }
    recent_[attempts_ % recentCount] = attempt;
    ++attempts_;
}

QList<RunProgress::Attempt> RunProgress::recent() const
{
    QList<Attempt> out;
    for (quint32 i = attempts_ - std::min<quint32>(attempts_, recentCount); i < attempts_; ++i)
        out.append(recent_[i % recentCount]);
    return out;
}

int RunProgress::lastQuestion() const
{
    return attempts_ > 0 ? recent_[(attempts_ - 1) % recentCount].question : -1;
}

FollowedLog::FollowedLog(QString path, QString label)
    : path_(std::move(path))
    , label_(label.isEmpty() ? path_ : std::move(label))
{}

FollowedLog::~FollowedLog() = default;

QDateTime FollowedLog::modified() const
{
    return QDateTime::fromMSecsSinceEpoch(modifiedNs_ / 1000000);
}

FollowedLog::Reading FollowedLog::update(const QDateTime &now)
{
    const QByteArray name = QFile::encodeName(path_);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode)) {
        if (!known_)
            return Reading::Unchanged;
        known_ = false;
        restart();
        shown_.clear();
        return Reading::Gone;
    }
    if (known_ && status.st_dev == device_ && status.st_ino == inode_ &&
        status.st_size == offset_ && modifiedNs(status) == modifiedNs_)
        return Reading::Unchanged;

    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        if (fd >= 0)
            ::close(fd);
        return Reading::Unchanged; // tried again at the next check
    }
    const bool fromStart = !known_ || status.st_dev != device_ || status.st_ino != inode_ ||
                           status.st_size < offset_ || !tailStillThere(fd);
    if (fromStart)
        restart();
    // The run of the last header and those after it may change.
    const std::size_t from = open_ ? runs_.size() - 1 : runs_.size();
    known_ = true;
    device_ = status.st_dev;
    inode_ = status.st_ino;
    day_ = now.date();
    const qint64 read = readFrom(fd);
    // The time of what was read: a write after the reading changes the size
    // as well, so it is not taken for a rewrite at the next check.
    if (::fstat(fd, &status) == 0)
        modifiedNs_ = modifiedNs(status);
    ::close(fd);
    if (!fromStart && read == 0)
        return Reading::Unchanged; // touched, not written
    show(now, fromStart, from);
    return fromStart ? Reading::FromStart : Reading::Appended;
}

void FollowedLog::restart()
{
    offset_ = 0;
    tail_.clear();
    decoder_ = std::make_unique<LineDecoder>(*this);
    runs_.clear();
    open_ = false;
}

// Whether the bytes before the offset are still those read: a file copied
// over the followed one keeps its inode and may be as long or longer.
bool FollowedLog::tailStillThere(int fd) const
{
    if (tail_.isEmpty())
        return true;
    QByteArray bytes(tail_.size(), Qt::Uninitialized);
    return ::pread(fd, bytes.data(), static_cast<size_t>(bytes.size()), offset_ - tail_.size()) ==
               tail_.size() &&
           bytes == tail_;
}

qint64 FollowedLog::readFrom(int fd)
{
    struct stat status {};
    const qint64 expected = ::fstat(fd, &status) == 0 ? status.st_size - offset_ : 0;
    QByteArray chunk(static_cast<qsizetype>(std::clamp<qint64>(expected + 1, 4096, 1 << 20)),
                     Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, chunk.data(), static_cast<size_t>(chunk.size()), offset_);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        const QByteArrayView bytes(chunk.constData(), n);
        decoder_->feed(bytes);
        tail_.append(bytes.last(std::min<qsizetype>(n, tailBytes)));
        tail_.remove(0, std::max<qsizetype>(0, tail_.size() - tailBytes));
        offset_ += n;
        total += n;
    }
    bytesRead_ += total;
    return total;
}

void FollowedLog::line(qint64 number, QStringView text)
{
    take(runs_, open_, parseRecord(text), number, day_, true);
}

// The runs of whole lines and of the line still being written, each with
// the time of its last change: kept from the last reading when its tokens
// and total are the same, else the time of this reading. Runs before
// `from` (those before the run of the last header) cannot have changed.
void FollowedLog::show(const QDateTime &now, bool first, std::size_t from)
{
    from = std::min(from, shown_.size());
    std::vector<LiveRun> before(std::make_move_iterator(shown_.begin() + from),
                                std::make_move_iterator(shown_.end()));
    shown_.resize(from);
    shown_.insert(shown_.end(), runs_.begin() + from, runs_.end());
    bool open = open_;
    const QString pending = decoder_->pendingLine();
    if (!pending.isEmpty())
        take(shown_, open, parseRecord(pending), decoder_->linesEnded() + 1, day_, false);

    const QDateTime written = first ? std::min(modified(), now) : now;
    auto old = before.cbegin();
    for (std::size_t i = from; i < shown_.size(); ++i) {
        LiveRun &run = shown_[i];
        while (old != before.cend() && old->line < run.line)
            ++old;
        if (old != before.cend() && old->line == run.line && old->start == run.start &&
            old->progress.attempts() == run.progress.attempts() && old->hasTotal == run.hasTotal)
            run.lastActivity = old->lastActivity;
        else if (first && i + 1 < shown_.size())
            run.lastActivity = std::max(run.start, std::min(written, shown_[i + 1].start));
        else
            run.lastActivity = written;
    }
}

} // namespace zorbiks::report
