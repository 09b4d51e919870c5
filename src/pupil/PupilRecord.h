#pragma once

// The state of the one pupil of a run, shared by the screens: who the pupil
// is, the tasks shown and answered, and the two answer lists that the results
// screen shows, prints and logs. It is owned by the stage and lives as long
// as the run; nothing of it is stored.

#include <QString>

namespace zorbiks {

// Counters are 16-bit; a counter that reaches 32767 stays there.
inline void increment(qint16 &counter)
{
    if (counter < 32767)
        ++counter;
}

struct PupilRecord {
    QString PupilName;
    qint16 TasksShown = 0;   // tasks put on the screen, not answers
    qint16 CorrectTotal = 0; // tasks answered correctly at the first attempt
    QString CorrectList;     // " К1 3Л2 К1": one entry per visit with successes
    QString WrongList;       // "К2/3 " and the other forms, in time order
    QString LogPath;         // the log location of the latest record
    QString NewLogPath;      // the address typed on the teacher screen
    qint16 LastKeyDown = 0;  // key code of the last key pressed in the
                             // surname or the address box

    // Correct flush: " К1" for one success, " 3К1" for three, nothing for 0.
    void flushCorrect(const QString &code, qint16 count);
    // Wrong flush: prefix ("К1/" or " К1/"), the count and a blank; nothing
    // for 0.
    void flushWrong(const QString &prefix, qint16 count);
    // Give-up flush: prefix and "0 " with no wrong attempt, otherwise
    // prefix, the count and "/0 ".
    void flushGiveUp(const QString &prefix, qint16 wrongCount);
    // The entry of a shortcut straight to the results: "К/n" when the list is
    // empty, ", К/n" after earlier entries; no blank after it.
    void flushShortcutToResults(const QString &code, qint16 wrongCount);
};

} // namespace zorbiks
