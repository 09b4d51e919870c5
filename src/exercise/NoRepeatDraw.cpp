#include "exercise/NoRepeatDraw.h"

#include "platform/Services.h"

#include <QtGlobal>

#include <algorithm>

namespace zorbiks {

NoRepeatDraw::NoRepeatDraw(int low, int high)
    : low_(low)
    , high_(std::max(high, low + 1))
    , previous_(low - 1)
{
    Q_ASSERT(low < high);
}

int NoRepeatDraw::draw(RandomSource &random)
{
    const int count = high_ - low_ + 1;
    int n = 0;
    do {
        n = std::clamp(static_cast<int>(random.next() * count), 0, count - 1) + low_;
    } while (n == previous_);
    previous_ = n;
    return n;
}

} // namespace zorbiks
