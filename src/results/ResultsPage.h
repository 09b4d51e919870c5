#pragma once

// What the results screen says and prints, as pure functions of the pupil's
// record: the greeting, the verdict, and the lines of the A5 page.

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zorbiks {

struct PupilRecord;

namespace ResultsPage {

enum class Verdict {
    TooLittle, // two tasks or fewer
    Poor,      // ratio ≤ 0.6
    Fair,      // 0.6 < ratio < 0.85
    Good,      // ratio ≥ 0.85
};

// The ratio is computed and compared in single precision.
Verdict verdictFor(qint16 tasksShown, qint16 correctTotal);
QString verdictText(Verdict verdict);

// "Уважаемая  Петрова!" for a surname ending in a small "а" or "я",
// "Уважаемый  …!" otherwise.
QString greeting(const QString &pupilName);

// A list cut into lines of `width` characters, the last holding the rest.
QStringList cutIntoLines(const QString &list, int width = 143);

// The printed page, one item per line: heading, the line of date, time,
// surname and figures, then both lists under their headings. Lists are
// printed whole, however long.
QStringList printedLines(const QDateTime &now, const PupilRecord &pupil);

} // namespace ResultsPage
} // namespace zorbiks
