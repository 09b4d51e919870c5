#pragma once

// Building blocks of the task and explanation frames: fixed texts stacked
// in a frame, and value labels laid over the gaps of a text.

#include "screen/Colours.h"

#include <QString>

class QLabel;
class QWidget;

namespace zorbiks {

class GapLabel;

// Adds a word-wrapped fixed text under the frame's earlier contents.
GapLabel *addText(QWidget *frame, const QString &name, const QString &text,
                  const QColor &colour = Colours::taskBlue);

// Adds any widget under the frame's earlier contents.
void addToFrame(QWidget *frame, QWidget *widget, Qt::Alignment alignment = {});

// A value label laid over the gap after the `occurrence`-th `before` in
// `text`; the draw writes into it (GapLabel::setValues names what it can
// show, so that its gap is made for the widest).
QLabel *addValue(GapLabel *text, const QString &name, const QString &before, int occurrence = 0,
                 const QColor &colour = Colours::valueRed);

} // namespace zorbiks
