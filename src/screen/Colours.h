#pragma once

// Colours of Зорбикс as red, green, blue.

#include <QColor>

class QWidget;

namespace zorbiks::Colours {

inline const QColor lightYellow{255, 255, 192}; // labels-as-buttons at rest, frames
inline const QColor lightBlue{192, 192, 255};   // labels-as-buttons under the mouse
inline const QColor optionBlue{208, 208, 255};  // answer labels of some screens under the mouse
inline const QColor lightGrey{224, 224, 224};   // `ОК`, `Сдаюсь` at rest
inline const QColor lavender{221, 221, 255};    // work area, question buttons at rest
inline const QColor red{255, 0, 0};             // feedback line
inline const QColor darkBlue{0, 0, 192};        // captions, help text
inline const QColor taskBlue{0, 0, 128};        // task texts
inline const QColor titleBlue{0, 0, 255};       // work windows' title bars and borders
inline const QColor windowBackground{246, 246, 255};
inline const QColor valueRed{160, 0, 0};  // values laid over the gaps of a text
inline const QColor green{128, 255, 128}; // value boxes of some tasks, the registration frame

// Paints a widget's background; transparent = the colour is kept but not
// painted (a label at rest).
void setBackground(QWidget *widget, const QColor &colour, bool opaque = true);
void setTextColour(QWidget *widget, const QColor &colour);
// The text colour of a disabled widget (an answer label already tried).
void setDisabledTextColour(QWidget *widget, const QColor &colour);
// A disabled widget (and its children) keeps the look it has when enabled;
// enabling or disabling it repaints nothing.
void keepLookWhenDisabled(QWidget *widget);
// The colour a widget's background is painted in, or an invalid colour when
// it is transparent.
QColor backgroundOf(const QWidget *widget);

} // namespace zorbiks::Colours
