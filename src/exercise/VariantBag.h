#pragma once

// The draw of one of N prepared data sets: every data set once per cycle,
// and never the same data set twice running.

#include <QList>

namespace zorbiks {

class RandomSource;

class VariantBag {
public:
    enum class Order {
        Standard,   // a repeat of the previous variant is refused before the
                    // cycle is looked at, so a cycle never starts with it
        MarksFirst, // the variant is marked before the repeat test, so a cycle
                    // that would start with the previous variant skips it
    };

    // Variants first … first + count - 1; count is at least 2.
    explicit VariantBag(int count, int first = 1, Order order = Order::Standard);

    int draw(RandomSource &random);

private:
    int rawDraw(RandomSource &random) const;
    bool allMarked() const;
    bool &mark(int variant) { return marks_[variant - first_]; }

    int count_;
    int first_;
    Order order_;
    QList<bool> marks_;
    int previous_ = 0;
};

} // namespace zorbiks
