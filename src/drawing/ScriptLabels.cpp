#include "drawing/ScriptLabels.h"

#include "drawing/GapLabel.h"
#include "screen/Fonts.h"

#include <QRegularExpression>

#include <cmath>

namespace zorbiks {

ScriptLabel::ScriptLabel(const QString &text, Script script, double points, QWidget *parent)
    : QLabel(text, parent)
    , script_(script)
{
    setFont(arialFont(points));
    setAlignment(Qt::AlignLeft | (script == Script::Raised ? Qt::AlignTop : Qt::AlignBottom));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize ScriptLabel::sizeHint() const
{
    const QFont host = parentWidget() ? parentWidget()->font() : font();
    const int line = QFontMetrics(host).height();
    const int width = QFontMetrics(font()).horizontalAdvance(text()) + 1;
    return {width, static_cast<int>(std::lround(1.3 * line))};
}

ScriptLabel *addScript(GapLabel *text, const QString &name, qsizetype index, const QString &value,
                       Script script, double points)
{
    auto *label = new ScriptLabel(value, script, points, text);
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
