#include "drawing/WorkedMarks.h"

#include "screen/Colours.h"
#include "screen/Fonts.h"

#include <QLabel>
#include <QPainter>

#include <cmath>

namespace zorbiks {

namespace {

// The shaft: a red line down the middle of the widget.
class Shaft : public QWidget {
public:
    explicit Shaft(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFixedWidth(static_cast<int>(std::ceil(penWidth)) + 1);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Colours::red, penWidth, Qt::SolidLine, Qt::FlatCap));
        const QRectF area = rect();
        painter.drawLine(QPointF(area.center().x(), area.top()),
                         QPointF(area.center().x(), area.bottom()));
    }

private:
    static constexpr double penWidth = 2;
};

} // namespace

UpArrow::UpArrow(const QString &lineName, const QString &headName, QWidget *parent)
    : QWidget(parent)
    , line_(new Shaft(this))
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
