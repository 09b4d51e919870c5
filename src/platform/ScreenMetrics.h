#pragma once

// Lengths of the layout rules are in twips (1/1440 inch). One conversion
// turns them into pixels from the screen's logical resolution and the
// display scale (see screen/DisplayScale.h): 15 twips per pixel at 96 dpi
// and a scale of 1, 10 at a scale of 1.5.

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <cmath>

namespace zorbiks {

class ScreenMetrics {
public:
    explicit constexpr ScreenMetrics(double logicalDpi = 96.0, double scale = 1.0)
        : twipsPerPixel_(1440.0 / (logicalDpi * scale))
    {}

    constexpr double twipsPerPixel() const { return twipsPerPixel_; }

    int px(double twips) const { return static_cast<int>(std::lround(twips / twipsPerPixel_)); }
    double twips(double pixels) const { return pixels * twipsPerPixel_; }

    QSize px(const QSizeF &twips) const { return {px(twips.width()), px(twips.height())}; }
    QRect px(const QRectF &twips) const
    {
        // Edges are rounded, not sizes, so that rectangles laid edge to edge
        // stay edge to edge in pixels.
        const int left = px(twips.left());
        const int top = px(twips.top());
        return QRect(left, top, px(twips.right()) - left, px(twips.bottom()) - top);
    }
    QSizeF twips(const QSize &pixels) const
    {
        return {twips(pixels.width()), twips(pixels.height())};
    }
    QRectF twips(const QRect &pixels) const
    {
        return {twips(pixels.x()), twips(pixels.y()), twips(pixels.width()),
                twips(pixels.height())};
    }

private:
    double twipsPerPixel_;
};

} // namespace zorbiks
