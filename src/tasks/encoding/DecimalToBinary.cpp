#include "tasks/encoding/DecimalToBinary.h"

#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "drawing/WorkedMarks.h"
#include "exercise/BinaryFilter.h"
#include "screen/Fonts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits decimalToBinaryTraits()
{
    return numberTraits({QStringLiteral(" Пояснение")}, {{10400, 2000}});
}

} // namespace

const QList<NumberRow> &DecimalToBinary::rows()
{
    static const QList<NumberRow> rows = {
        {"67", "1000011"},   {"71", "1000111"},   {"78", "1001110"},   {"85", "1010101"},
        {"93", "1011101"},   {"99", "1100011"},   {"104", "1101000"},  {"108", "1101100"},
        {"111", "1101111"},  {"120", "1111000"},  {"123", "1111011"},  {"136", "10001000"},
        {"144", "10010000"}, {"159", "10011111"}, {"166", "10100110"}, {"195", "11000011"},
        {"193", "11000001"}, {"200", "11001000"}, {"203", "11001011"}, {"207", "11001111"},
    };
    return rows;
}

QStringList DecimalToBinary::divisionLines()
{
    return {
        QStringLiteral("181 : 2 = 90 остаток 1"), QStringLiteral("90 : 2 = 45 остаток 0"),
        QStringLiteral("45 : 2 = 22 остаток 1"),  QStringLiteral("22 : 2 = 11 остаток  0"),
        QStringLiteral("11 : 2 = 5   остаток 1"), QStringLiteral("5 : 2 = 2   остаток 1"),
        QStringLiteral("2 : 2 = 1   остаток  0"), QStringLiteral("1 : 2 = 0   остаток  1"),
    };
}

DecimalToBinary::DecimalToBinary()
    : NumberExercise(decimalToBinaryTraits(), rows(), &KeyFilters::binaryOnly)
{}

void DecimalToBinary::buildView(ExerciseView &view)
{
    buildTask(view,
              QStringLiteral("    К6. Перевести десятичное число             в двоичную систему "
                             "счисления."),
              QStringLiteral("число"));

    QGroupBox *frame = view.explanations[0];
    frame->setFont(arialFont(8.25));
    addText(frame, QStringLiteral("Label5"),
            QStringLiteral("  В двоичной системе счисления всего две цифры - 0 и 1, а её "
                           "основанием является число 2. Перевод числа из десятичной в двоичную "
                           "систему счисления выполняется методом многократного деления с "
                           "остатком десятичного числа на 2. Пример: переведём в двоичную "
                           "систему десятичное число 181."));

    // The division column, one line under another, and the arrow up along
    // its remainders.
    auto *column = new QWidget(frame);
    auto *row = new QHBoxLayout(column);
    row->setContentsMargins(view.metrics.px(600), 0, 0, 0);
    row->setSpacing(view.metrics.px(60));
    auto *division = new QLabel(divisionLines().join(QLatin1Char('\n')), column);
    division->setObjectName(QStringLiteral("Label1"));
    Colours::setTextColour(division, QColor(0, 0, 255));
    row->addWidget(division);
    auto *arrow = new UpArrow(QStringLiteral("Line4"), QStringLiteral("Label2"), column);
    arrow->setObjectName(QStringLiteral("Стрелка"));
    arrow->setFixedHeight(division->sizeHint().height());
    row->addWidget(arrow);
    row->addStretch(1);
    addToFrame(frame, column);

    addText(frame, QStringLiteral("Label3"),
            QStringLiteral("   Деление продолжаем до частного, равного 0, а результат читаем "
                           "снизу вверх по стрелке: 10110101"));
}

} // namespace zorbiks
