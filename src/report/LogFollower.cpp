#include "report/LogFollower.h"

#include "platform/Services.h"
#include "report/Journal.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace zorbiks::report {

namespace {

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A notification is followed by a look this soon: a record's open, write,
// sync and close come as several notifications.
constexpr int gatherMs = 30;

} // namespace

const Clock &systemClock()
{
    static const SystemClock clock;
    return clock;
}

LogFollower::LogFollower(const Clock &clock)
    : clock_(clock)
{}

LogFollower::~LogFollower() = default;

void LogFollower::follow(const QStringList &paths)
{
    paths_ = paths;
    folders_.clear();
    logs_.clear();
}

// The files to follow: those named, and the logs of the named folders, each
// shown by its path within its folder. True when a file with runs went.
bool LogFollower::findFiles()
{
    std::vector<std::unique_ptr<FollowedLog>> found;
    folders_.clear();
    auto keep = [&](const QString &path, const QString &label) {
        const auto same = [&](const auto &log) { return log && log->path() == path; };
        if (std::any_of(found.begin(), found.end(), same))
            return;
        const auto known = std::find_if(logs_.begin(), logs_.end(), same);
        found.push_back(known != logs_.end() ? std::move(*known)
                                             : std::make_unique<FollowedLog>(path, label));
    };
    for (const QString &path : paths_) {
        if (!QFileInfo(path).isDir()) {
            keep(path, QFileInfo(path).fileName());
            continue;
        }
        const QDir folder(QFileInfo(path).absoluteFilePath());
        folders_ << path;
        QDirIterator it(path, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            folders_ << it.next();
        for (const QString &file : logsInFolder(path))
            keep(file, folder.relativeFilePath(QFileInfo(file).absoluteFilePath()));
    }
    std::sort(found.begin(), found.end(),
              [](const auto &a, const auto &b) { return a->path() < b->path(); });
    const bool wentWithRuns = std::any_of(
        logs_.begin(), logs_.end(), [](const auto &log) { return log && !log->runs().empty(); });
    logs_ = std::move(found);
    return wentWithRuns;
}

bool LogFollower::check(bool inFolders)
{
    bool changed = (inFolders || logs_.empty()) && findFiles();
    const QDateTime now = clock_.now();
    for (const auto &log : logs_)
        changed |= log->update(now) != FollowedLog::Reading::Unchanged;
    return changed;
}

QStringList LogFollower::watchList() const
{
    QStringList list = folders_;
    for (const auto &log : logs_)
        if (log->exists())
            list << log->path();
    return list;
}

bool LogFollower::writtenWithin(qint64 seconds) const
{
    const QDateTime now = clock_.now();
    return std::any_of(logs_.begin(), logs_.end(), [&](const auto &log) {
        return log->exists() && std::abs(log->modified().secsTo(now)) < seconds;
    });
}

qint64 LogFollower::bytesRead() const
{
    qint64 bytes = 0;
    for (const auto &log : logs_)
        bytes += log->bytesRead();
    return bytes;
}

FollowWatcher::FollowWatcher(LogFollower &follower, QObject *parent)
    : QObject(parent)
    , follower_(follower)
{
    period_.setInterval(periodMs);
    period_.setTimerType(Qt::PreciseTimer);
    connect(&period_, &QTimer::timeout, this, &FollowWatcher::checkNow);
    soon_.setSingleShot(true);
    soon_.setInterval(gatherMs);
    connect(&soon_, &QTimer::timeout, this, [this] { look(std::exchange(folderChanged_, false)); });
}

void FollowWatcher::setNotifications(bool on)
{
    notifications_ = on;
    if (!on) {
        delete watcher_;
        watcher_ = nullptr;
    }
}

void FollowWatcher::start()
{
    checkNow();
    period_.start();
}

void FollowWatcher::stop()
{
    period_.stop();
    soon_.stop();
    delete watcher_;
    watcher_ = nullptr;
}

void FollowWatcher::checkNow()
{
    look(true);
}

void FollowWatcher::look(bool inFolders)
{
    soon_.stop();
    if (inFolders)
        folderChanged_ = false;
    const bool changed = follower_.check(inFolders);
    if (notifications_)
        watch();
    emit checked(changed);
}

// Asks to be told about the files and folders followed now.
void FollowWatcher::watch()
{
    if (!watcher_) {
        watcher_ = new QFileSystemWatcher(this);
        auto later = [this] {
            if (!soon_.isActive())
                soon_.start();
        };
        connect(watcher_, &QFileSystemWatcher::fileChanged, this, later);
        connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this, later] {
            folderChanged_ = true;
            later();
        });
    }
    const QStringList wanted = follower_.watchList();
    QStringList watched = watcher_->files() + watcher_->directories();
    QStringList gone;
    for (const QString &path : watched)
        if (!wanted.contains(path))
            gone << path;
    if (!gone.isEmpty())
        watcher_->removePaths(gone);
    QStringList added;
    for (const QString &path : wanted)
        if (!watched.contains(path))
            added << path;
    if (!added.isEmpty())
        watcher_->addPaths(added);
}

} // namespace zorbiks::report
