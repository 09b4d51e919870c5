#pragma once

// Small numbers raised above (exponents) or lowered below (bases) the line
// of a text with gaps, laid over the gap that follows a character.

#include <QLabel>

namespace zorbiks {

class GapLabel;

enum class Script { Raised, Lowered };

class ScriptLabel : public QLabel {
    Q_OBJECT
public:
    ScriptLabel(const QString &text, Script script, double points, QWidget *parent = nullptr);

    // As high as 1.3 lines of the text it lies on, with its own text at the
    // top (raised) or at the bottom (lowered): laid centred on that line, it
    // stands a sixth of a line above or below it.
    QSize sizeHint() const override;

private:
    Script script_;
};

// Lays a script label over the gap that starts at `index` of `text`.
ScriptLabel *addScript(GapLabel *text, const QString &name, qsizetype index, const QString &value,
                       Script script, double points = 8.25);

// The indices just after every "2" of `text` that stands after a blank and
// before at least three blanks: the places of the exponents of powers of two.
QList<qsizetype> exponentGaps(const QString &text);

} // namespace zorbiks
