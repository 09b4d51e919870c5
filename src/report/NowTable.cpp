#include "report/NowTable.h"

#include "report/LogFollower.h"
#include "report/ReportWriter.h"
#include "report/Summary.h"

#include <algorithm>

namespace zorbiks::report {

namespace LF = zorbiks::LogFormat;

namespace {

QString markWord(LF::Mark mark)
{
    switch (mark) {
    case LF::Mark::Yes: return QStringLiteral("да");
    case LF::Mark::No: return QStringLiteral("нет");
    case LF::Mark::Skip: return QStringLiteral("пропуск");
    }
    return {};
}

QString stateText(const NowRow &row)
{
    switch (row.state) {
    case NowState::Stuck:
        return QStringLiteral("застрял: ошибок подряд %1").arg(row.run.progress.wrongInARow());
    case NowState::Left: return unfinishedWords();
    case NowState::Working: return QStringLiteral("работает");
    case NowState::Finished: return QStringLiteral("закончил");
    }
    return {};
}

QStringList cellsOf(const NowRow &row)
{
    const LiveRun &run = row.run;
    const RunProgress &progress = run.progress;
    const int question = progress.lastQuestion();
    QStringList recent;
    for (const RunProgress::Attempt &attempt : progress.recent())
        recent << LF::questionCodes()[attempt.question] + QLatin1Char(' ') + markWord(attempt.mark);
    const quint32 tasks =
        run.hasTotal && run.tasksShown >= 0 ? quint32(run.tasksShown) : progress.tasks();
    return {run.surname,
            stateText(row),
            row.file,
            run.start.time().toString(QStringLiteral("HH:mm")),
            agoText(row.idleSeconds),
            question >= 0 ? LF::questionCodes()[question] : QStringLiteral("—"),
            QString::number(tasks),
            QString::number(progress.yes()),
            recent.join(QStringLiteral(", "))};
}

} // namespace

NowState stateOf(const LiveRun &run, const QDateTime &now)
{
    return stateOf(run, run.lastActivity.secsTo(now));
}

NowState stateOf(const LiveRun &run, qint64 idleSeconds)
{
    if (run.hasTotal)
        return NowState::Finished;
    if (run.followedBy || idleSeconds >= idleLimitSeconds)
        return NowState::Left;
    if (run.progress.wrongInARow() >= stuckAfterWrong)
        return NowState::Stuck;
    return NowState::Working;
}

QList<QString> NowTable::headings()
{
    return {QStringLiteral("Ученик"),
            QStringLiteral("Состояние"),
            QStringLiteral("Файл"),
            QStringLiteral("Начало"),
            QStringLiteral("Последнее действие"),
            QStringLiteral("Вопрос"),
            QStringLiteral("Заданий"),
            QStringLiteral("Верно с первой попытки"),
            QStringLiteral("Последние отметки")};
}

bool NowTable::numeric(int column)
{
    return column == Tasks || column == RightFirst;
}

QString NowTable::summary() const
{
    return QStringLiteral("Сегодня работ: %1. Застряли: %2, вышли без экрана результатов: %3, "
                          "работают: %4, закончили: %5. Попыток: %6.")
        .arg(rows.size())
        .arg(counts[int(NowState::Stuck)])
        .arg(counts[int(NowState::Left)])
        .arg(counts[int(NowState::Working)])
        .arg(counts[int(NowState::Finished)])
        .arg(attempts);
}

NowTable nowTable(const LogFollower &follower, const QDateTime &now)
{
    NowTable table;
    table.now = now;
    // Times as numbers: a local date and time is costly to compare.
    const QDate today = now.date();
    const qint64 nowMs = now.toMSecsSinceEpoch();
    for (const auto &log : follower.logs())
        for (const LiveRun &run : log->runs())
            if (run.start.date() == today) {
                const qint64 idle = (nowMs - run.lastActivity.toMSecsSinceEpoch()) / 1000;
                table.rows.push_back({run, log->label(), stateOf(run, idle), idle});
            }
    // Attention first; among the stuck and the working the longest without
    // activity first, among the others the latest first.
    std::stable_sort(table.rows.begin(), table.rows.end(), [](const NowRow &a, const NowRow &b) {
        if (a.state != b.state)
            return a.state < b.state;
        if (a.idleSeconds != b.idleSeconds) {
            const bool oldestFirst = a.state == NowState::Stuck || a.state == NowState::Working;
            return (a.idleSeconds > b.idleSeconds) == oldestFirst;
        }
        return a.run.surname < b.run.surname;
    });
    for (const NowRow &row : table.rows) {
        ++table.counts[int(row.state)];
        table.attempts += row.run.progress.attempts();
        table.cells.append(cellsOf(row));
    }
    return table;
}

QString agoText(qint64 seconds)
{
    const qint64 minutes = std::max<qint64>(0, seconds) / 60;
    if (minutes == 0)
        return QStringLiteral("только что");
    if (minutes < 60)
        return QStringLiteral("%1 мин назад").arg(minutes);
    return QStringLiteral("%1 ч %2 мин назад").arg(minutes / 60).arg(minutes % 60);
}

QString nowText(const NowTable &table)
{
    QString text =
        QStringLiteral("Сейчас, %1. %2\n\n")
            .arg(table.now.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")), table.summary());
    if (table.rows.empty())
        return text;
    QList<bool> numeric;
    for (int c = 0; c < NowTable::columnCount; ++c)
        numeric.append(NowTable::numeric(c));
    return text + alignedTable(NowTable::headings(), table.cells, numeric);
}

} // namespace zorbiks::report
