#pragma once

#include <QFont>

namespace zorbiks {

// Arial, the designed font (Liberation Sans, its metric twin, on Linux).
inline QFont arialFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace zorbiks
