#include "drawing/GapLabel.h"

#include "drawing/TextLayout.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zorbiks {

// The paragraphs of the text, each laid out in its lines, one under the
// other.
struct GapLabel::Lines {
    QList<qsizetype> starts; // of the paragraphs in the whole text
    QStringList paragraphs;
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    QList<double> tops;
    double height = 0;

    // Where the character at `index` stands: its left edge and its line.
    QRectF character(qsizetype index) const
    {
        for (size_t p = 0; p < layouts.size(); ++p) {
            const qsizetype local = index - starts[qsizetype(p)];
            if (local < 0 || local > paragraphs[qsizetype(p)].size())
                continue;
            const QTextLine line = layouts[p]->lineForTextPosition(static_cast<int>(local));
            if (!line.isValid())
                return {};
            return QRectF(line.cursorToX(static_cast<int>(local)), tops[qsizetype(p)] + line.y(), 1,
                          line.height());
        }
        return {};
    }
};

GapLabel::GapLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setWordWrap(true);
}

GapLabel::~GapLabel() = default;

QString GapLabel::laidOutText() const
{
    // The blanks of a gap never end a line, so that its overlay always has
    // its whole gap on one line. (A no-break space is as wide as a blank.)
    QString laidOut = text();
    if (!wordWrap())
        return laidOut;
    for (const Overlay &overlay : overlays_) {
        if (overlay.placement == Placement::Before)
            continue;
        const auto [start, end] = blanksAround(overlay.index);
        for (qsizetype i = start; i < end; ++i)
            laidOut[i] = QChar::Nbsp;
    }
    return laidOut;
}

std::pair<qsizetype, qsizetype> GapLabel::blanksAround(qsizetype index) const
{
    const QString &all = text();
    qsizetype start = std::clamp<qsizetype>(index, 0, all.size());
    qsizetype end = start;
    while (start > 0 && isBlank(all.at(start - 1)))
        --start;
    while (end < all.size() && isBlank(all.at(end)))
        ++end;
    return {start, end};
}

int GapLabel::Values::widest(const QLabel *label) const
{
    // Measured by a label like it (font and margins) showing each value; kept
    // until the label's font or margins change.
    const QString key = label->font().key() + QLatin1Char('/') + QString::number(label->margin()) +
                        QLatin1Char('/') + QString::number(label->contentsMargins().left()) +
                        QLatin1Char('/') + QString::number(label->contentsMargins().right());
    if (key != measuredFor) {
        QLabel measure;
        measure.setFont(label->font());
        measure.setMargin(label->margin());
        measure.setIndent(label->indent());
        measure.setContentsMargins(label->contentsMargins());
        width = 0;
        for (const QString &text : texts) {
            measure.setText(text);
            width = std::max(width, measure.sizeHint().width());
        }
        measuredFor = key;
    }
    return width;
}

double GapLabel::widestWidth(const QWidget *overlay) const
{
    // What the overlay needs now, and more where one of its labels can show
    // a wider value than it shows now.
    // (A widget without a layout has no size hint: its children's extent.)
    const QSize hint = overlay->sizeHint();
    int width = hint.isValid() ? hint.width() : overlay->childrenRect().right() + 1;
    for (auto it = values_.cbegin(); it != values_.cend(); ++it) {
        const QLabel *label = it.key();
        if (label == overlay || overlay->isAncestorOf(label))
            width += std::max(0, it.value().widest(label) - label->sizeHint().width());
    }
    return width;
}

double GapLabel::airBefore(qsizetype start) const
{
    const QString &all = text();
    if (start == 0 || endsLine(all.at(start - 1)) || isOpeningMark(all.at(start - 1)))
        return 0;
    return QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' '));
}

double GapLabel::airAfter(qsizetype end) const
{
    const QString &all = text();
    if (end >= all.size() || endsLine(all.at(end)) || isClosingMark(all.at(end)))
        return 0;
    return QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' '));
}

