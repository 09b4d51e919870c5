#pragma once

// The teacher's journal: the runs read back from one or more results logs.
//
// A log is read as a stream in chunks: LineDecoder turns the bytes into
// lines, parseRecord tells what each line is, and the journal puts the
// records together into runs. A run begins with a header line (date, time,
// surname, tokens); tokens on the following lines and the total line belong
// to the run before them. Nothing in a file stops the reading: a line that
// cannot be read is reported with its file and line number and skipped, and
// the rest is read. Memory holds one small record per run, not the file.

#include "log/LogFormat.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace zorbiks::report {

// One question's tokens in one run.
struct QuestionTally {
    quint8 question = 0; // index in LogFormat::questionCodes()
    quint32 yes = 0;
    quint32 no = 0;
    quint32 skip = 0;
};

struct Run {
    enum Flag : quint8 {
        HasTotal = 1,     // the run ended through the results screen
        TotalDamaged = 2, // a total line that could not be read
        Disagrees = 4,    // the total does not agree with the tokens
        Cut = 8,          // the run's records end in the middle of a token
    };

    QDate date; // of the header
    QTime time;
    int pupil = 0; // index in Journal::pupilNames()
    int file = 0;  // index in Journal::files()
    qint64 line = 0;
    quint32 yes = 0;
    quint32 no = 0;
    quint32 skip = 0;
    qint32 tasksShown = -1; // from the total line; -1 without one
    qint32 correctTotal = -1;
    quint32 tallyBegin = 0; // the run's tallies in Journal::tallies()
    quint32 tallyCount = 0;
    int note = -1; // index in Journal::notes(): why the total disagrees
    quint8 flags = 0;

    bool has(Flag flag) const { return flags & flag; }
    quint32 attempts() const { return yes + no + skip; }
    qint64 startKey() const { return date.toJulianDay() * 86400000 + time.msecsSinceStartOfDay(); }
};

struct Problem {
    QString file;
    qint64 line = 0; // 0: the file as a whole
    QString what;
};

class Journal {
public:
    // Problems reported one by one per file; the rest are counted.
    static constexpr int maxProblemsPerFile = 100;

    // Reads a log, or every .txt file in a folder and its subfolders.
    // Returns the number of files that could be read.
    int read(const QString &path);
    // Reads bytes as if they were a file of that name (tests, fuzzing).
    void readBytes(const QString &name, const QByteArray &bytes);
    // Puts the runs of all files in the order of their start (a run of one
    // file before a run of the next at the same second).
    void sortRuns();

    const std::vector<Run> &runs() const { return runs_; }
    const std::vector<QuestionTally> &tallies() const { return tallies_; }
    QList<QuestionTally> talliesOf(const Run &run) const;
    const QList<QString> &pupilNames() const { return pupilNames_; }
    const QList<QString> &files() const { return files_; }
    const QList<QString> &notes() const { return notes_; }
    const QList<Problem> &problems() const { return problems_; }
    int filesRead() const { return filesRead_; }
    int filesFailed() const { return filesFailed_; }

private:
    friend class LogReader;

    int pupilIndex(const QString &surname);
    void readFile(const QString &path);

    std::vector<Run> runs_;
    std::vector<QuestionTally> tallies_;
    QList<QString> pupilNames_;
    QHash<QString, int> pupilIndex_;
    QList<QString> files_;
    QList<QString> notes_;
    QList<Problem> problems_;
    int filesRead_ = 0;
    int filesFailed_ = 0;
};

// The results logs of a folder: its .txt files and those of its
// subfolders, sorted by path.
QStringList logsInFolder(const QString &folder);

} // namespace zorbiks::report
