#include "drawing/SampleText.h"

#include "drawing/TextLayout.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace zorbiks {

namespace {

// Lays the text out in lines of the given width, wrapped at word boundaries
// or on one line; the layout's lines start at the top left corner.
double layOut(QTextLayout &layout, Qt::Alignment alignment, double width, bool wrap)
{
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    return layOutLines(layout, option, width);
}

// The width of the text on one line.
double oneLineWidth(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layOut(layout, Qt::AlignLeft, 1e6, false);
    return naturalWidth(layout);
}

} // namespace

void setFontStyle(QWidget *widget, const FontStyle &style)
{
    QFont font = widget->font();
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
    widget->setFont(font);
}

FontStyle fontStyleOf(const QFont &font)
{
    return {font.bold(), font.italic(), font.underline(), font.strikeOut()};
}

SampleText::SampleText(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft);
}

int SampleText::heightForWidth(int width) const
{
    const QMargins m = contentsMargins();
    QTextLayout layout(text(), font());
    const double height =
        layOut(layout, alignment(), std::max(0, width - m.left() - m.right()), wordWrap());
    return static_cast<int>(std::ceil(height)) + m.top() + m.bottom();
}

QSize SampleText::sizeHint() const
{
    if (wordWrap())
        return QSize(width(), heightForWidth(width()));
    const QMargins m = contentsMargins();
    return QSize(static_cast<int>(std::ceil(oneLineWidth(text(), font()))) + m.left() + m.right(),
                 heightForWidth(0));
}

QSize SampleText::minimumSizeHint() const
{
    return wordWrap() ? QSize(0, heightForWidth(width())) : sizeHint();
}

QList<QRectF> SampleText::lineRects() const
{
    const QRectF area = contentsRect();
    QTextLayout layout(text(), font());
    layOut(layout, alignment(), area.width(), wordWrap());
    QList<QRectF> lines;
    for (int i = 0; i < layout.lineCount(); ++i)
        lines.append(layout.lineAt(i).naturalTextRect().translated(area.topLeft()));
    return lines;
}

void SampleText::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRectF area = contentsRect();
    QTextLayout layout(text(), font());
    layOut(layout, alignment(), area.width(), wordWrap());
    layout.draw(&painter, area.topLeft());
}

} // namespace zorbiks
