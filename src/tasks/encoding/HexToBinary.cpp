#include "tasks/encoding/HexToBinary.h"

#include "drawing/GapLabel.h"
#include "drawing/ScriptText.h"
#include "drawing/TaskText.h"
#include "drawing/TetradTable.h"
#include "exercise/BinaryFilter.h"
#include "screen/Fonts.h"

#include <QGroupBox>

namespace zorbiks {

namespace {

ExerciseTraits hexToBinaryTraits()
{
    return numberTraits({QStringLiteral(" Пояснение1"), QStringLiteral("Пояснение2")},
                        {{10400, 1800}, {10400, 1000}});
}

} // namespace

const QList<NumberRow> &HexToBinary::rows()
{
    static const QList<NumberRow> rows = {
        {"43", "1000011"},  {"47", "1000111"},  {"4E", "1001110"},  {"55", "1010101"},
        {"5D", "1011101"},  {"63", "1100011"},  {"68", "1101000"},  {"6C", "1101100"},
        {"6F", "1101111"},  {"78", "1111000"},  {"7B", "1111011"},  {"88", "10001000"},
        {"90", "10010000"}, {"9F", "10011111"}, {"A6", "10100110"}, {"C3", "11000011"},
        {"C1", "11000001"}, {"C8", "11001000"}, {"CB", "11001011"}, {"CF", "11001111"},
    };
    return rows;
}

HexToBinary::HexToBinary()
    : NumberExercise(hexToBinaryTraits(), rows(), &KeyFilters::binaryOnly)
{}

void HexToBinary::buildView(ExerciseView &view)
{
    buildTask(view,
              QStringLiteral("    К9. Перевести шестнадцатиричное  число          в двоичную "
                             "систему счисления."),
              QStringLiteral("число"));

    QGroupBox *first = view.explanations[0];
    first->setFont(arialFont(8.25));
    addText(first, QStringLiteral("Label5"),
            QStringLiteral("  В двоичной системе счисления всего две цифры - 0 и 1, а её "
                           "основанием является число 2.  В шестнадцатеричной систме основанием "
                           "яиляется число 16 и в ней 16 цифр: 0 1 2 3 4 5 6 7 8 9 A B C D E F, "
                           "причём, латинские буквы A B C D E F обозначают числа 10 11 12 13 14 "
                           "15 соответственно. Т.к. 16 делится на 2, то переход из двоичной "
                           "системы в шестнадцатеричную и наоборот выполняется по более простому "
                           "алгоритму, чем при переходе в десятичную систему. Для перевода 16 -> "
                           "2 каждую шестнадцатиричную цифру заменяем её двоичным эквивалентом по "
                           "таблице:"));
    auto *table = new TetradTable(first->font(), first);
    table->setObjectName(QStringLiteral("Таблица"));
    addToFrame(first, table, Qt::AlignHCenter);

    QGroupBox *second = view.explanations[1];
    second->setFont(arialFont(8.25));
    // "С39" is written with the Cyrillic С, as in the stored texts.
    addText(second, QStringLiteral("Label6"),
            QStringLiteral("    Рассмотрим пример: требуется перевести в двоичную систему "
                           "шестнадцатеричное число С39. "));
    auto *example = new ScriptText(QStringLiteral(" С    3     9    =  110000111001"), second);
    example->setObjectName(QStringLiteral("Label7"));
    example->setFont(arialFont(12));
    example->setWordWrap(false);
    example->setScriptPointSize(8.25);
    const QString line = example->text();
    const QStringList groups{"1100", "0011", "1001"};
    const qsizetype digits[] = {line.indexOf(QChar(0x0421)), line.indexOf(QLatin1Char('3')),
                                line.indexOf(QLatin1Char('9'))};
    for (int i = 0; i < 3; ++i)
        example->addAbove(digits[i], 1, groups[i], Colours::red);
    example->addLowered(digits[2] + 1, QStringLiteral("16"));
    const qsizetype binary = line.indexOf(QStringLiteral("110000111001"));
    example->addLowered(line.size(), QStringLiteral("2"));
    example->addDivider(binary + 4, Colours::red);
    example->addDivider(binary + 8, Colours::red);
    addToFrame(second, example, Qt::AlignLeft);
    addText(second, QStringLiteral("Label8"),
            QStringLiteral("   Примечане: двоичное число не может начинаться с нулей."));
}

} // namespace zorbiks
