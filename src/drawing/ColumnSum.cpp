#include "drawing/ColumnSum.h"

#include "screen/Colours.h"
#include "screen/Fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace zorbiks {

namespace {

const double sumPoints = 12;
const double carryPoints = 8.25;

struct SumGeometry {
    double cell;  // width of one column
    double carry; // height of the row of carries
    double line;  // height of one row of digits
    double rule;  // height of the rule's row
};

SumGeometry sumGeometry(const QFont &font)
{
    const QFontMetricsF digits(font);
    QFont small = font;
    small.setPointSizeF(scaledPoints(carryPoints));
    return {digits.horizontalAdvance(QLatin1Char('0')) * 1.3, QFontMetricsF(small).height(),
            digits.height(), 5};
}

} // namespace

ColumnSum::ColumnSum(const QString &top, const QString &bottom, const QString &sum, QWidget *parent)
    : QWidget(parent)
    , top_(top)
    , bottom_(bottom)
    , sum_(sum)
{
    setFont(arialFont(sumPoints));
    setFixedSize(sizeHint());
}

QList<int> ColumnSum::carries(const QString &top, const QString &bottom)
{
    QList<int> columns;
    const qsizetype width = std::max(top.size(), bottom.size());
    int carry = 0;
    for (qsizetype column = 0; column < width; ++column) {
        const auto digit = [column](const QString &number) {
            return column < number.size() && number.at(number.size() - 1 - column) == '1' ? 1 : 0;
        };
        if (carry && column > 0)
            columns.append(static_cast<int>(column));
        carry = (digit(top) + digit(bottom) + carry) / 2;
    }
    return columns;
}

QSize ColumnSum::sizeHint() const
{
    const SumGeometry g = sumGeometry(font());
    const qsizetype columns = std::max({top_.size(), bottom_.size(), sum_.size()}) + 1;
    return QSize(static_cast<int>(std::ceil(columns * g.cell)) + 2,
                 static_cast<int>(std::ceil(g.carry + 3 * g.line + g.rule)) + 2);
}

void ColumnSum::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Colours::red);
    const SumGeometry g = sumGeometry(font());
    const double right = width() - 1;
    // Digits stand in cells counted from the right.
    const auto drawNumber = [&](const QString &number, double top) {
        for (qsizetype i = 0; i < number.size(); ++i) {
            const double column = static_cast<double>(number.size() - 1 - i);
            const QRectF cell(right - (column + 1) * g.cell, top, g.cell, g.line);
            painter.drawText(cell, Qt::AlignCenter, number.mid(i, 1));
        }
    };
    QFont small = font();
    small.setPointSizeF(scaledPoints(carryPoints));
    painter.setFont(small);
    for (int column : carries(top_, bottom_))
        painter.drawText(QRectF(right - (column + 1) * g.cell, 0, g.cell, g.carry),
                         Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("1"));
    painter.setFont(font());
    const double first = g.carry;
    drawNumber(top_, first);
    drawNumber(bottom_, first + g.line);
    // The sign stands left of the longer number, half a row lower.
    const qsizetype width = std::max(top_.size(), bottom_.size());
    painter.drawText(QRectF(right - (width + 1) * g.cell, first + g.line / 2, g.cell, g.line),
                     Qt::AlignCenter, QStringLiteral("+"));
    const double ruleY = first + 2 * g.line + g.rule / 2;
    painter.setPen(QPen(Colours::red, 1.5));
    painter.drawLine(QPointF(right - sum_.size() * g.cell, ruleY), QPointF(right, ruleY));
    painter.setPen(Colours::red);
    drawNumber(sum_, first + 2 * g.line + g.rule);
}

} // namespace zorbiks
