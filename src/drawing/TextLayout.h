#pragma once

// Laying out one paragraph of text in lines of a given width.

#include <QTextOption>

class QTextLayout;

namespace zorbiks {

// Lays the layout's text out with `option` in lines of `width`, one under
// the other from the top left corner; returns the height of all lines.
double layOutLines(QTextLayout &layout, const QTextOption &option, double width);

} // namespace zorbiks
