#pragma once

// The file operations under the results log and its spool: descriptors,
// advisory write locks (fcntl) with a bounded wait, whole writes, and the
// durable append to the log: open (created when missing), lock, append,
// fsync, close (which releases the lock).

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace zorbiks {

// How long a write waits for another writer's lock on the same file.
constexpr int defaultLockWaitMs = 2000;

// An open file descriptor, closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1)
        : fd_(fd)
    {}
    ~Descriptor();
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    Descriptor(Descriptor &&other) noexcept
        : fd_(other.release())
    {}
    Descriptor &operator=(Descriptor &&other) noexcept;

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// A path as the file system spells it, and in hex as the spool's items
// write it; kept for the last path asked, since record after record names
// the same log.
class EncodedPath {
public:
    const QByteArray &name(const QString &path);
    const QByteArray &hex(const QString &path);

private:
    QString path_;
    QByteArray name_;
    QByteArray hex_;
};

// Opens the file of that name (as the file system spells it) for appending,
// created when missing; -1 when it cannot.
int openForAppend(const QByteArray &name);

// Takes the write lock of the whole file, trying again with short pauses
// until `waitMs` have passed. True when it is held, or when the file system
// has no locks at all (then there is nothing to wait for). `ownerOfFile`
// takes a lock of the open file itself (which other descriptors of this
// process see too) rather than one of the process.
bool lockForWriting(int fd, int waitMs, bool ownerOfFile = false);
void unlock(int fd);

off_t sizeOf(int fd);
// Up to `size` bytes from `at`: fewer where the file ends.
QByteArray readAt(int fd, off_t at, qsizetype size);
// Writes all of `bytes` at the end of an O_APPEND file, trying again after
// interruptions; `written` tells how much went out when it fails.
bool writeAll(int fd, QByteArrayView bytes, qsizetype &written);

// The log of one append: opened and locked while the object lives.
class LockedLog {
public:
    LockedLog(const QByteArray &name, int lockWaitMs);
    ~LockedLog();
    LockedLog(const LockedLog &) = delete;
    LockedLog &operator=(const LockedLog &) = delete;

    // Open, locked, and its size known.
    bool isReady() const { return sizeBefore_ >= 0; }
    off_t sizeBefore() const { return sizeBefore_; }
    // Appends and flushes to the disk. A half-written append is taken back
    // unless another writer (one that takes no lock) has appended meanwhile.
    bool append(const QByteArray &bytes);

private:
    Descriptor fd_;
    bool locked_ = false;
    off_t sizeBefore_ = -1;
};

} // namespace zorbiks
