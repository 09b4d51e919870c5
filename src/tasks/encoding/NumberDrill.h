#pragma once

// The model the number-system questions share: a fixed table of numbers to
// show with the one answer each, a row drawn uniformly that is never the
// row shown just before, and an exact check of the typed text (no numeric
// conversion: a leading zero makes an answer wrong).

#include "exercise/NoRepeatDraw.h"

#include <QList>
#include <QString>

namespace zorbiks {

class RandomSource;

struct NumberRow {
    QString shown;       // written into `зад2`
    QString answer;      // the only text accepted
    QString second = {}; // written into `зад3` where the task shows two numbers
};

class NumberDrill {
public:
    explicit NumberDrill(const QList<NumberRow> &rows);

    // k uniform over 1 … the number of rows, never the k drawn just before.
    void draw(RandomSource &random);
    int current() const { return k_; } // 0 before the first draw
    const NumberRow &row() const;
    const QList<NumberRow> &rows() const { return rows_; }
    bool isCorrect(const QString &answer) const { return k_ > 0 && answer == row().answer; }

private:
    const QList<NumberRow> &rows_;
    NoRepeatDraw draw_;
    int k_ = 0;
};

} // namespace zorbiks
