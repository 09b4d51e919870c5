#include "log/LogSpool.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbiks {

namespace {

// An open file descriptor, closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }

private:
    int fd_;
};

bool setLock(int fd, short type)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0; // the whole file, however long it grows
    return ::fcntl(fd, F_SETLK, &lock) == 0;
}

// Takes the write lock of the whole file, trying again with short pauses
// until `waitMs` have passed. True when it is held, or when the file system
// has no locks at all (then there is nothing to wait for).
bool lockForWriting(int fd, int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    int pauseMs = 1;
    for (;;) {
        if (setLock(fd, F_WRLCK))
            return true;
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error != EAGAIN && error != EACCES)
            return error == ENOLCK || error == EOPNOTSUPP || error == EINVAL || error == ENOSYS;
        const qint64 left = deadline.remainingTime();
        if (left <= 0)
            return false;
        ::usleep(static_cast<useconds_t>(std::min<qint64>(pauseMs, left) * 1000));
        pauseMs = std::min(pauseMs * 2, 16);
    }
}

void unlock(int fd)
{
    (void)setLock(fd, F_UNLCK);
}

bool writeAll(int fd, const char *data, qsizetype size, qsizetype &written)
{
    written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, data + written, static_cast<size_t>(size - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

bool pwriteAll(int fd, const QByteArray &bytes, off_t at)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done,
                                   static_cast<size_t>(bytes.size() - done), at + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QByteArray readAt(int fd, off_t at, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(fd, bytes.data() + done, static_cast<size_t>(size - done), at + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

off_t sizeOf(int fd)
{
    struct stat status {};
    return ::fstat(fd, &status) == 0 ? status.st_size : -1;
}

// Appends to an open, locked file and flushes it. A half-written append is
// taken back unless another writer (one that takes no lock) has appended
// meanwhile.
bool appendLocked(int fd, const QByteArray &bytes)
{
    const off_t before = sizeOf(fd);
    qsizetype written = 0;
    const bool ok = writeAll(fd, bytes.constData(), bytes.size(), written) && ::fsync(fd) == 0;
    if (!ok && written > 0 && before >= 0 && sizeOf(fd) == before + written)
        (void)::ftruncate(fd, before);
    return ok;
}

int openForAppend(const QString &path)
{
    if (path.isEmpty())
        return -1;
    return ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC,
                  0644);
}

// What the spool holds.
struct Contents {
    QByteArray records; // the bytes of all whole records, one after another
    int count = 0;
    off_t end = 0; // where the whole items end (a torn tail follows)
    bool delivering = false;
    off_t deliveryAt = 0; // where the delivery item starts
    off_t targetSizeBefore = 0;
    qsizetype deliveryLength = 0;
    QString target;
};

bool parseNumber(const QByteArray &text, qint64 &value)
{
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok && value >= 0;
}

Contents parse(const QByteArray &bytes)
{
    Contents contents;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype lineEnd = bytes.indexOf('\n', at);
        if (lineEnd < 0)
            break;
        const QByteArray head = bytes.mid(at + 1, lineEnd - at - 1);
        if (bytes[at] == 'R') {
            qint64 length = 0;
            if (!parseNumber(head, length) || lineEnd + 1 + length > bytes.size())
                break;
            contents.records += bytes.mid(lineEnd + 1, length);
            ++contents.count;
            at = lineEnd + 1 + length;
            contents.end = at;
        } else if (bytes[at] == 'D') {
            const QList<QByteArray> fields = head.split(' ');
            qint64 before = 0;
            qint64 length = 0;
            if (fields.size() != 3 || !parseNumber(fields[0], before) ||
                !parseNumber(fields[1], length))
                break;
            contents.delivering = true;
            contents.deliveryAt = at;
            contents.targetSizeBefore = before;
            contents.deliveryLength = length;
            contents.target = QString::fromUtf8(QByteArray::fromHex(fields[2]));
            break; // nothing is ever added after a delivery item
        } else {
            break;
        }
    }
    return contents;
}

QByteArray frame(const QByteArray &record)
{
    return 'R' + QByteArray::number(record.size()) + '\n' + record;
}

// The spool, opened and locked for as long as the object lives.
class OpenSpool {
public:
    OpenSpool(const QString &path, int lockWaitMs)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        locked_ = fd_.isOpen() && lockForWriting(fd_.get(), lockWaitMs);
        if (locked_)
            contents_ = parse(readAt(fd_.get(), 0, std::max<off_t>(sizeOf(fd_.get()), 0)));
    }
    ~OpenSpool()
    {
        if (locked_)
            unlock(fd_.get());
    }

    bool usable() const { return locked_; }
    const Contents &contents() const { return contents_; }

    // Settles a delivery that was under way when the program last stopped.
    void settle(int lockWaitMs)
    {
        if (!contents_.delivering)
            return;
        if (wasDelivered(lockWaitMs))
            empty();
        else
            cut(contents_.deliveryAt);
    }

    bool add(const QList<QByteArray> &records)
    {
        QByteArray bytes;
        for (const QByteArray &record : records)
            bytes += frame(record);
        if (!pwriteAll(fd_.get(), bytes, contents_.end) || ::fsync(fd_.get()) != 0) {
            cut(contents_.end);
            return false;
        }
        for (const QByteArray &record : records)
            contents_.records += record;
        contents_.count += static_cast<int>(records.size());
        contents_.end += bytes.size();
        if (sizeOf(fd_.get()) > contents_.end)
            (void)::ftruncate(fd_.get(), contents_.end);
        return true;
    }

    bool deliver(const QString &target, int lockWaitMs)
    {
        if (contents_.count == 0)
            return true;
        const Descriptor file(openForAppend(target));
        if (!file.isOpen() || !lockForWriting(file.get(), lockWaitMs))
            return false;
        const off_t before = sizeOf(file.get());
        const QByteArray note = 'D' + QByteArray::number(static_cast<qint64>(before)) + ' ' +
                                QByteArray::number(contents_.records.size()) + ' ' +
                                QFile::encodeName(QFileInfo(target).absoluteFilePath()).toHex() +
                                '\n';
        bool ok =
            before >= 0 && pwriteAll(fd_.get(), note, contents_.end) && ::fsync(fd_.get()) == 0;
        ok = ok && appendLocked(file.get(), contents_.records);
        unlock(file.get());
        if (!ok) {
            cut(contents_.end);
            return false;
        }
        empty();
        return true;
    }

private:
    bool wasDelivered(int lockWaitMs)
    {
        const Descriptor file(
            ::open(QFile::encodeName(contents_.target).constData(), O_RDWR | O_CLOEXEC));
        if (!file.isOpen() || !lockForWriting(file.get(), lockWaitMs))
            return false;
        const off_t before = contents_.targetSizeBefore;
        const off_t size = sizeOf(file.get());
        const qsizetype length = contents_.deliveryLength;
        bool delivered = false;
        if (size > before && length == contents_.records.size()) {
            const qsizetype there = std::min<qsizetype>(size - before, length);
            const QByteArray tail = readAt(file.get(), before, there);
            if (tail.size() == length && tail == contents_.records) {
                delivered = true;
            } else if (tail.size() == there && size == before + there &&
                       contents_.records.startsWith(tail)) {
                // Torn by the power cut: take it back, it is delivered again.
                if (::ftruncate(file.get(), before) == 0)
                    (void)::fsync(file.get());
            }
        }
        unlock(file.get());
        return delivered;
    }

    void empty()
    {
        cut(0);
        contents_ = Contents();
    }

    void cut(off_t at)
    {
        if (::ftruncate(fd_.get(), at) == 0)
            (void)::fsync(fd_.get());
    }

    Descriptor fd_;
    bool locked_ = false;
    Contents contents_;
};

} // namespace

bool appendDurably(const QString &path, const QByteArray &bytes, int lockWaitMs)
{
    const Descriptor file(openForAppend(path));
    if (!file.isOpen() || !lockForWriting(file.get(), lockWaitMs))
        return false;
    const bool ok = appendLocked(file.get(), bytes);
    unlock(file.get());
    return ok;
}

int LogSpool::keepAndDeliver(QList<QByteArray> &records, const QString &target, int lockWaitMs)
{
    if (path_.isEmpty())
        return -1;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    OpenSpool spool(path_, lockWaitMs);
    if (!spool.usable())
        return -1;
    spool.settle(lockWaitMs);
    if (!records.isEmpty() && spool.add(records))
        records.clear();
    // What the spool kept goes first, also when it could not take more.
    if (!target.isEmpty())
        spool.deliver(target, lockWaitMs);
    return spool.contents().count;
}

int LogSpool::count(int lockWaitMs)
{
    const QFileInfo file(path_);
    if (path_.isEmpty() || !file.exists() || file.size() == 0)
        return 0;
    QList<QByteArray> none;
    return keepAndDeliver(none, QString(), lockWaitMs);
}

} // namespace zorbiks
