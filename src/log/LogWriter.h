#pragma once

// The writer of the results log. A record handed to it is kept in the spool
// at once, with one write (LogSpool.h), and then appended to its log, in
// order, after every record handed over before it: open, lock, a delivery
// note in the spool, append, fsync, close (the lock goes with it). A record
// the log refuses waits in the spool and goes with the next record that can
// be written, to that record's log, or with a retry; a record the spool
// cannot take either waits in memory, in the same order.
//
// The writer works either on the caller's thread, within write() and
// retry(), or on a thread of its own (one per program), so that whoever
// hands a record over never waits for a disk, a network folder or another
// computer's lock: it waits only for the one write into the spool.

#include <QString>

#include <functional>
#include <memory>
#include <thread>

namespace zorbiks {

class LogWriter {
public:
    enum class Thread { Callers, Own };

    LogWriter(const QString &spoolPath, Thread thread);
    // With a thread of its own: the records handed over are tried once more
    // (for a few seconds at most), then the thread ends; what is not in the
    // log by then stays in the spool for the next run.
    ~LogWriter();
    LogWriter(const LogWriter &) = delete;
    LogWriter &operator=(const LogWriter &) = delete;

    // Keeps `record` and hands it over, for the log `target`.
    void write(const QByteArray &record, const QString &target);
    // Tries every waiting record again at `first`, and if that fails at
    // `second`.
    void retry(const QString &first, const QString &second);

    struct Status {
        int waiting = 0;      // records not in the log yet, earlier runs' too
        int unsaved = 0;      // of those, the ones only in memory
        bool writing = false; // some are handed over and not tried yet
    };
    Status status() const;
    // Waits until every record handed over has been tried, at most `ms`:
    // true when so.
    bool waitUntilTried(int ms) const;

    // Called after every step of the writer (on its thread), before the
    // step counts as done for waitUntilTried().
    void setListener(std::function<void()> listener);

    QString spoolPath() const;
    // How long an append waits for another writer's lock.
    void setLockWait(int milliseconds);

private:
    struct State;
    std::shared_ptr<State> state_;
    std::thread thread_;
};

} // namespace zorbiks