GapLabel::Lines GapLabel::layOut(double width) const
{
    // The gaps of the values, made to their width.
    QList<QTextLayout::FormatRange> gaps;
    for (const Overlay &overlay : overlays_) {
        if (overlay.placement != Placement::Gap)
            continue;
        const auto [start, end] = blanksAround(overlay.index);
        if (end > start)
            gaps.append(gapFormat(start, end - start,
                                  airBefore(start) + widestWidth(overlay.widget) + airAfter(end),
                                  font()));
    }

    QTextOption option(alignment());
    option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::NoWrap);
    Lines lines;
    for (const Paragraph &paragraph : paragraphsOf(laidOutText())) {
        lines.starts.append(paragraph.start);
        lines.paragraphs.append(paragraph.text);
        auto layout = std::make_unique<QTextLayout>(paragraph.text, font());
        QList<QTextLayout::FormatRange> local;
        for (QTextLayout::FormatRange gap : std::as_const(gaps)) {
            gap.start -= static_cast<int>(paragraph.start);
            if (gap.start >= 0 && gap.start < paragraph.text.size())
                local.append(gap);
        }
        layout->setFormats(local);
        double height = layOutLines(*layout, option, width);
        if (paragraph.text.isEmpty())
            height = QFontMetricsF(font()).height();
        lines.tops.append(lines.height);
        lines.height += height;
        lines.layouts.push_back(std::move(layout));
    }
    return lines;
}

int GapLabel::heightForWidth(int width) const
{
    // A layout may offer more than the label's maximum width.
    width = std::min(width, maximumWidth());
    const QMargins m = contentsMargins();
    const double height = layOut(width - m.left() - m.right()).height;
    return static_cast<int>(std::ceil(height)) + m.top() + m.bottom();
}

QSize GapLabel::sizeHint() const
{
    if (wordWrap())
        return QSize(width(), heightForWidth(width()));
    // On one line: as wide as its widest paragraph.
    double widest = 0;
    const Lines lines = layOut(0);
    for (const auto &layout : lines.layouts)
        widest = std::max(widest, naturalWidth(*layout));
    const QMargins m = contentsMargins();
    const int width = static_cast<int>(std::ceil(widest)) + m.left() + m.right();
    return QSize(width, heightForWidth(width));
}

QRectF GapLabel::characterRect(qsizetype index) const
{
    const QRectF area = contentsRect();
    const QRectF found = layOut(area.width()).character(index);
    return found.isNull() ? found : found.translated(area.topLeft());
}

GapLabel::Gap GapLabel::gapOf(const QWidget *overlay) const
{
    for (const Overlay &o : overlays_) {
        if (o.widget != overlay || o.placement != Placement::Gap)
            continue;
        const auto [start, end] = blanksAround(o.index);
        const QRectF from = characterRect(start);
        const QRectF to = characterRect(end);
        if (end == start || from.isNull() || to.isNull() || from.top() != to.top())
            return {};
        const QString &all = text();
        const QChar before =
            start > 0 && !endsLine(all.at(start - 1)) ? all.at(start - 1) : QChar();
        const QChar after = end < all.size() && !endsLine(all.at(end)) ? all.at(end) : QChar();
        return {QRectF(from.left(), from.top(), to.left() - from.left(), from.height()), before,
                after};
    }
    return {};
}

QList<GapLabel::Glyph> GapLabel::glyphs() const
{
    const QRectF area = contentsRect();
    const Lines lines = layOut(area.width());
    const QFontMetricsF metrics(font());
    QList<Glyph> glyphs;
    for (size_t p = 0; p < lines.layouts.size(); ++p) {
        const QString &paragraph = lines.paragraphs[qsizetype(p)];
        for (qsizetype i = 0; i < paragraph.size(); ++i) {
            const QChar c = paragraph.at(i);
            if (c.isSpace())
                continue;
            const QTextLine line = lines.layouts[p]->lineForTextPosition(static_cast<int>(i));
            const QPointF baseline(line.cursorToX(static_cast<int>(i)),
                                   lines.tops[qsizetype(p)] + line.y() + line.ascent());
            glyphs.append(
                {lines.starts[qsizetype(p)] + i,
                 metrics.tightBoundingRect(QString(c)).translated(baseline + area.topLeft())});
        }
    }
    return glyphs;
}

