#include "drawing/RoadScheme.h"

#include "screen/Colours.h"

#include <QPainter>

#include <cmath>

namespace zorbiks {

namespace {

const QColor roadColour{0, 0, 128};
const QColor stationColour{0, 0, 160};
const QColor costColour{160, 0, 0};

QPointF normalised(const QPointF &v)
{
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(0, 0);
}

} // namespace

RoadScheme::RoadScheme(SchemeData data, QWidget *parent)
    : QWidget(parent)
    , data_(std::move(data))
{
    setMinimumSize(60, 50);
}

QRectF RoadScheme::drawingArea() const
{
    // Room around the circles for the letters.
    const double margin = std::max(10.0, fontMetrics().height() * 1.1);
    return QRectF(rect()).adjusted(margin, margin, -margin, -margin);
}

QPointF RoadScheme::stationCentre(QChar letter) const
{
    const QRectF area = drawingArea();
    for (const SchemeStation &station : data_.stations) {
        if (station.letter == letter)
            return {area.left() + station.position.x() * area.width(),
                    area.top() + station.position.y() * area.height()};
    }
    return area.center();
}

void RoadScheme::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = drawingArea();
    const QFontMetricsF metrics(font());
    const double radius = std::max(3.0, metrics.height() * 0.22);

    QFont bold = font();
    bold.setBold(true);
    const QFontMetricsF boldMetrics(bold);

    // Roads, with their costs beside them on the side away from the middle
    // of the scheme.
    painter.setPen(QPen(roadColour, 1.4));
    for (const SchemeRoad &road : data_.roads)
        painter.drawLine(stationCentre(road.from), stationCentre(road.to));
    painter.setFont(bold);
    for (const SchemeRoad &road : data_.roads) {
        const QPointF a = stationCentre(road.from);
        const QPointF b = stationCentre(road.to);
        const QPointF middle = (a + b) / 2;
        QPointF normal = normalised(QPointF(-(b - a).y(), (b - a).x()));
        if (QPointF::dotProduct(normal, middle - area.center()) < 0)
            normal = -normal;
        if (!road.costSide.isNull())
            normal = normalised(road.costSide);
        if (normal.isNull())
            normal = QPointF(0, -1);
        const QString cost = QString::number(road.cost);
        const QSizeF size(boldMetrics.horizontalAdvance(cost), boldMetrics.height());
        const double distance = std::max(size.width(), size.height()) * 0.6 + 1;
        const QPointF centre = middle + normal * distance;
        const QRectF box(centre.x() - size.width() / 2, centre.y() - size.height() / 2,
                         size.width(), size.height());
        painter.setPen(costColour);
        painter.drawText(box, Qt::AlignCenter, cost);
    }

    // Stations and their letters.
    for (const SchemeStation &station : data_.stations) {
        const QPointF centre = stationCentre(station.letter);
        painter.setPen(QPen(stationColour, 1.2));
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre, radius, radius);
        const QString letter(station.letter);
        const QSizeF size(boldMetrics.horizontalAdvance(letter), boldMetrics.height());
        const QPointF side = normalised(station.labelSide);
        const double distance = radius + std::max(size.width(), size.height()) * 0.55;
        const QPointF at = centre + side * distance;
        painter.setPen(stationColour);
        painter.drawText(QRectF(at.x() - size.width() / 2, at.y() - size.height() / 2, size.width(),
                                size.height()),
                         Qt::AlignCenter, letter);
    }
}

} // namespace zorbiks
