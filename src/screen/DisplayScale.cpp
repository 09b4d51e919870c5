#include "screen/DisplayScale.h"

#include <algorithm>
#include <cmath>

namespace zorbiks::DisplayScale {

namespace {

double current = 1;

} // namespace

double forScreen(const QSize &screen)
{
    return std::max(1.0, std::min(screen.width() / 1024.0, screen.height() / 768.0));
}

double factor()
{
    return current;
}

void set(double factor)
{
    current = factor;
}

int px(double designed)
{
    return static_cast<int>(std::lround(designed * current));
}

QMargins margins(int left, int top, int right, int bottom)
{
    return {px(left), px(top), px(right), px(bottom)};
}

} // namespace zorbiks::DisplayScale
