#include "drawing/TextLayout.h"

#include <QTextLayout>

namespace zorbiks {

double layOutLines(QTextLayout &layout, const QTextOption &option, double width)
{
    layout.setTextOption(option);
    layout.beginLayout();
    double height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

} // namespace zorbiks
