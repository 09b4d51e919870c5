#pragma once

// Where the program keeps its results log, as seen from outside the
// program (the teacher's journal reads it).

#include <QString>

namespace zorbiks {

// The location stored by the teacher screen of the program named
// `application` (group "Position", key "secr"); a classroom-wide value in
// /etc/xdg/<application>/<application>.conf is read when the user has none.
// Empty when nothing is stored.
QString storedLogLocation(const QString &application);

// The log the program `application` writes to: the stored location, else
// the file named by ZORBIKS_DEFAULT_LOG, else Zorbiks.txt in the
// application's folder of the user's data.
QString programLogLocation(const QString &application);

} // namespace zorbiks
