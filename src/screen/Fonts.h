#pragma once

#include "screen/DisplayScale.h"

#include <QFont>

namespace zorbiks {

// A designed font size in points, as large as the display scale makes it.
inline double scaledPoints(double points)
{
    return points * DisplayScale::factor();
}

// Arial, the designed font (Liberation Sans, its metric twin, on Linux), at
// a designed size in points.
inline QFont arialFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(scaledPoints(points));
    font.setBold(bold);
    return font;
}

} // namespace zorbiks
