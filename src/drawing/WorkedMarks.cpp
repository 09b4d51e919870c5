#include "drawing/WorkedMarks.h"

#include "screen/Colours.h"
#include "screen/Fonts.h"

#include <QLabel>
#include <QPainter>

#include <cmath>

namespace zorbiks {

MarkLine::MarkLine(Qt::Orientation orientation, const QColor &colour, QWidget *parent,
                   double penWidth)
    : QWidget(parent)
    , orientation_(orientation)
    , colour_(colour)
    , penWidth_(penWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int thickness = static_cast<int>(std::ceil(penWidth)) + 1;
    if (orientation == Qt::Vertical)
        setFixedWidth(thickness);
    else
        setFixedHeight(thickness);
}

void MarkLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(colour_, penWidth_, Qt::SolidLine, Qt::FlatCap));
    const QRectF area = rect();
    if (orientation_ == Qt::Vertical)
        painter.drawLine(QPointF(area.center().x(), area.top()),
                         QPointF(area.center().x(), area.bottom()));
    else
        painter.drawLine(QPointF(area.left(), area.center().y()),
                         QPointF(area.right(), area.center().y()));
}

UpArrow::UpArrow(const QString &lineName, const QString &headName, QWidget *parent)
    : QWidget(parent)
    , line_(new MarkLine(Qt::Vertical, Colours::red, this, 2))
    , head_(new QLabel(QStringLiteral("^"), this))
{
    line_->setObjectName(lineName);
    head_->setObjectName(headName);
    head_->setFont(arialFont(18));
    head_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Colours::setTextColour(head_, Colours::red);
    setMinimumWidth(sizeHint().width());
}

QSize UpArrow::sizeHint() const
{
    const QFontMetrics metrics(head_->font());
    return QSize(metrics.horizontalAdvance(QLatin1Char('^')) + 4, 4 * metrics.height());
}

void UpArrow::resizeEvent(QResizeEvent *)
{
    const QFontMetricsF metrics(head_->font());
    head_->setGeometry(0, 0, width(), static_cast<int>(std::ceil(metrics.height())));
    // The shaft starts at the apex of the head and runs down to the bottom.
    const QRectF glyph = metrics.tightBoundingRect(QStringLiteral("^"));
    const int apex = static_cast<int>(std::lround(metrics.ascent() + glyph.top())) + 1;
    line_->setGeometry((width() - line_->width()) / 2, apex, line_->width(),
                       std::max(0, height() - apex));
}

} // namespace zorbiks
