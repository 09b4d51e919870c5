#pragma once

// What the number-system questions (К6, К7, К9, К10) have in common besides
// their model: the heading in `Label20`, no focus move after a right answer,
// the leading blank of the wrong-list entry on `Повтор`, and a task text
// `зад1` with the drawn number in `зад2` (and `зад3`) laid over its gap.

#include "exercise/Exercise.h"
#include "tasks/encoding/NumberDrill.h"

class QLabel;

namespace zorbiks {

class GapLabel;

// The traits those questions share, with their explanation frames: one
// caption gives the frame `Пояснение`, two give `Пояснение1` and
// `Пояснение2`; one designed size per frame.
ExerciseTraits numberTraits(const QStringList &captions, const QList<QSizeF> &sizes);

class NumberExercise : public Exercise {
public:
    using Filter = KeyVerdict (*)(ushort code);

    NumberExercise(ExerciseTraits traits, const QList<NumberRow> &rows, Filter filter);

    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return drill_.isCorrect(answer); }
    QString rightAnswer() const override { return drill_.row().answer; }
    KeyVerdict filterKey(ushort code, qint16) const override { return filter_(code); }

    const NumberDrill &drill() const { return drill_; }

protected:
    // `зад1` with `зад2` over the gap that follows `before` (and `зад3`
    // beside it when the rows have a second number).
    void buildTask(ExerciseView &view, const QString &text, const QString &before);

private:
    NumberDrill drill_;
    Filter filter_;
    bool twoNumbers_;
    GapLabel *task_ = nullptr;
    QLabel *first_ = nullptr;
    QLabel *second_ = nullptr;
};

} // namespace zorbiks