QList<QWidget *> GapLabel::values() const
{
    QList<QWidget *> values;
    for (const Overlay &overlay : overlays_) {
        if (overlay.placement == Placement::Gap)
            values.append(overlay.widget);
    }
    return values;
}

void GapLabel::placeAt(QWidget *overlay, qsizetype index)
{
    add({overlay, index, Placement::InBlanks});
}

void GapLabel::placeBefore(QWidget *overlay, qsizetype index)
{
    add({overlay, index, Placement::Before});
}

void GapLabel::placeAfter(QWidget *overlay, const QString &before, int occurrence)
{
    qsizetype index = -1;
    for (int i = 0; i <= occurrence; ++i) {
        index = text().indexOf(before, index + 1);
        if (index < 0)
            break;
    }
    // One blank after the words before the gap.
    add({overlay, index < 0 ? text().size() : index + before.size() + 1, Placement::Gap});
}

void GapLabel::setValues(QLabel *label, const QStringList &values)
{
    values_.insert(label, Values{values, QString(), 0});
    placeOverlays();
}

void GapLabel::add(const Overlay &overlay)
{
    overlay.widget->setParent(this);
    overlays_.append(overlay);
    placeOverlays();
    overlay.widget->show();
}

void GapLabel::placeOverlays()
{
    for (const Overlay &overlay : std::as_const(overlays_))
        overlay.widget->adjustSize();
    const QRectF area = contentsRect();
    const Lines lines = layOut(area.width());
    const auto character = [&](qsizetype index) {
        const QRectF found = lines.character(index);
        return found.isNull() ? found : found.translated(area.topLeft());
    };
    const QString &all = text();
    for (const Overlay &overlay : std::as_const(overlays_)) {
        QWidget *widget = overlay.widget;
        if (overlay.placement == Placement::Before) {
            const QRectF at = character(overlay.index);
            if (!at.isNull())
                moveOverlay(widget, at.left() - widget->width(), at);
            continue;
        }
        const auto [start, end] = blanksAround(overlay.index);
        const QRectF from = character(start);
        const QRectF to = character(end);
        if (from.isNull())
            continue;
        double left = character(overlay.index).left();
        const bool oneLine = end > start && !to.isNull() && qFuzzyCompare(from.top(), to.top());
        if (overlay.placement == Placement::InBlanks && oneLine) {
            // Centred in the blanks.
            left = (from.left() + to.left() - widget->width()) / 2;
        } else if (overlay.placement == Placement::Gap && end > start) {
            // A blank after the words before it, or against the mark after it.
            left = from.left() + airBefore(start);
            if (oneLine && end < all.size() && isClosingMark(all.at(end)))
                left = to.left() - widget->width();
        }
        moveOverlay(widget, left, from);
    }
}

void GapLabel::moveOverlay(QWidget *overlay, double left, const QRectF &line)
{
    const double top = line.top() + (line.height() - overlay->height()) / 2;
    overlay->move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

bool GapLabel::event(QEvent *event)
{
    // Posted when a visible overlay's size hint changed (a new text, a
    // font) or a hidden one was shown.
    if (event->type() == QEvent::LayoutRequest) {
        placeOverlays();
        updateGeometry();
        update();
    }
    return QLabel::event(event);
}

void GapLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRectF area = contentsRect();
    const Lines lines = layOut(area.width());
    for (size_t p = 0; p < lines.layouts.size(); ++p)
        lines.layouts[p]->draw(&painter,
                               QPointF(area.left(), area.top() + lines.tops[qsizetype(p)]));
}

void GapLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    placeOverlays();
}

void GapLabel::showEvent(QShowEvent *event)
{
    // A hidden label hears nothing of its overlays' changes.
    QLabel::showEvent(event);
    placeOverlays();
}

void GapLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        placeOverlays();
}

} // namespace zorbiks
