#pragma once

// The "now" table of the followed logs: one row per run of today — who,
// in what state, at which computer (file), since when, how long without
// activity, on which question, how far, and the last tokens; the ones
// needing attention first. The window's "Сейчас" tab and
// `zorbiks-report --follow` show the same cells.

#include "report/FollowedLog.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

#include <vector>

namespace zorbiks::report {

class LogFollower;

// In the order of attention.
enum class NowState {
    Stuck,    // three or more wrong attempts in a row on one question
    Left,     // no total, and no activity for ten minutes or a later run in the same file
    Working,  //
    Finished, // the total line: through the results screen
};

// A run without its total and without activity this long has been left.
inline constexpr qint64 idleLimitSeconds = 10 * 60;
// Wrong attempts in a row on one question that make a pupil stuck.
inline constexpr quint32 stuckAfterWrong = 3;

NowState stateOf(const LiveRun &run, const QDateTime &now);
NowState stateOf(const LiveRun &run, qint64 idleSeconds);

struct NowRow {
    LiveRun run;
    QString file; // the followed file's label
    NowState state = NowState::Working;
    qint64 idleSeconds = 0; // since the run's last activity
};

struct NowTable {
    enum Column {
        Surname,
        State,
        File,
        Started,
        LastActivity,
        Question,
        Tasks,
        RightFirst,
        LastTokens,
        columnCount
    };

    QDateTime now;
    std::vector<NowRow> rows;     // attention first
    QList<QStringList> cells;     // the texts of the rows
    int counts[4] = {0, 0, 0, 0}; // rows per NowState
    quint64 attempts = 0;         // of all rows

    static QList<QString> headings();
    static bool numeric(int column);
    // "Сегодня работ: 12. Застряли: 1, вышли без экрана результатов: 2,
    // работают: 7, закончили: 2. Попыток: 240."
    QString summary() const;
};

// Today's runs of the followed logs at `now`.
NowTable nowTable(const LogFollower &follower, const QDateTime &now);

// "только что", "3 мин назад", "1 ч 5 мин назад".
QString agoText(qint64 seconds);

// The table for a terminal: the time, the figures and aligned columns.
QString nowText(const NowTable &table);

} // namespace zorbiks::report
