#pragma once

// Answer labels of choice screens, laid out in a row, a column or columns
// of the answer frame `Ответы`.

#include "platform/ScreenMetrics.h"
#include "screen/HoverLabel.h"

#include <QList>
#include <QSizeF>

#include <QStringList>

namespace zorbiks {

// The captions are bold, centred in a box of `size`.
struct OptionStyle {
    QSizeF size{1200, 420}; // twips
    double pointSize = 12;
    bool wordWrap = false;
};

// Makes one option label per caption, named `prefix` + number (1-based), in
// a row (or a column) of `frame`, and returns them. `toolTips` may be empty.
QList<HoverLabel *> addOptions(QWidget *frame, const ScreenMetrics &metrics, const QString &prefix,
                               const QStringList &captions, const OptionStyle &style,
                               Qt::Orientation orientation = Qt::Horizontal,
                               const QStringList &toolTips = {});

// The same in columns of `perColumn` options each, filled top to bottom and
// left to right (option 1 at the top of the first column).
QList<HoverLabel *> addOptionColumns(QWidget *frame, const ScreenMetrics &metrics,
                                     const QString &prefix, const QStringList &captions,
                                     const OptionStyle &style, int perColumn);

} // namespace zorbiks
