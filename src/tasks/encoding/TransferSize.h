#pragma once

// К5. The size in kilobytes of a file sent at a rate in bits per second
// for a number of seconds.

#include "exercise/Exercise.h"
#include "exercise/NoRepeatDraw.h"

class QLabel;

namespace zorbiks {

class TransferSizeModel {
public:
    static constexpr int largestFactor = 12;
    static constexpr int longest = 10; // seconds
    // The rate 8k × 1024 bits/s with k over 1..12, never the same twice
    // running; the time 1..10 seconds, which may repeat.
    void draw(RandomSource &random);
    static int rateOf(int factor) { return 8 * factor * 1024; }
    int rate() const { return rateOf(factor_); }
    int seconds() const { return seconds_; }
    // T × S / 8 kilobytes, with S = 8k.
    int answer() const { return seconds_ * 8 * factor_ / 8; }
    bool isCorrect(const QString &answer) const;

private:
    NoRepeatDraw factorDraw_{1, largestFactor};
    int factor_ = 1;
    int seconds_ = 1;
};

class TransferSize final : public Exercise {
public:
    TransferSize();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    bool isCorrect(const QString &answer) const override { return model_.isCorrect(answer); }
    QString rightAnswer() const override { return QString::number(model_.answer()); }
    KeyVerdict filterKey(ushort code, qint16 lastKeyDown) const override;

    const TransferSizeModel &model() const { return model_; }

private:
    TransferSizeModel model_;
    QLabel *rate_ = nullptr;    // `зад2`
    QLabel *seconds_ = nullptr; // `зад3`
};

} // namespace zorbiks
