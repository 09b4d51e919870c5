#pragma once

// The journal following the logs of a class while pupils write them: files
// and folders (every .txt file of a folder and its subfolders, also those
// that appear later), each read by what was appended since the last look.
// LogFollower does one look at a time (check); FollowWatcher looks when the
// file system tells of a change and, because shares (SMB, NFS) tell nothing
// of what another computer wrote, every second as well.

#include "report/FollowedLog.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <vector>

namespace zorbiks {
class Clock;
}

namespace zorbiks::report {

// The computer's own clock.
const Clock &systemClock();

class LogFollower {
public:
    explicit LogFollower(const Clock &clock);
    ~LogFollower();

    // Follows these files and folders instead of the ones followed so far.
    // A file named here is followed also while it does not exist.
    void follow(const QStringList &paths);
    const QStringList &paths() const { return paths_; }

    // One look: files grown, replaced, shortened or removed, and, with
    // `inFolders`, new files in the folders. True when some run changed.
    bool check(bool inFolders = true);

    const std::vector<std::unique_ptr<FollowedLog>> &logs() const { return logs_; }
    // The folders (with their subfolders) and files to be told about.
    QStringList watchList() const;
    // Whether a followed file was written in the last `seconds`.
    bool writtenWithin(qint64 seconds) const;
    const Clock &clock() const { return clock_; }
    qint64 bytesRead() const;

private:
    bool findFiles();

    const Clock &clock_;
    QStringList paths_;
    QStringList folders_; // the followed folders and their subfolders, at the last look
    std::vector<std::unique_ptr<FollowedLog>> logs_; // by path
};

class FollowWatcher final : public QObject {
    Q_OBJECT
public:
    // The periodic look: on a share, where no notification comes, a record
    // shows within this period and its reading.
    static constexpr int periodMs = 1000;

    explicit FollowWatcher(LogFollower &follower, QObject *parent = nullptr);

    // Notifications of the file system, on by default; without them only
    // the periodic look sees changes, as on a share.
    void setNotifications(bool on);
    // Looks now, and from then on.
    void start();
    void stop();
    // Looks now, in the folders too.
    void checkNow();

signals:
    // After every look; `changed` when a run changed. The time alone moves
    // the "now" table too (minutes without activity).
    void checked(bool changed);

private:
    void look(bool inFolders);
    void watch();

    LogFollower &follower_;
    QFileSystemWatcher *watcher_ = nullptr;
    bool notifications_ = true;
    QTimer period_;
    QTimer soon_; // gathers the notifications of one write into one look
    bool folderChanged_ = false;
};

} // namespace zorbiks::report
