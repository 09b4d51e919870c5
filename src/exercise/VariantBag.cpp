#include "exercise/VariantBag.h"

#include "platform/Services.h"

#include <QtGlobal>

#include <algorithm>

namespace zorbiks {

VariantBag::VariantBag(int count, int first, Order order)
    : count_(std::max(count, 2))
    , first_(first)
    , order_(order)
    , marks_(count_, false)
{
    Q_ASSERT(count >= 2);
}

int VariantBag::rawDraw(RandomSource &random) const
{
    const int index = static_cast<int>(random.next() * count_);
    return std::clamp(index, 0, count_ - 1) + first_;
}

bool VariantBag::allMarked() const
{
    return std::all_of(marks_.begin(), marks_.end(), [](bool marked) { return marked; });
}

int VariantBag::draw(RandomSource &random)
{
    for (;;) {
        const int k = rawDraw(random);
        if (order_ == Order::Standard) {
            if (k == previous_)
                continue;
            previous_ = k; // also when the mark refuses k below
            if (allMarked())
                marks_.fill(false);
            if (mark(k))
                continue;
            mark(k) = true;
            return k;
        }
        if (allMarked())
            marks_.fill(false);
        if (mark(k))
            continue;
        mark(k) = true; // stays marked when k repeats the previous variant
        if (k == previous_)
            continue;
        previous_ = k;
        return k;
    }
}

} // namespace zorbiks
