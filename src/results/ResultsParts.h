#pragma once

// Pieces that the results screen and the teacher screen are both built of.

#include "platform/ScreenMetrics.h"

#include <QColor>
#include <QString>

class QGroupBox;
class QLabel;
class QWidget;

namespace zorbiks {

// A named light yellow frame without a caption, `twips` in size.
QGroupBox *makeYellowFrame(const QString &name, const QSizeF &twips, const ScreenMetrics &metrics,
                           QWidget *parent);

// A named label that wraps its words, in the given text colour and, when
// bold, in bold Arial 9.75 (else in its parent's font).
QLabel *makeWrappedLabel(const QString &name, const QString &text, const QColor &colour,
                         QWidget *parent, bool bold = false);

} // namespace zorbiks
