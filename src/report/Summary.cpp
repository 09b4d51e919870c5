#include "report/Summary.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace zorbiks::report {

namespace {

bool accepted(const Run &run, const Filter &filter, const QList<bool> &pupilMatches)
{
    if (filter.from.isValid() && run.date < filter.from)
        return false;
    if (filter.to.isValid() && run.date > filter.to)
        return false;
    return pupilMatches.isEmpty() || pupilMatches[run.pupil];
}

QString runNotes(const Journal &journal, const Run &run)
{
    QStringList notes;
    if (run.has(Run::TotalDamaged))
        notes << QStringLiteral("строка итога повреждена");
    if (run.note >= 0)
        notes << journal.notes()[run.note];
    if (run.has(Run::Cut))
        notes << QStringLiteral("запись оборвана");
    return notes.join(QStringLiteral("; "));
}

QString number(qint64 value)
{
    return QString::number(value);
}

} // namespace

QString shareText(double share)
{
    if (share < 0)
        return QStringLiteral("—");
    return QString::number(share, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString unfinishedWords()
{
    return QStringLiteral("вышел без экрана результатов");
}

Summary summarise(const Journal &journal, const Filter &filter)
{
    Summary summary;
    summary.questions.fill({});
    QList<bool> pupilMatches;
    if (!filter.pupil.isEmpty()) {
        const QString wanted = filter.pupil.simplified();
        for (const QString &name : journal.pupilNames())
            pupilMatches.append(name.contains(wanted, Qt::CaseInsensitive));
    }
    QHash<int, int> pupilRow;
    const auto &runs = journal.runs();
    const auto &tallies = journal.tallies();
    for (size_t r = 0; r < runs.size(); ++r) {
        const Run &run = runs[r];
        if (!accepted(run, filter, pupilMatches))
            continue;
        Figures figures;
        for (quint32 t = run.tallyBegin; t < run.tallyBegin + run.tallyCount; ++t) {
            const QuestionTally &tally = tallies[t];
            if (filter.question >= 0 && tally.question != filter.question)
                continue;
            const Figures one{tally.yes, tally.no, tally.skip};
            summary.questions[tally.question] += one;
            figures += one;
        }
        if (filter.question >= 0 && figures.attempts() == 0)
            continue;
        summary.runs.push_back({static_cast<int>(r), figures});
        summary.all += figures;
        auto row = pupilRow.find(run.pupil);
        if (row == pupilRow.end()) {
            row = pupilRow.insert(run.pupil, static_cast<int>(summary.pupils.size()));
            summary.pupils.append({run.pupil, 0, 0, 0, {}});
        }
        PupilRow &pupil = summary.pupils[*row];
        ++pupil.runs;
        pupil.figures += figures;
        if (!run.has(Run::HasTotal)) {
            ++pupil.unfinished;
            ++summary.unfinished;
        }
        if (run.has(Run::Disagrees))
            ++pupil.disagreeing;
    }
    const auto &names = journal.pupilNames();
    std::sort(summary.pupils.begin(), summary.pupils.end(),
              [&](const PupilRow &a, const PupilRow &b) {
                  return QString::localeAwareCompare(names[a.pupil], names[b.pupil]) < 0;
              });
    summary.pupilRank.fill(-1, names.size());
    for (qsizetype i = 0; i < summary.pupils.size(); ++i)
        summary.pupilRank[summary.pupils[i].pupil] = static_cast<int>(i);
    return summary;
}

QString Tables::title(Kind kind)
{
    switch (kind) {
    case Runs: return QStringLiteral("Работы");
    case Pupils: return QStringLiteral("Ученики");
    case Questions: return QStringLiteral("Вопросы");
    }
    return {};
}

QList<QString> Tables::headings(Kind kind)
{
    switch (kind) {
    case Runs:
        return {QStringLiteral("Дата"),
                QStringLiteral("Время"),
                QStringLiteral("Фамилия"),
                QStringLiteral("Попыток"),
                QStringLiteral("Верно с первой попытки"),
                QStringLiteral("Ошибок"),
                QStringLiteral("Пропусков"),
                QStringLiteral("Заданий по итогу"),
                QStringLiteral("Верных по итогу"),
                QStringLiteral("Завершение"),
                QStringLiteral("Замечания"),
                QStringLiteral("Файл")};
    case Pupils:
        return {QStringLiteral("Фамилия"),
                QStringLiteral("Работ"),
                QStringLiteral("Без итога"),
                QStringLiteral("Попыток"),
                QStringLiteral("Верно с первой попытки"),
                QStringLiteral("Ошибок"),
                QStringLiteral("Пропусков"),
                QStringLiteral("Доля верных с первой попытки, %")};
    case Questions:
        return {QStringLiteral("Вопрос"),
                QStringLiteral("Попыток"),
                QStringLiteral("Верно с первой попытки"),
                QStringLiteral("Ошибок"),
                QStringLiteral("Пропусков"),
                QStringLiteral("Доля верных с первой попытки, %")};
    }
    return {};
}

bool Tables::numeric(Kind kind, int column)
{
    switch (kind) {
    case Runs: return column >= 3 && column <= 8;
    case Pupils: return column >= 1;
    case Questions: return column >= 1;
    }
    return false;
}

int Tables::rows(Kind kind) const
{
    switch (kind) {
    case Runs: return static_cast<int>(summary_.runs.size());
    case Pupils: return static_cast<int>(summary_.pupils.size());
    case Questions: return LogFormat::questionCount;
    }
    return 0;
}

QString Tables::text(Kind kind, int row, int column) const
{
    switch (kind) {
    case Runs: {
        const RunRow &rr = summary_.runs[row];
        const Run &run = journal_.runs()[rr.run];
        switch (column) {
        case 0: return run.date.toString(QStringLiteral("dd.MM.yyyy"));
        case 1: return run.time.toString(QStringLiteral("hh:mm:ss"));
        case 2: return journal_.pupilNames()[run.pupil];
        case 3: return number(rr.figures.attempts());
        case 4: return number(rr.figures.yes);
        case 5: return number(rr.figures.no);
        case 6: return number(rr.figures.skip);
        case 7: return run.tasksShown >= 0 ? number(run.tasksShown) : QString();
        case 8: return run.correctTotal >= 0 ? number(run.correctTotal) : QString();
        case 9:
            return run.has(Run::HasTotal) ? QStringLiteral("через экран результатов")
                                          : unfinishedWords();
        case 10: return runNotes(journal_, run);
        case 11:
            return QFileInfo(journal_.files()[run.file]).fileName() + QLatin1Char(':') +
                   QString::number(run.line);
        }
        break;
    }
    case Pupils: {
        const PupilRow &pr = summary_.pupils[row];
        switch (column) {
        case 0: return journal_.pupilNames()[pr.pupil];
        case 1: return number(pr.runs);
        case 2: return number(pr.unfinished);
        case 3: return number(pr.figures.attempts());
        case 4: return number(pr.figures.yes);
        case 5: return number(pr.figures.no);
        case 6: return number(pr.figures.skip);
        case 7: return shareText(pr.figures.share());
        }
        break;
    }
    case Questions: {
        const Figures &f = summary_.questions[row];
        switch (column) {
        case 0: return LogFormat::questionCodes()[row];
        case 1: return number(f.attempts());
        case 2: return number(f.yes);
        case 3: return number(f.no);
        case 4: return number(f.skip);
        case 5: return shareText(f.share());
        }
        break;
    }
    }
    return {};
}

double Tables::sortKey(Kind kind, int row, int column) const
{
    switch (kind) {
    case Runs: {
        const RunRow &rr = summary_.runs[row];
        const Run &run = journal_.runs()[rr.run];
        switch (column) {
        case 0:
        case 1: return static_cast<double>(run.startKey());
        case 2: return summary_.pupilRank[run.pupil];
        case 3: return static_cast<double>(rr.figures.attempts());
        case 4: return static_cast<double>(rr.figures.yes);
        case 5: return static_cast<double>(rr.figures.no);
        case 6: return static_cast<double>(rr.figures.skip);
        case 7: return run.tasksShown;
        case 8: return run.correctTotal;
        case 9: return run.has(Run::HasTotal) ? 1 : 0;
        case 10:
            return (run.note >= 0 ? 1 : 0) + (run.has(Run::TotalDamaged) ? 2 : 0) +
                   (run.has(Run::Cut) ? 4 : 0);
        case 11: return static_cast<double>(run.file) * 1e12 + static_cast<double>(run.line);
        }
        break;
    }
    case Pupils: {
        const PupilRow &pr = summary_.pupils[row];
        switch (column) {
        case 0: return row; // alphabetical already
        case 1: return pr.runs;
        case 2: return pr.unfinished;
        case 3: return static_cast<double>(pr.figures.attempts());
        case 4: return static_cast<double>(pr.figures.yes);
        case 5: return static_cast<double>(pr.figures.no);
        case 6: return static_cast<double>(pr.figures.skip);
        case 7: return pr.figures.share();
        }
        break;
    }
    case Questions: {
        const Figures &f = summary_.questions[row];
        switch (column) {
        case 0: return row; // menu order
        case 1: return static_cast<double>(f.attempts());
        case 2: return static_cast<double>(f.yes);
        case 3: return static_cast<double>(f.no);
        case 4: return static_cast<double>(f.skip);
        case 5: return f.share();
        }
        break;
    }
    }
    return row;
}

} // namespace zorbiks::report
