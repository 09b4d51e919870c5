#pragma once

// The results log: a text file in Windows-1251 with CR LF line ends into
// which every run writes a header (two line ends, date, time and surname),
// one token per answer attempt, and, when the pupil leaves through the
// results screen, a total line. Every record goes to the log's location of
// the moment it is made (the teacher's setting, else the default); the
// program never reads the log.
//
// Where a record lives between the pupil's click and the log's disk:
//  1. the screen's thread encodes it and keeps it in the spool on this
//     computer with one write (no fsync, no close): from then on a crash or
//     a kill of the program cannot lose it, because what a write has handed
//     to the kernel reaches the file whatever becomes of the process; only
//     then does the pupil see the feedback;
//  2. the writer (LogWriter.h), on a thread of its own in the program,
//     appends it to the log in order after every earlier record: open, lock
//     (fcntl, waiting at most two seconds for another computer), a delivery
//     note in the spool, append, fsync, close (the lock goes with it);
//  3. once every record in the spool is in the log, the spool is cut (at
//     once when they had waited, else when it has grown or the run ends).
// The delivery note makes the append happen exactly once: a run that stops
// between the note and the spool's cut leaves the next run the log's size
// before the append, and the next run looks there before it delivers again.
// A power cut can lose what the last second or so handed over (the spool is
// flushed to the disk only for records that waited), never what the log's
// fsync has returned for.
//
// A record the log refuses (missing folder, no permission, full disk,
// another writer holding the lock too long) waits in the spool, and goes, in
// order and once, with the next record that can be written, also in a later
// run. A record the spool cannot take either waits in memory, behind the
// same rule: every new record tries the log with all waiting ones first.
// Each append takes an advisory lock, so that copies of the program writing
// to one file on a shared folder never interleave their records.

#include "log/LogWriter.h"

#include <QString>

namespace zorbiks {

class Clock;
class SettingsStore;
struct PupilRecord;

class ResultsLog {
public:
    using Thread = LogWriter::Thread;

    // With Thread::Callers every write is done when the call returns (the
    // tests of the files use that); the program gives its writer a thread.
    ResultsLog(PupilRecord &pupil, SettingsStore &settings, Clock &clock,
               QString defaultLocation = defaultLocationOfThisSystem(),
               QString spoolLocation = spoolLocationOfThisSystem(),
               Thread thread = Thread::Callers);

    // The file named by ZORBIKS_DEFAULT_LOG, or Zorbiks.txt in the
    // application's data folder (created when missing).
    static QString defaultLocationOfThisSystem();
    // The file named by ZORBIKS_SPOOL, or pending-records in the
    // application's local data folder.
    static QString spoolLocationOfThisSystem();

    // The header of a run: CR LF CR LF, "dd.MM.yyyy hh:mm:ss" and the surname.
    void writeHeader();
    // An attempt token, verbatim.
    void writeToken(const QString &token);
    // CR LF, the total line and CR LF.
    void writeTotal();

    // " Общий итог: всего ответов  12  правильных ответов 9 , правильные
    // ответы: …, неправильные ответы: …" without line ends.
    static QString totalLine(const PupilRecord &pupil);
    // A number as it is written into text: the sign's place (a blank or
    // "-"), the digits and a trailing blank.
    static QString numberText(int value);

    // The location the next record goes to: the stored one, else the default.
    QString location() const;
    QString defaultLocation() const { return defaultLocation_; }
    QString spoolLocation() const { return writer_.spoolPath(); }

    // What the writer has: records waiting, kept only in memory, untried.
    LogWriter::Status status() const { return writer_.status(); }
    // Called after every step of the writer, on the writer's thread.
    void setWriterListener(std::function<void()> listener)
    {
        writer_.setListener(std::move(listener));
    }

    // Records not in the log yet: those the writer has not tried, and those
    // it keeps (in the spool, or in memory when the spool cannot take them
    // either), this run's and those left by earlier runs.
    bool hasPending() const { return pendingCount() > 0; }
    int pendingCount() const { return writer_.status().waiting; }
    // Of those, the records kept only in memory: lost when the program ends.
    int unsavedCount() const { return writer_.status().unsaved; }
    // The writer has records it has not tried yet.
    bool isWriting() const { return writer_.status().writing; }
    // Waits at most `ms` until the writer has tried every record: true then.
    bool waitForWriter(int ms) const { return writer_.waitUntilTried(ms); }
    // Tries the pending records again: at the configured location, and if
    // that fails at the default one. True when nothing is pending afterwards
    // (with a writer thread: nothing was pending).
    bool retryPending();

    // How long a write waits for another writer's lock.
    void setLockWait(int milliseconds) { writer_.setLockWait(milliseconds); }

private:
    void write(const QString &record);

    PupilRecord &pupil_;
    SettingsStore &settings_;
    Clock &clock_;
    QString defaultLocation_;
    LogWriter writer_;
};

} // namespace zorbiks
