#include "drawing/ScriptLabels.h"

#include "drawing/GapLabel.h"
#include "screen/Fonts.h"

#include <QRegularExpression>

#include <cmath>

namespace zorbiks {

ScriptLabel::ScriptLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setFont(arialFont(8.25));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize ScriptLabel::sizeHint() const
{
    const QFont host = parentWidget() ? parentWidget()->font() : font();
    const int line = QFontMetrics(host).height();
    const int width = QFontMetrics(font()).horizontalAdvance(text()) + 1;
    return {width, static_cast<int>(std::lround(1.3 * line))};
}

ScriptLabel *addExponent(GapLabel *text, const QString &name, qsizetype index, const QString &value)
{
    auto *label = new ScriptLabel(value, text);
    label->setObjectName(name);
    label->setPalette(text->palette());
    text->placeAt(label, index);
    return label;
}

QList<qsizetype> exponentGaps(const QString &text)
{
    static const QRegularExpression power(QStringLiteral("(?<= )2(?=   )"));
    QList<qsizetype> gaps;
    for (auto it = power.globalMatch(text); it.hasNext();)
        gaps.append(it.next().capturedEnd());
    return gaps;
}

} // namespace zorbiks
