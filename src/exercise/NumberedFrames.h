#pragma once

// Frames that belong to the options of a choice screen one by one (a path, a
// chart or a scheme per option): boxes named and captioned with the option's
// number, which stands at their left edge. A hidden frame keeps its place,
// so the others do not move.

#include "exercise/Exercise.h"

#include <QList>

class QFrame;

namespace zorbiks {

// Makes `count` frames named `prefix` + number (1-based), `size` twips
// large, in a grid of `columns` columns (filled row by row) that becomes the
// layout of `container`. Each frame's layout (a row) holds its number; the
// caller adds the contents after it.
QList<QFrame *> addNumberedFrames(QWidget *container, const ScreenMetrics &metrics,
                                  const QString &prefix, int count, const QSizeF &size,
                                  int columns = 1);

// Makes frame i the companion of option i, painted and hidden with it.
void setCompanions(QList<ChoiceOption> &options, const QList<QFrame *> &frames);

} // namespace zorbiks
