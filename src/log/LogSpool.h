#pragma once

// The write path of the results log: durable, locked appends, and the local
// spool that keeps records which could not be written where the log lives.
//
// The spool is a small file on this computer. A record goes into it (and is
// flushed to the disk) as soon as it cannot be written; every record kept
// there is delivered, in order and exactly once, to the log at the first
// write that succeeds, also by a later run of the program. Its format is a
// sequence of items:
//   "R<length>\n<bytes>"                       one record
//   "D<size before> <length> <target hex>\n"   a delivery in progress
// A delivery item names the file the records before it are being appended to
// and that file's size before the append, so that after a power cut the next
// run can tell a finished delivery (the bytes are there: drop them from the
// spool), a torn one (take the torn tail back and deliver again) and one
// that never reached the file.

#include <QByteArray>
#include <QList>
#include <QString>

namespace zorbiks {

// How long a write waits for another writer's lock on the same file.
constexpr int defaultLockWaitMs = 2000;

// Appends bytes to a file: open (created when missing), take an advisory
// write lock (fcntl) with a bounded wait, one append, fsync, unlock, close.
// False, and nothing left behind, when a step fails or the lock is not had
// in time. On a file system without locks the append goes ahead unlocked.
bool appendDurably(const QString &path, const QByteArray &bytes,
                   int lockWaitMs = defaultLockWaitMs);

class LogSpool {
public:
    explicit LogSpool(QString path)
        : path_(std::move(path))
    {}

    QString path() const { return path_; }

    // Moves `records` into the spool (the list is emptied once they are on
    // the disk there), then, when `target` is not empty, delivers everything
    // kept to it (the records the spool could not take stay in the list, to
    // follow). Returns the number of records still kept, or -1 when the
    // spool itself cannot be used (the records then stay in the list).
    int keepAndDeliver(QList<QByteArray> &records, const QString &target, int lockWaitMs);

    // The number of records kept, after settling a delivery that a power cut
    // interrupted. Cheap when the spool is empty or missing.
    int count(int lockWaitMs);

private:
    QString path_;
};

} // namespace zorbiks
