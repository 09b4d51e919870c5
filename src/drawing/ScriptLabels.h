#pragma once

// Small numbers raised above the line of a text with gaps (exponents), laid
// over the gap that follows a character.

#include <QLabel>

namespace zorbiks {

class GapLabel;

class ScriptLabel : public QLabel {
    Q_OBJECT
public:
    explicit ScriptLabel(const QString &text, QWidget *parent = nullptr);

    // As high as 1.3 lines of the text it lies on, with its own text at the
    // top: laid centred on that line, it stands a sixth of a line above it.
    QSize sizeHint() const override;
};

// Lays an exponent label (8.25 pt) over the gap that starts at `index` of
// `text`.
ScriptLabel *addExponent(GapLabel *text, const QString &name, qsizetype index,
                         const QString &value);

// The indices just after every "2" of `text` that stands after a blank and
// before at least three blanks: the places of the exponents of powers of two.
QList<qsizetype> exponentGaps(const QString &text);

} // namespace zorbiks
