#include "exercise/ScriptText.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace zorbiks {

namespace {

// Where the baseline of a small label lies, as a share of the ascent of the
// text: above the text's baseline for an exponent, below it for a subscript.
constexpr double raisedShift = 0.42;
constexpr double loweredShift = 0.28;
constexpr double dividerWidth = 1.5;

} // namespace

ScriptText::ScriptText(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setWordWrap(true);
}

void ScriptText::setScriptPointSize(double points)
{
    scriptPoints_ = points;
    added();
}

QFont ScriptText::scriptFont() const
{
    QFont small = font();
    small.setPointSizeF(scriptPoints_);
    return small;
}

qsizetype ScriptText::indexAfter(const QString &before, int occurrence) const
{
    qsizetype index = -1;
    for (int i = 0; i <= occurrence; ++i) {
        index = text().indexOf(before, index + 1);
        if (index < 0)
            return text().size();
    }
    return index + before.size();
}

void ScriptText::addRaised(qsizetype index, const QString &script, const QColor &colour)
{
    scripts_.append({Place::Raised, index, 0, script, colour});
    added();
}

void ScriptText::addLowered(qsizetype index, const QString &script, const QColor &colour)
{
    scripts_.append({Place::Lowered, index, 0, script, colour});
    added();
}

void ScriptText::addAbove(qsizetype index, qsizetype length, const QString &script,
                          const QColor &colour)
{
    scripts_.append({Place::Above, index, length, script, colour});
    added();
}

void ScriptText::addRaisedAfter(const QString &before, const QString &script, int occurrence)
{
    addRaised(indexAfter(before, occurrence), script);
}

void ScriptText::addLoweredAfter(const QString &before, const QString &script, int occurrence)
{
    addLowered(indexAfter(before, occurrence), script);
}

void ScriptText::addDivider(qsizetype index, const QColor &colour, bool throughAbove)
{
    dividers_.append({index, colour, throughAbove});
    added();
}

QStringList ScriptText::scriptTexts(Place place) const
{
    QStringList texts;
    for (const Script &script : scripts_) {
        if (script.place == place)
            texts.append(script.text);
    }
    return texts;
}

void ScriptText::added()
{
    updateGeometry();
    update();
}

ScriptText::Room ScriptText::room() const
{
    const QFontMetricsF text(font());
    const QFontMetricsF small(scriptFont());
    Room room;
    for (const Script &script : scripts_) {
        switch (script.place) {
        case Place::Raised:
            room.top = std::max(room.top, small.ascent() - (1 - raisedShift) * text.ascent());
            break;
        case Place::Lowered:
            room.bottom = std::max(room.bottom,
                                   loweredShift * text.ascent() + small.descent() - text.descent());
            break;
        case Place::Above: room.above = std::max(room.above, small.height()); break;
        }
    }
    return room;
}

double ScriptText::layOut(QTextLayout &layout, double width) const
{
    const Room space = room();
    QTextOption option(alignment());
    option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::NoWrap);
    layout.setText(text());
    layout.setFont(font());
    layout.setTextOption(option);
    layout.beginLayout();
    double y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        y += space.above + space.top;
        line.setPosition(QPointF(0, y));
        y += line.height() + space.bottom;
    }
    layout.endLayout();
    return y;
}

int ScriptText::heightForWidth(int width) const
{
    const QMargins m = contentsMargins();
    QTextLayout layout;
    const double height = layOut(layout, width - m.left() - m.right());
    return static_cast<int>(std::ceil(height)) + m.top() + m.bottom();
}

QSize ScriptText::sizeHint() const
{
    if (wordWrap())
        return QSize(width(), heightForWidth(width()));
    const QMargins m = contentsMargins();
    QTextLayout layout;
    const double height = layOut(layout, 1e6);
    double right = 0;
    for (int i = 0; i < layout.lineCount(); ++i)
        right = std::max(right, layout.lineAt(i).naturalTextWidth());
    // A label at the very end of the text reaches past it.
    const QFontMetricsF small(scriptFont());
    for (const Script &script : scripts_) {
        if (script.place != Place::Above && script.index >= text().size())
            right += small.horizontalAdvance(script.text) + 2;
    }
    return QSize(static_cast<int>(std::ceil(right)) + m.left() + m.right() + 2,
                 static_cast<int>(std::ceil(height)) + m.top() + m.bottom());
}

QSize ScriptText::minimumSizeHint() const
{
    return wordWrap() ? QSize(0, heightForWidth(width())) : sizeHint();
}

void ScriptText::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor ink =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    painter.setPen(ink);
    const QRectF area = contentsRect();
    QTextLayout layout;
    layOut(layout, area.width());
    layout.draw(&painter, area.topLeft());

    const Room space = room();
    const QFontMetricsF text(font());
    const QFont smallFont = scriptFont();
    const QFontMetricsF small(smallFont);
    painter.setFont(smallFont);
    for (const Script &script : std::as_const(scripts_)) {
        const QTextLine line = layout.lineForTextPosition(static_cast<int>(script.index));
        if (!line.isValid())
            continue;
        painter.setPen(script.colour.isValid() ? script.colour : ink);
        const double top = area.top() + line.y();
        const double baseline = top + line.ascent();
        double x = area.left() + line.cursorToX(static_cast<int>(script.index));
        double y = baseline;
        switch (script.place) {
        case Place::Raised: y = baseline - raisedShift * text.ascent(); break;
        case Place::Lowered: y = baseline + loweredShift * text.ascent(); break;
        case Place::Above: {
            const double end =
                area.left() + line.cursorToX(static_cast<int>(script.index + script.length));
            x = (x + end - small.horizontalAdvance(script.text)) / 2;
            y = top - small.descent();
            break;
        }
        }
        painter.drawText(QPointF(x, y), script.text);
    }
    for (const Divider &divider : std::as_const(dividers_)) {
        const QTextLine line = layout.lineForTextPosition(static_cast<int>(divider.index));
        if (!line.isValid())
            continue;
        const double x = area.left() + line.cursorToX(static_cast<int>(divider.index));
        const double top = area.top() + line.y() - (divider.throughAbove ? space.above : 0);
        const double bottom = area.top() + line.y() + line.height();
        painter.setPen(QPen(divider.colour, dividerWidth));
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
}

void ScriptText::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        added();
}

} // namespace zorbiks
