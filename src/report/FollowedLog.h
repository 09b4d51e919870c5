#pragma once

// One results log followed while pupils write to it: each reading takes
// only the bytes appended since the last one. The file is known by its
// identity (device and inode), its size and its modification time; a file
// that was replaced or shortened is read again from its start. A run's
// header and tokens form one line that ends only when the run's total or
// the next run's header comes, so the last line is read as far as it goes
// each time (a token cut short waits for its end), never reported as
// damage.

#include "log/LogFormat.h"
#include "report/LineDecoder.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <memory>
#include <sys/types.h>
#include <vector>

namespace zorbiks::report {

// What a run's tokens say so far.
class RunProgress {
public:
    struct Attempt {
        int question = -1; // index in LogFormat::questionCodes()
        LogFormat::Mark mark = LogFormat::Mark::Yes;
    };
    // The last attempts that are kept.
    static constexpr int recentCount = 5;

    void add(const LogFormat::Token &token);

    quint32 yes() const { return yes_; }
    quint32 attempts() const { return attempts_; }
    // The tasks answered as far as the tokens tell: a "да" is one task, a
    // give-up is one, and wrong attempts in a row on one question are one
    // together with the give-up that may end them (a right answer after a
    // wrong one writes nothing, so it cannot be told apart).
    quint32 tasks() const { return tasks_; }
    // Wrong attempts in a row on one question at the end of the run.
    quint32 wrongInARow() const { return wrongInARow_; }
    // The last attempts, the oldest first.
    QList<Attempt> recent() const;
    // The question of the last attempt, or -1.
    int lastQuestion() const;

private:
    quint32 yes_ = 0;
    quint32 attempts_ = 0;
    quint32 tasks_ = 0;
    quint32 wrongInARow_ = 0;
    std::array<Attempt, recentCount> recent_{}; // a ring, by attempt number
};

// A run of the followed day, as far as it has been written.
struct LiveRun {
    QDateTime start; // the header's date and time (the pupil computer's clock)
    QString surname; // blanks tidied
    qint64 line = 0; // the header's line in its file: the run's identity there
    RunProgress progress;
    bool hasTotal = false;   // the run ended through the results screen
    qint32 tasksShown = -1;  // from the total line; -1 without one
    bool followedBy = false; // a later run began in the same file
    // When the follower saw the run's last header, token or total come; for
    // runs found at the first reading, the file's modification time, or the
    // start of the next run in the file.
    QDateTime lastActivity;
};

class FollowedLog final : public LineSink {
public:
    enum class Reading { Unchanged, Appended, FromStart, Gone };

    explicit FollowedLog(QString path, QString label = QString());
    ~FollowedLog();

    // Reads what was appended since the last reading, or the whole file
    // again when it was replaced or shortened. `now` is the follower's time,
    // taken as the time of what was appended; only runs of `now`'s day are
    // kept.
    Reading update(const QDateTime &now);

    const QString &path() const { return path_; }
    // How the file is shown: its path within the followed folder.
    const QString &label() const { return label_; }
    bool exists() const { return known_; }
    // The runs of the day, in file order; the last may be still unfinished.
    const std::vector<LiveRun> &runs() const { return shown_; }
    QDateTime modified() const;
    qint64 offset() const { return offset_; }
    // Bytes read in all, again-read files included.
    qint64 bytesRead() const { return bytesRead_; }

    // LineSink: the whole lines, as they end.
    void line(qint64 number, QStringView text) override;
    void overlongLine(qint64) override {}

private:
    void restart();
    bool tailStillThere(int fd) const;
    qint64 readFrom(int fd);
    void show(const QDateTime &now, bool first, std::size_t from);

    QString path_;
    QString label_;
    bool known_ = false; // the file was there at the last reading
    dev_t device_ = 0;
    ino_t inode_ = 0;
    qint64 offset_ = 0;
    qint64 modifiedNs_ = 0;
    qint64 bytesRead_ = 0;
    QByteArray tail_; // the last bytes read, to tell a file rewritten in place
    std::unique_ptr<LineDecoder> decoder_;
    QDate day_;
    std::vector<LiveRun> runs_; // of whole lines
    bool open_ = false;         // runs_.back() is the run of the last header
    std::vector<LiveRun> shown_;
};

} // namespace zorbiks::report
