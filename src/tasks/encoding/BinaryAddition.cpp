#include "tasks/encoding/BinaryAddition.h"

#include "exercise/BinaryFilter.h"
#include "exercise/Fonts.h"
#include "exercise/GapLabel.h"
#include "exercise/ScriptText.h"
#include "exercise/TaskText.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QPainter>

#include <cmath>

namespace zorbiks {

namespace {

ExerciseTraits binaryAdditionTraits()
{
    ExerciseTraits traits = numberTraits(
        QStringLiteral("К10"), {QStringLiteral(" Пояснение1"), QStringLiteral("Пояснение2")});
    traits.explanationSizes = {{10400, 1500}, {10400, 600}};
    return traits;
}

const double sumPoints = 12;
const double carryPoints = 8.25;

} // namespace

// ---- the column addition --------------------------------------------------

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

namespace {

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
    small.setPointSizeF(carryPoints);
    return {digits.horizontalAdvance(QLatin1Char('0')) * 1.3, QFontMetricsF(small).height(),
            digits.height(), 5};
}

} // namespace

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
    small.setPointSizeF(carryPoints);
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

// ---- the exercise ---------------------------------------------------------

const QList<NumberRow> &BinaryAddition::rows()
{
    static const QList<NumberRow> rows = {
        {"101010 + ", "111111", "10101"},  {"101010 + ", "111110", "10100"},
        {"101110 + ", "1000011", "10101"}, {"101001 + ", "111110", "10101"},
        {"101100 + ", "1000001", "10101"}, {"101010 + ", "111101", "10011"},
        {"111010 + ", "1010001", "10111"}, {"110000 + ", "1000101", "10101"},
        {"101010 + ", "1001001", "11111"}, {"111110 + ", "1011101", "11111"},
        {"100101 + ", "111010", "10101"},  {"101011 + ", "1001010", "11111"},
    };
    return rows;
}

BinaryAddition::BinaryAddition()
    : NumberExercise(binaryAdditionTraits(), rows(), &KeyFilters::binaryOnly)
{}

void BinaryAddition::buildView(ExerciseView &view)
{
    buildTask(view,
              QStringLiteral("    К10. Сложить два двоичнх числа.                           "
                             "Результат выразить также в двоичной форме"),
              QStringLiteral("числа."));

    QGroupBox *first = view.explanations[0];
    first->setFont(arialFont(8.25));
    addText(first, QStringLiteral("Label5"),
            QStringLiteral("   Возможны два способа решения данной задачи: 1) сложение столбиком "
                           "и 2) перевод обоих чисел в десятичную систему, сложение их и перевод "
                           "полученной суммы обратно в двоичную систему счисления. Пример решения "
                           "первым способом:"));
    auto *column = new ColumnSum(QStringLiteral("110010"), QStringLiteral("10111"),
                                 QStringLiteral("1001001"), first);
    column->setObjectName(QStringLiteral("Столбик"));
    addToFrame(first, column, Qt::AlignHCenter);

    QGroupBox *second = view.explanations[1];
    second->setFont(arialFont(8.25));
    addText(second, QStringLiteral("Label6"),
            QStringLiteral("   Решим тот же пример вторым способом:"));
    auto *line = new ScriptText(QStringLiteral("110010  = 50   ;  10111   = 23   ;  (50 + 23)   "
                                               "= 73    = 1001001"),
                                second);
    line->setObjectName(QStringLiteral("Label7"));
    line->setFont(arialFont(9.75));
    line->setWordWrap(false);
    Colours::setTextColour(line, Colours::red);
    line->addLoweredAfter(QStringLiteral("110010"), QStringLiteral("2"));
    line->addLoweredAfter(QStringLiteral("50"), QStringLiteral("10"));
    line->addLoweredAfter(QStringLiteral("10111"), QStringLiteral("2"));
    line->addLoweredAfter(QStringLiteral("23"), QStringLiteral("10"));
    line->addLoweredAfter(QStringLiteral(")"), QStringLiteral("10"));
    line->addLoweredAfter(QStringLiteral("73"), QStringLiteral("10"));
    line->addLoweredAfter(QStringLiteral("1001001"), QStringLiteral("2"));
    addToFrame(second, line, Qt::AlignHCenter);
}

} // namespace zorbiks
