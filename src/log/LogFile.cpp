#include "log/LogFile.h"

#include <QDeadlineTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbiks {

Descriptor::~Descriptor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

Descriptor &Descriptor::operator=(Descriptor &&other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = other.release();
    }
    return *this;
}

const QByteArray &EncodedPath::name(const QString &path)
{
    if (path != path_) {
        path_ = path;
        name_ = QFile::encodeName(path);
        hex_.clear();
    }
    return name_;
}

const QByteArray &EncodedPath::hex(const QString &path)
{
    if (name(path).size() > 0 && hex_.isEmpty())
        hex_ = name_.toHex();
    return hex_;
}

int openForAppend(const QByteArray &name)
{
    if (name.isEmpty())
        return -1;
    return ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
}

namespace {

bool setLock(int fd, short type, bool ownerOfFile)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0; // the whole file, however long it grows
    return ::fcntl(fd, ownerOfFile ? F_OFD_SETLK : F_SETLK, &lock) == 0;
}

} // namespace

bool lockForWriting(int fd, int waitMs, bool ownerOfFile)
{
    std::optional<QDeadlineTimer> deadline; // from the first refusal
    int pauseMs = 1;
    for (;;) {
        if (setLock(fd, F_WRLCK, ownerOfFile))
            return true;
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error != EAGAIN && error != EACCES)
            return error == ENOLCK || error == EOPNOTSUPP || error == EINVAL || error == ENOSYS;
        if (!deadline)
            deadline.emplace(waitMs);
        const qint64 left = deadline->remainingTime();
        if (left <= 0)
            return false;
        ::usleep(static_cast<useconds_t>(std::min<qint64>(pauseMs, left) * 1000));
        pauseMs = std::min(pauseMs * 2, 16);
    }
}

void unlock(int fd)
{
    (void)setLock(fd, F_UNLCK, false);
}

off_t sizeOf(int fd)
{
    struct stat status {};
    return ::fstat(fd, &status) == 0 ? status.st_size : -1;
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

bool writeAll(int fd, QByteArrayView bytes, qsizetype &written)
{
    written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.data() + written, static_cast<size_t>(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

LockedLog::LockedLog(const QByteArray &name, int lockWaitMs)
    : fd_(openForAppend(name))
{
    locked_ = fd_.isOpen() && lockForWriting(fd_.get(), lockWaitMs);
    if (locked_)
        sizeBefore_ = sizeOf(fd_.get());
}

// Closing the descriptor releases the lock (fcntl locks are the process's
// and go with the file's close), after the kernel has the data: one call less
// for every record.
LockedLog::~LockedLog() = default;

bool LockedLog::append(const QByteArray &bytes)
{
    qsizetype written = 0;
    const bool ok = writeAll(fd_.get(), bytes, written) && ::fsync(fd_.get()) == 0;
    if (!ok && written > 0 && sizeOf(fd_.get()) == sizeBefore_ + written) {
        [[maybe_unused]] const int taken = ::ftruncate(fd_.get(), sizeBefore_); // at best
    }
    return ok;
}

} // namespace zorbiks
