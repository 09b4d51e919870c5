#include "drawing/Flowchart.h"

#include "screen/Fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace zorbiks {

namespace {

// Lengths of the drawing at the designed size, in pixels.
constexpr double lineWidth = 1.0;
constexpr double arrowLength = 8.0;
constexpr double arrowHalfWidth = 3.5;

} // namespace

BlockText::BlockText(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

QStringList BlockText::linesOf(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral(" {2,}"));
    return text.trimmed().split(breaks, Qt::SkipEmptyParts);
}

void BlockText::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QStringList lines = linesOf(text());
    const QFontMetricsF metrics(font());
    const QRectF area = contentsRect();
    double y = area.top() + (area.height() - metrics.height() * double(lines.size())) / 2;
    for (const QString &line : lines) {
        painter.drawText(QRectF(area.left(), y, area.width(), metrics.height()),
                         Qt::AlignHCenter | Qt::AlignVCenter, line);
        y += metrics.height();
    }
}

Flowchart::Flowchart(const QSizeF &designSize, double unitsPerPixel, double pointSize,
                     QWidget *parent)
    : QWidget(parent)
    , designSize_(designSize)
    , unitsPerPixel_(unitsPerPixel)
    , pointSize_(pointSize)
{
    resize(sizeHint());
}

QSize Flowchart::sizeHint() const
{
    return QSize(static_cast<int>(std::ceil(designSize_.width() / unitsPerPixel_)),
                 static_cast<int>(std::ceil(designSize_.height() / unitsPerPixel_)));
}

BlockText *Flowchart::addBox(const QRectF &rect, const QString &name, const QString &text)
{
    auto *label = new BlockText(text, this);
    label->setObjectName(name);
    blocks_.append({Shape::Box, rect, label});
    placeTexts();
    return label;
}

BlockText *Flowchart::addDecision(const QRectF &rect, const QString &name, const QString &text)
{
    auto *label = new BlockText(text, this);
    label->setObjectName(name);
    blocks_.append({Shape::Diamond, rect, label});
    placeTexts();
    return label;
}

void Flowchart::addLine(const QList<QPointF> &points, bool arrow)
{
    lines_.append({points, arrow});
    update();
}

QLabel *Flowchart::addCaption(const QPointF &centre, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TranslucentBackground);
    captions_.append({centre, label});
    placeTexts();
    return label;
}

void Flowchart::addLoopBack(const QRectF &body, double drop, double leftX, const QPointF &join)
{
    const double x = body.center().x();
    const double y = body.bottom() + drop;
    addLine({QPointF(x, body.bottom()), QPointF(x, y), QPointF(leftX, y), QPointF(leftX, join.y()),
             join},
            true);
}

double Flowchart::scale() const
{
    if (designSize_.isEmpty())
        return 1;
    return std::min(width() / designSize_.width(), height() / designSize_.height());
}

QPointF Flowchart::toWidget(const QPointF &point) const
{
    const double s = scale();
    const QPointF offset((width() - designSize_.width() * s) / 2,
                         (height() - designSize_.height() * s) / 2);
    return offset + point * s;
}

QRectF Flowchart::toWidget(const QRectF &rect) const
{
    return QRectF(toWidget(rect.topLeft()), toWidget(rect.bottomRight()));
}

void Flowchart::placeTexts()
{
    // The texts grow and shrink with the drawing.
    const double zoom = scale() * unitsPerPixel_;
    const QFont font = arialFont(std::max(1.0, pointSize_ * zoom));
    for (const Block &block : std::as_const(blocks_)) {
        block.text->setFont(font);
        block.text->setGeometry(toWidget(block.rect).toAlignedRect());
    }
    for (const Caption &caption : std::as_const(captions_)) {
        caption.label->setFont(font);
        caption.label->adjustSize();
        const QPointF centre = toWidget(caption.centre);
        caption.label->move(
            static_cast<int>(std::lround(centre.x() - caption.label->width() / 2.0)),
            static_cast<int>(std::lround(centre.y() - caption.label->height() / 2.0)));
    }
    update();
}

void Flowchart::resizeEvent(QResizeEvent *)
{
    placeTexts();
}

void Flowchart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double zoom = scale() * unitsPerPixel_;
    const QColor ink = palette().color(QPalette::WindowText);
    QPen pen(ink, std::max(1.0, lineWidth * zoom));
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);

    for (const Block &block : std::as_const(blocks_)) {
        const QRectF r = toWidget(block.rect);
        painter.setBrush(Qt::white);
        if (block.shape == Shape::Box) {
            painter.drawRect(r);
        } else {
            const QPointF corners[] = {
                QPointF(r.center().x(), r.top()), QPointF(r.right(), r.center().y()),
                QPointF(r.center().x(), r.bottom()), QPointF(r.left(), r.center().y())};
            painter.drawPolygon(corners, 4);
        }
    }

    for (const Line &line : std::as_const(lines_)) {
        if (line.points.size() < 2)
            continue;
        QList<QPointF> points;
        for (const QPointF &point : line.points)
            points.append(toWidget(point));
        const QPointF tip = points.last();
        const QPointF from = points[points.size() - 2];
        const QLineF last(from, tip);
        const double length = arrowLength * zoom;
        if (line.arrow && last.length() > 0) {
            // The line stops where the arrow head begins.
            const QPointF unit = (tip - from) / last.length();
            points.last() = tip - unit * std::min(length, last.length());
        }
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(points.constData(), int(points.size()));
        if (line.arrow && last.length() > 0) {
            const QPointF unit = (tip - from) / last.length();
            const QPointF normal(-unit.y(), unit.x());
            const QPointF base = tip - unit * length;
            const double half = arrowHalfWidth * zoom;
            const QPointF head[] = {tip, base + normal * half, base - normal * half};
            painter.setBrush(ink);
            painter.setPen(Qt::NoPen);
            painter.drawPolygon(head, 3);
            painter.setPen(pen);
        }
    }
}

Flowchart *makeLoopChart(const LoopChartParts &parts, double unitsPerPixel, QWidget *parent)
{
    // Twips at the designed size: the start box, the decision below it, the
    // body under the decision's "нет" corner, the exit to the right; a
    // margin keeps the outer lines whole.
    const double top = 30;
    const QRectF start(600, top, 1800, 540);
    const QRectF decision(750, top + 780, 1500, 660);
    const QRectF body(600, top + 1710, 1800, 540);
    const double middle = start.center().x();
    const QPointF join(middle, top + 660);

    auto *chart = new Flowchart(QSizeF(3150, 2580), unitsPerPixel, 9.75, parent);
    chart->addBox(start, parts.startName, parts.startText);
    chart->addLine({QPointF(middle, start.bottom()), QPointF(middle, decision.top())});
    chart->addDecision(decision, parts.conditionName);
    const QPointF right(decision.right(), decision.center().y());
    chart->addLine({right, QPointF(2850, right.y()), QPointF(2850, top + 1560)}, true);
    chart->addCaption(QPointF(2560, right.y() - 150), parts.yesName, QStringLiteral("да"));
    chart->addLine({QPointF(middle, decision.bottom()), QPointF(middle, body.top())}, true);
    chart->addCaption(QPointF(middle + 260, (decision.bottom() + body.top()) / 2), parts.noName,
                      QStringLiteral("нет"));
    chart->addBox(body, parts.bodyName);
    chart->addLoopBack(body, 180, 240, join);
    return chart;
}

} // namespace zorbiks
