#include "drawing/GapLabel.h"

#include "drawing/TextLayout.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace zorbiks {

namespace {

struct Paragraph {
    qsizetype start; // index of its first character in the whole text
    QString text;
};

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

// Lays out every paragraph at the given width, wrapped or on one line;
// calls `visit` with each paragraph, its layout and its top.
template <typename Visit>
double layOut(const QString &text, const QFont &font, Qt::Alignment alignment, bool wrap,
              double width, Visit visit)
{
    QTextOption option(alignment);
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    double y = 0;
    for (const Paragraph &paragraph : paragraphsOf(text)) {
        QTextLayout layout(paragraph.text, font);
        double height = layOutLines(layout, option, width);
        if (paragraph.text.isEmpty())
            height = QFontMetricsF(font).height();
        visit(paragraph, layout, y);
        y += height;
    }
    return y;
}

} // namespace

QString GapLabel::laidOutText() const
{
    // The blanks of a gap never end a line, so that its overlay always has
    // its whole gap on one line. (A no-break space is as wide as a blank.)
    QString laidOut = text();
    if (!wordWrap())
        return laidOut;
    for (const Overlay &overlay : overlays_) {
        for (qsizetype i = overlay.index; i < laidOut.size() && laidOut.at(i) == QLatin1Char(' ');
             ++i)
            laidOut[i] = QChar::Nbsp;
        for (qsizetype i = overlay.index - 1;
             i >= 0 && i < laidOut.size() && laidOut.at(i) == QLatin1Char(' '); --i)
            laidOut[i] = QChar::Nbsp;
    }
    return laidOut;
}

GapLabel::GapLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setWordWrap(true);
}

int GapLabel::heightForWidth(int width) const
{
    // A layout may offer more than the label's maximum width.
    width = std::min(width, maximumWidth());
    const QMargins m = contentsMargins();
    const double height =
        layOut(laidOutText(), font(), alignment(), wordWrap(), width - m.left() - m.right(),
               [](const Paragraph &, QTextLayout &, double) {});
    return static_cast<int>(std::ceil(height)) + m.top() + m.bottom();
}

QSize GapLabel::sizeHint() const
{
    if (wordWrap())
        return QSize(width(), heightForWidth(width()));
    // On one line: as wide as its widest paragraph.
    double widest = 0;
    layOut(laidOutText(), font(), alignment(), false, 0,
           [&widest](const Paragraph &, QTextLayout &layout, double) {
               widest = std::max(widest, naturalWidth(layout));
           });
    const QMargins m = contentsMargins();
    const int width = static_cast<int>(std::ceil(widest)) + m.left() + m.right();
    return QSize(width, heightForWidth(width));
}

QRectF GapLabel::characterRect(qsizetype index) const
{
    const QRectF area = contentsRect();
    QRectF found;
    layOut(laidOutText(), font(), alignment(), wordWrap(), area.width(),
           [&](const Paragraph &paragraph, QTextLayout &layout, double top) {
               const qsizetype local = index - paragraph.start;
               if (!found.isNull() || local < 0 || local > paragraph.text.size())
                   return;
               const QTextLine line = layout.lineForTextPosition(static_cast<int>(local));
               if (!line.isValid())
                   return;
               const double x = line.cursorToX(static_cast<int>(local));
               found = QRectF(area.left() + x, area.top() + top + line.y(), 1, line.height());
           });
    return found;
}

void GapLabel::placeAt(QWidget *overlay, qsizetype index)
{
    add({overlay, index, false});
}

void GapLabel::placeBefore(QWidget *overlay, qsizetype index)
{
    add({overlay, index, true});
}

void GapLabel::add(const Overlay &overlay)
{
    overlay.widget->setParent(this);
    overlays_.append(overlay);
    placeOverlays();
    overlay.widget->show();
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
    placeAt(overlay, index < 0 ? text().size() : index + before.size() + 1);
}

void GapLabel::placeOverlays()
{
    const QString &all = text();
    for (const Overlay &overlay : std::as_const(overlays_)) {
        QWidget *widget = overlay.widget;
        widget->adjustSize();
        if (overlay.endsBefore) {
            const QRectF at = characterRect(overlay.index);
            if (!at.isNull())
                moveOverlay(widget, at.left() - widget->width(), at);
            continue;
        }
        // The gap is the run of blanks around the index; the overlay is
        // centred in it when it lies on one line.
        qsizetype start = overlay.index;
        qsizetype end = overlay.index;
        while (start > 0 && start <= all.size() && all.at(start - 1) == QLatin1Char(' '))
            --start;
        while (end < all.size() && all.at(end) == QLatin1Char(' '))
            ++end;
        const QRectF from = characterRect(start);
        const QRectF to = characterRect(end);
        if (from.isNull())
            continue;
        double left = characterRect(overlay.index).left();
        if (end > start && !to.isNull() && qFuzzyCompare(from.top(), to.top()))
            left = (from.left() + to.left() - widget->width()) / 2;
        // A gap at the end of the text is open to the right: an overlay wider
        // than its blanks starts one blank after the words before it.
        if (end == all.size() && widget->width() > to.left() - from.left() && end > start)
            left = characterRect(start + 1).left();
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
    if (event->type() == QEvent::LayoutRequest)
        placeOverlays();
    return QLabel::event(event);
}

void GapLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRectF area = contentsRect();
    layOut(laidOutText(), font(), alignment(), wordWrap(), area.width(),
           [&](const Paragraph &, QTextLayout &layout, double top) {
               layout.draw(&painter, QPointF(area.left(), area.top() + top));
           });
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
