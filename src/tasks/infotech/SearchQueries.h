#pragma once

// И4. Four search queries built of the same surnames with AND and OR, to be
// put in the order of the number of pages the search server finds.

#include "exercise/Exercise.h"

#include <array>

class QLabel;

namespace zorbiks {

class GapLabel;

struct SearchQuery {
    // The query as its label shows it: a gap of four blanks where an AND
    // sign (a picture of "&") lies over the text, "|" for OR.
    QString text;
    int andSigns;
};

class SearchQueriesModel {
public:
    // Queries А, Б, В, Г.
    static const std::array<SearchQuery, 4> &queries();
    static QString answer() { return QStringLiteral("ВГБА"); }
    // Exact, case-sensitive comparison.
    static bool isCorrect(const QString &answer) { return answer == SearchQueriesModel::answer(); }
};

class SearchQueries final : public Exercise {
public:
    SearchQueries();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override
    {
        return SearchQueriesModel::isCorrect(answer);
    }
    QString rightAnswer() const override { return SearchQueriesModel::answer(); }
    KeyVerdict filterKey(ushort code, qint16 lastKeyDown) const override;

private:
    std::array<GapLabel *, 4> queries_{};               // `зад2` … `зад5`
    std::array<std::array<QLabel *, 2>, 4> andSigns_{}; // `Image111` … `Image412`
};

} // namespace zorbiks
