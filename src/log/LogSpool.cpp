#include "log/LogSpool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <unistd.h>

namespace zorbiks {

namespace {

// How long a new run waits for the spool that the last one is letting go.
constexpr int openWaitMs = 3000;

bool parseNumber(const QByteArray &text, qint64 &value)
{
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok && value >= 0;
}

// What a spool holds, read item by item up to the first that is not whole.
struct Contents {
    QList<KeptRecord> records; // not known to be delivered
    std::optional<UnsettledDelivery> open;
    off_t openAt = -1;
    off_t openEnd = -1;
    off_t end = 0; // where the whole items end (a torn tail follows)
};

// One item at `at`; false when it is not whole or not an item.
bool parseItem(const QByteArray &bytes, qsizetype &at, Contents &contents)
{
    const qsizetype lineEnd = bytes.indexOf('\n', at);
    if (lineEnd < 0)
        return false;
    const QList<QByteArray> fields = bytes.mid(at + 1, lineEnd - at - 1).split(' ');
    qint64 first = 0;
    qint64 second = 0;
    qint64 count = 0;
    switch (bytes[at]) {
    case 'R':
        if (fields.size() > 2 || !parseNumber(fields[0], first) ||
            lineEnd + 1 + first > bytes.size())
            return false;
        contents.records.append(
            {bytes.mid(lineEnd + 1, first),
             fields.size() == 2 ? QFile::decodeName(QByteArray::fromHex(fields[1])) : QString()});
        at = lineEnd + 1 + first;
        return true;
    case 'D':
        if (fields.size() < 3 || fields.size() > 4 || !parseNumber(fields[0], first) ||
            !parseNumber(fields[1], second))
            return false;
        if (contents.open) // a later delivery: the one before it was finished
            contents.records.remove(0, contents.open->count);
        count = contents.records.size();
        if (fields.size() == 4 &&
            (!parseNumber(fields[3], count) || count > contents.records.size()))
            return false;
        contents.open = UnsettledDelivery{QFile::decodeName(QByteArray::fromHex(fields[2])),
                                          static_cast<off_t>(first), second, int(count)};
        contents.openAt = at;
        at = lineEnd + 1;
        contents.openEnd = at;
        return true;
    case 'F':
        if (lineEnd != at + 1)
            return false;
        contents.open.reset();
        at = lineEnd + 1;
        return true;
    default: return false;
    }
}

Contents parse(const QByteArray &bytes)
{
    Contents contents;
    qsizetype at = 0;
    while (at < bytes.size() && parseItem(bytes, at, contents))
        contents.end = at;
    return contents;
}

} // namespace

bool LogSpool::open()
{
    if (path_.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    fd_ = Descriptor(::open(QFile::encodeName(path_).constData(),
                            O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0600));
    // A run that is ending may still hold it for a moment.
    if (!fd_.isOpen() || !lockForWriting(fd_.get(), openWaitMs, true)) {
        fd_ = Descriptor();
        return false;
    }
    const off_t size = std::max<off_t>(sizeOf(fd_.get()), 0);
    Contents contents = parse(readAt(fd_.get(), 0, size));
    if (size > contents.end && ::ftruncate(fd_.get(), contents.end) != 0)
        broken_ = true;
    size_ = contents.end;
    left_ = std::move(contents.records);
    unsettled_ = contents.open;
    noteAt_ = contents.openAt;
    noteEnd_ = contents.openEnd;
    return true;
}

DeliveryOutcome LogSpool::outcome(const UnsettledDelivery &delivery, const QByteArray &records,
                                  int lockWaitMs)
{
    const Descriptor file(
        ::open(QFile::encodeName(delivery.target).constData(), O_RDWR | O_CLOEXEC));
    if (!file.isOpen())
        return errno == ENOENT ? DeliveryOutcome::NotDelivered : DeliveryOutcome::Unknown;
    if (!lockForWriting(file.get(), lockWaitMs))
        return DeliveryOutcome::Unknown;
    const off_t before = delivery.sizeBefore;
    const off_t size = sizeOf(file.get());
    const qsizetype length = delivery.length;
    DeliveryOutcome outcome = DeliveryOutcome::NotDelivered;
    if (size < 0) {
        outcome = DeliveryOutcome::Unknown;
    } else if (size > before && length == records.size()) {
        const qsizetype there = std::min<qsizetype>(size - before, length);
        const QByteArray tail = readAt(file.get(), before, there);
        if (tail.size() == length && tail == records) {
            outcome = DeliveryOutcome::Delivered;
        } else if (tail.size() == there && size == before + there && records.startsWith(tail)) {
            // Torn by a power cut: taken back, delivered again.
            if (::ftruncate(file.get(), before) == 0)
                (void)::fsync(file.get());
            else
                outcome = DeliveryOutcome::Unknown;
        }
    }
    unlock(file.get());
    return outcome;
}

bool LogSpool::append(QByteArrayView item)
{
    if (!isUsable())
        return false;
    qsizetype written = 0;
    if (writeAll(fd_.get(), item, written)) {
        size_ += item.size();
        return true;
    }
    if (written > 0 && ::ftruncate(fd_.get(), size_) != 0)
        broken_ = true; // a torn item stays: nothing more goes after it
    return false;
}

bool LogSpool::keep(const QByteArray &record, const QString &target)
{
    startItem('R');
    addNumber(record.size());
    if (!target.isEmpty()) {
        item_ += ' ';
        addBytes(target_.hex(target));
    }
    item_ += '\n';
    addBytes(record);
    return append(item_);
}

bool LogSpool::noteDelivery(off_t sizeBefore, qsizetype length, const QString &target, int count)
{
    const off_t at = size_;
    startItem('D');
    addNumber(sizeBefore);
    item_ += ' ';
    addNumber(length);
    item_ += ' ';
    addBytes(target_.hex(target));
    item_ += ' ';
    addNumber(count);
    item_ += '\n';
    if (!append(item_))
        return false;
    noteAt_ = at;
    noteEnd_ = size_;
    return true;
}

// Items are made in one buffer that keeps its room from one to the next.
void LogSpool::startItem(char kind)
{
    item_.assign(1, kind);
}

void LogSpool::addNumber(qint64 value)
{
    char digits[24];
    const char *end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    item_.append(digits, size_t(end - digits));
}

void LogSpool::addBytes(const QByteArray &bytes)
{
    item_.append(bytes.constData(), size_t(bytes.size()));
}

bool LogSpool::noteFailure()
{
    if (noteAt_ < 0)
        return true;
    bool ok = false;
    if (size_ == noteEnd_ && isUsable() && ::ftruncate(fd_.get(), noteAt_) == 0) {
        size_ = noteAt_; // nothing came after the note: it goes
        ok = true;
    } else {
        ok = append(QByteArrayLiteral("F\n"));
    }
    if (ok)
        noteAt_ = noteEnd_ = -1;
    return ok;
}

bool LogSpool::sync() const
{
    return fd_.isOpen() && ::fsync(fd_.get()) == 0;
}

bool LogSpool::empty()
{
    if (!fd_.isOpen() || ::ftruncate(fd_.get(), 0) != 0)
        return false;
    size_ = 0;
    broken_ = false;
    noteAt_ = noteEnd_ = -1;
    return true;
}

} // namespace zorbiks
