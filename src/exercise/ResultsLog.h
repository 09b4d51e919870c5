#pragma once

// The results log: a text file in Windows-1251 with CR LF line ends into
// which every run writes a header (two line ends, date, time and surname),
// one token per answer attempt, and, when the pupil leaves through the
// results screen, a total line. The file is opened, appended to, flushed to
// the disk and closed around every record; the program never reads it.
//
// A record that cannot be written (missing folder, no permission, full disk)
// is kept and written, in order, before the next record.

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
               QString defaultLocation = defaultLocationOfThisSystem());

    // The file named by ZORBIKS_DEFAULT_LOG, or Zorbiks.txt in the
    // application's data folder (created when missing).
    static QString defaultLocationOfThisSystem();

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

    bool hasPending() const { return !pending_.isEmpty(); }
    int pendingCount() const { return static_cast<int>(pending_.size()); }
    // Tries the pending records again: at the configured location, and if
    // that fails at the default one. True when nothing is pending afterwards.
    bool retryPending();

private:
    void write(const QString &record);
    bool writePending(const QString &path);

    PupilRecord &pupil_;
    SettingsStore &settings_;
    Clock &clock_;
    QString defaultLocation_;
    QList<QByteArray> pending_;
};

// Appends bytes to a file with one append-mode write, flushed to the disk
// before the file is closed. False (and nothing left behind) on failure.
bool appendDurably(const QString &path, const QByteArray &bytes);

} // namespace zorbiks
