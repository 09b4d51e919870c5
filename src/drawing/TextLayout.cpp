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

QList<Paragraph> paragraphsOf(const QString &text)
{
    QList<Paragraph> paragraphs;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype stop = end < 0 ? text.size() : end;
        qsizetype length = stop - start;
        if (length > 0 && text.at(start + length - 1) == QLatin1Char('\r'))
            --length;
        paragraphs.append({start, text.mid(start, length)});
        if (end < 0)
            break;
        start = end + 1;
    }
    return paragraphs;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

bool endsLine(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isClosingMark(QChar c)
{
    return QStringView(u",.;:!?)»”").contains(c);
}

bool isOpeningMark(QChar c)
{
    return QStringView(u"(«“").contains(c);
}

QTextLayout::FormatRange gapFormat(qsizetype start, qsizetype length, double width,
                                   const QFont &font)
{
    QTextCharFormat format;
    format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    const double blank = QFontMetricsF(font).horizontalAdvance(QChar::Nbsp);
    format.setFontLetterSpacing(width / double(length) - blank);
    return {static_cast<int>(start), static_cast<int>(length), format};
}

} // namespace zorbiks
