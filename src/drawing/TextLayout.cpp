#include "drawing/TextLayout.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>

namespace zorbiks {

double layOutLines(QTextLayout &layout, const QTextOption &option, double width)
{
    layout.setTextOption(option);
    layout.beginLayout();
    double height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

double naturalWidth(const QTextLayout &layout)
{
    double widest = 0;
    for (int i = 0; i < layout.lineCount(); ++i)
        widest = std::max(widest, layout.lineAt(i).naturalTextWidth());
    return widest;
}

double widestText(const QStringList &texts, const QFont &font)
{
    const QFontMetricsF metrics(font);
    double widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

QStringList numberTexts(int low, int high)
{
    QStringList texts;
    for (int n = low; n <= high; ++n)
        texts << QString::number(n);
    return texts;
}

} // namespace zorbiks
