#pragma once

// The draw of screens without prepared data sets: a whole number uniform
// over low … high that is never the one drawn just before.

namespace zorbiks {

class RandomSource;

class NoRepeatDraw {
public:
    // low < high
    NoRepeatDraw(int low, int high);

    int draw(RandomSource &random);
    // The number of the last draw (low - 1 before the first).
    int current() const { return previous_; }

private:
    int low_;
    int high_;
    int previous_;
};

} // namespace zorbiks
