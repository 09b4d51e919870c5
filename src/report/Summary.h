#pragma once

// The figures of the journal: per run, per pupil (the runs of one surname)
// and per question, under a filter of dates, surname and question, and the
// three tables that the window, the terminal, CSV and HTML show.
//
// What the log allows: a token is written for every logged attempt — "да"
// for a right answer at the first attempt, "нет" for every wrong answer,
// "пропуск" for a give-up. A right answer after a wrong one writes no token
// on most questions, so it is counted nowhere.

#include "report/Journal.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <vector>

namespace zorbiks::report {

struct Filter {
    QDate from;        // invalid: no lower bound
    QDate to;          // invalid: no upper bound
    QString pupil;     // a part of the surname, in any case; empty: everyone
    int question = -1; // only this question's tokens; -1: all
};

struct Figures {
    qint64 yes = 0;
    qint64 no = 0;
    qint64 skip = 0;

    qint64 attempts() const { return yes + no + skip; }
    // The share of the attempts that were right at the first attempt, in
    // percent; -1 without attempts.
    double share() const { return attempts() ? 100.0 * yes / attempts() : -1; }
    Figures &operator+=(const Figures &other)
    {
        yes += other.yes;
        no += other.no;
        skip += other.skip;
        return *this;
    }
};

struct RunRow {
    int run = 0; // index in Journal::runs()
    Figures figures;
};

struct PupilRow {
    int pupil = 0; // index in Journal::pupilNames()
    int runs = 0;
    int unfinished = 0; // runs without a total line
    int disagreeing = 0;
    Figures figures;
};

struct Summary {
    std::vector<RunRow> runs;
    QList<PupilRow> pupils; // by surname
    QList<int> pupilRank;   // of every pupil of the journal: its place by surname
    std::array<Figures, LogFormat::questionCount> questions; // menu order
    Figures all;
    int unfinished = 0;
};

Summary summarise(const Journal &journal, const Filter &filter);

// The three tables, with their Russian headings.
class Tables {
public:
    enum Kind { Runs, Pupils, Questions };
    static constexpr int kindCount = 3;
    static constexpr Kind kinds[kindCount] = {Runs, Pupils, Questions};

    Tables(const Journal &journal, const Summary &summary)
        : journal_(journal)
        , summary_(summary)
    {}

    static QString title(Kind kind);
    static QList<QString> headings(Kind kind);
    // Columns that hold numbers (right-aligned, sorted as numbers).
    static bool numeric(Kind kind, int column);

    int rows(Kind kind) const;
    QString text(Kind kind, int row, int column) const;
    // What the column sorts by.
    // What the column sorts by, as a number: figures, the start of a run,
    // the place of a surname in alphabetical order, a file and its line.
    double sortKey(Kind kind, int row, int column) const;

    const Journal &journal() const { return journal_; }
    const Summary &summary() const { return summary_; }

private:
    const Journal &journal_;
    const Summary &summary_;
};

// "66,7" (one decimal, a decimal comma) or "—" for no attempts.
QString shareText(double share);
// The words a run that ended without its total line is flagged with.
QString unfinishedWords();

} // namespace zorbiks::report
