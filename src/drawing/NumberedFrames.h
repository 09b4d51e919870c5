#pragma once

// Frames that belong to the options of a choice screen one by one (a path, a
// chart or a scheme per option): boxes named and captioned with the option's
// number, which stands at their left edge or in their title. A hidden frame
// keeps its place, so the others do not move.

#include "platform/ScreenMetrics.h"

#include <QList>
#include <QSizeF>

#include <functional>

class QFrame;
class QGroupBox;

namespace zorbiks {

// Makes `count` frames named `prefix` + number (1-based), `size` twips
// large, in a grid of `columns` columns (filled row by row) that becomes the
// layout of `container`. Each frame's layout (a row) holds its number; the
// caller adds the contents after it.
QList<QFrame *> addNumberedFrames(QWidget *container, const ScreenMetrics &metrics,
                                  const QString &prefix, int count, const QSizeF &size,
                                  int columns = 1);

// Makes `count` group boxes titled with their number (1-based) and named
// `prefix` + number, `size` twips large, in a grid of `columns` columns
// (filled row by row) that becomes the layout of `container`. `content` makes
// the widget that fills frame `index` (0-based); it may also style the frame.
QList<QGroupBox *> addNumberedGroups(QWidget *container, const ScreenMetrics &metrics,
                                     const QString &prefix, int count, const QSizeF &size,
                                     int columns,
                                     const std::function<QWidget *(QGroupBox *, int)> &content);

} // namespace zorbiks
