#pragma once

// The results log: a text file in Windows-1251 with CR LF line ends into
// which every run writes a header (two line ends, date, time and surname),
// one token per answer attempt, and, when the pupil leaves through the
// results screen, a total line. The file is opened, appended to, flushed to
// the disk and closed around every record; the program never reads it.
//
// A record that cannot be written (missing folder, no permission, full disk,
// another writer holding the lock too long) is kept at once in a spool on
// this computer and written, in order and once, before the next record that
// can be written, also by a later run. Each append takes an advisory lock,
// so that copies of the program writing to one file on a shared folder never
// interleave their records.

#include "log/LogSpool.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace zorbiks {

class Clock;
class SettingsStore;
struct PupilRecord;

class ResultsLog {
public:
    ResultsLog(PupilRecord &pupil, SettingsStore &settings, Clock &clock,
               QString defaultLocation = defaultLocationOfThisSystem(),
               QString spoolLocation = spoolLocationOfThisSystem());

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

    // Records not written yet (in the spool, or in memory when the spool
    // cannot be written either), this run's and those left by earlier runs.
    bool hasPending() const { return pendingCount_ > 0; }
    int pendingCount() const { return pendingCount_; }
    // Of those, the records kept only in memory: the spool could not take
    // them either, and they are lost when the program ends.
    int unsavedCount() const { return static_cast<int>(unspooled_.size()); }
    QString spoolLocation() const { return spool_.path(); }
    // Tries the pending records again: at the configured location, and if
    // that fails at the default one. True when nothing is pending afterwards.
    bool retryPending();

    // How long a write waits for another writer's lock.
    void setLockWait(int milliseconds) { lockWaitMs_ = milliseconds; }

private:
    void write(const QString &record);
    // Keeps `record` (when not empty) after the pending ones and, when
    // `path` is not empty, writes them all there.
    bool keep(const QByteArray &record, const QString &path);

    PupilRecord &pupil_;
    SettingsStore &settings_;
    Clock &clock_;
    QString defaultLocation_;
    LogSpool spool_;
    QList<QByteArray> unspooled_; // kept in memory: the spool could not take them
    int pendingCount_ = 0;
    int lockWaitMs_ = defaultLockWaitMs;
};

} // namespace zorbiks
