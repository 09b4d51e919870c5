#include "tasks/encoding/BinaryAddition.h"

#include "drawing/ColumnSum.h"
#include "drawing/GapLabel.h"
#include "drawing/ScriptText.h"
#include "drawing/TaskText.h"
#include "exercise/BinaryFilter.h"
#include "screen/Fonts.h"

#include <QGroupBox>

namespace zorbiks {

namespace {

ExerciseTraits binaryAdditionTraits()
{
    return numberTraits({QStringLiteral(" Пояснение1"), QStringLiteral("Пояснение2")},
                        {{10400, 1500}, {10400, 600}});
}

} // namespace

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
