#pragma once

// Measuring text and laying out one paragraph of it in lines of a given
// width.

#include <QStringList>
#include <QTextOption>

class QFont;
class QTextLayout;

namespace zorbiks {

// Lays the layout's text out with `option` in lines of `width`, one under
// the other from the top left corner; returns the height of all lines.
double layOutLines(QTextLayout &layout, const QTextOption &option, double width);

// The width of the widest line of a laid-out layout.
double naturalWidth(const QTextLayout &layout);

// The width (pixels) of the widest of `texts` in `font`: the room a label
// needs for whichever of them it shows.
double widestText(const QStringList &texts, const QFont &font);

} // namespace zorbiks
