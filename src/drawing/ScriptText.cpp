#include "drawing/ScriptText.h"

#include "drawing/TextLayout.h"
#include "screen/Fonts.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QMap>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace zorbiks {

namespace {

// Where the baseline of a small label lies, as a share of the ascent of the
// text: above the text's baseline for an exponent, below it for a subscript.
constexpr double raisedShift = 0.42;
constexpr double loweredShift = 0.28;
constexpr double dividerWidth = 2;
// Room (pixels) between a small label and what follows it, and on either
// side of a divider.
constexpr double scriptGap = 1;
constexpr double aboveGap = 8;
constexpr double dividerRoom = 6;

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
    small.setPointSizeF(scaledPoints(scriptPoints_));
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

QMap<qsizetype, double> ScriptText::widenings() const
{
    // Where the stored blanks are too narrow for a small label, the blank the
    // label starts in grows (the text itself keeps its characters).
    const QString &all = text();
    const QFontMetricsF normal(font());
    const QFontMetricsF small(scriptFont());
    const double blank = normal.horizontalAdvance(QLatin1Char(' '));
    const auto blanksFrom = [&all](qsizetype index) {
        qsizetype run = 0;
        while (index + run < all.size() && all.at(index + run) == QLatin1Char(' '))
            ++run;
        return run;
    };
    QMap<qsizetype, double> extra;
    const auto widen = [&extra, &all](qsizetype index, double by) {
        if (index >= 0 && index < all.size() && by > 0)
            extra[index] = std::max(extra.value(index), by);
    };
    QList<const Script *> above;
    for (const Script &script : scripts_) {
        if (script.place == Place::Above) {
            above.append(&script);
            continue;
        }
        const qsizetype run = blanksFrom(script.index);
        if (run > 0)
            widen(script.index,
                  small.horizontalAdvance(script.text) + scriptGap + blank - run * blank);
    }
    // Texts above the line, taken from left to right: the centres of two
    // neighbours stand far enough apart for both.
    std::sort(above.begin(), above.end(),
              [](const Script *a, const Script *b) { return a->index < b->index; });
    if (!above.isEmpty()) {
        // The first one does not reach past the start of the text.
        const Script &first = *above.first();
        const double left = normal.horizontalAdvance(all.left(first.index)) +
                            normal.horizontalAdvance(all.mid(first.index, first.length)) / 2;
        widen(first.index - 1, small.horizontalAdvance(first.text) / 2 + 1 - left);
    }
    for (qsizetype i = 1; i < above.size(); ++i) {
        const Script &left = *above[i - 1];
        const Script &right = *above[i];
        const qsizetype end = left.index + left.length;
        const double apart = normal.horizontalAdvance(all.mid(left.index, left.length)) / 2 +
                             normal.horizontalAdvance(all.mid(end, right.index - end)) +
                             normal.horizontalAdvance(all.mid(right.index, right.length)) / 2;
        const double needed =
            (small.horizontalAdvance(left.text) + small.horizontalAdvance(right.text)) / 2 +
            aboveGap;
        widen(blanksFrom(end) > 0 ? end : end - 1, needed - apart);
    }
    for (const Divider &divider : dividers_)
        widen(divider.index - 1, dividerRoom);
    return extra;
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
    QList<QTextLayout::FormatRange> formats;
    const QMap<qsizetype, double> extra = widenings();
    for (auto it = extra.cbegin(); it != extra.cend(); ++it) {
        QTextLayout::FormatRange range;
        range.start = static_cast<int>(it.key());
        range.length = 1;
        range.format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        range.format.setFontLetterSpacing(it.value());
        formats.append(range);
    }
    layout.setFormats(formats);
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
    double right = naturalWidth(layout);
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

std::optional<QPointF> ScriptText::scriptBaseline(const QTextLayout &layout,
                                                  const Script &script) const
{
    const QTextLine line = layout.lineForTextPosition(static_cast<int>(script.index));
    if (!line.isValid())
        return std::nullopt;
    const QRectF area = contentsRect();
    const QFontMetricsF text(font());
    const QFontMetricsF small(scriptFont());
    const double top = area.top() + line.y();
    const double baseline = top + line.ascent();
    const double x = area.left() + line.cursorToX(static_cast<int>(script.index));
    switch (script.place) {
    case Place::Raised: return QPointF(x, baseline - raisedShift * text.ascent());
    case Place::Lowered: return QPointF(x, baseline + loweredShift * text.ascent());
    case Place::Above: {
        const double end =
            area.left() + line.cursorToX(static_cast<int>(script.index + script.length));
        return QPointF((x + end - small.horizontalAdvance(script.text)) / 2, top - small.descent());
    }
    }
    return std::nullopt;
}

QRectF ScriptText::scriptRect(qsizetype i) const
{
    QTextLayout layout;
    layOut(layout, contentsRect().width());
    const Script &script = scripts_[i];
    const std::optional<QPointF> at = scriptBaseline(layout, script);
    if (!at)
        return {};
    const QFontMetricsF small(scriptFont());
    return QRectF(at->x(), at->y() - small.ascent(), small.horizontalAdvance(script.text),
                  small.ascent() + small.descent());
}

QRectF ScriptText::characterRect(qsizetype index) const
{
    QTextLayout layout;
    layOut(layout, contentsRect().width());
    const QTextLine line = layout.lineForTextPosition(static_cast<int>(index));
    if (!line.isValid() || index >= text().size())
        return {};
    const QRectF area = contentsRect();
    const double left = line.cursorToX(static_cast<int>(index));
    const double right = line.cursorToX(static_cast<int>(index + 1));
    const QFontMetricsF metrics(font());
    const double baseline = area.top() + line.y() + line.ascent();
    return QRectF(area.left() + left, baseline - metrics.ascent(), right - left,
                  metrics.ascent() + metrics.descent());
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
    painter.setFont(scriptFont());
    for (const Script &script : std::as_const(scripts_)) {
        const std::optional<QPointF> at = scriptBaseline(layout, script);
        if (!at)
            continue;
        painter.setPen(script.colour.isValid() ? script.colour : ink);
        painter.drawText(*at, script.text);
    }
    for (const Divider &divider : std::as_const(dividers_)) {
        const QTextLine line = layout.lineForTextPosition(static_cast<int>(divider.index));
        if (!line.isValid())
            continue;
        const double x = std::round(area.left() + line.cursorToX(static_cast<int>(divider.index)) -
                                    (divider.index > 0 ? dividerRoom / 2 : 0));
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
