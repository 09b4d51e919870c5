#include "tasks/encoding/BinaryToHex.h"

#include "drawing/GapLabel.h"
#include "drawing/ScriptText.h"
#include "drawing/TaskText.h"
#include "drawing/TetradTable.h"
#include "drawing/TextLayout.h"
#include "exercise/TranslitFilters.h"
#include "screen/Fonts.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits binaryToHexTraits()
{
    return {.frame = {.headingName = QStringLiteral("Label20"),
                      .taskSize = {10400, 500},
                      .explanationCaptions = {QStringLiteral(" Пояснение1"),
                                              QStringLiteral("Пояснение2")},
                      .explanationSizes = {{10400, 2000}, {10400, 1300}}},
            .lists = {.repeatLeadingBlank = true},
            .typed = {.focusKeySinkAfterCorrect = false}};
}

} // namespace

const std::array<BinaryHexRow, 20> &BinaryToHexModel::rows()
{
    static const std::array<BinaryHexRow, 20> table = {{
        {"1000011", "43"},  {"1000111", "47"},  {"1001110", "4E"},  {"1010101", "55"},
        {"1011101", "5D"},  {"1100011", "63"},  {"1101000", "68"},  {"1101100", "6C"},
        {"1101111", "6F"},  {"1111000", "78"},  {"1111011", "7B"},  {"10001000", "88"},
        {"10010000", "90"}, {"10011111", "9F"}, {"10100110", "A6"}, {"11000011", "C3"},
        {"11000001", "C1"}, {"11001000", "C8"}, {"11001011", "CB"}, {"11001111", "CF"},
    }};
    return table;
}

KeyVerdict BinaryToHexModel::filter(ushort code)
{
    using namespace TranslitFilters;
    // А, В, И, С, У, Ф: the Russian letters of the keys F, D, B, C, E, A.
    const KeyVerdict typed = typedOnUsLayout(code, u"АВИСУФ");
    const ushort c = typed.code;
    const bool hexadecimal = c == 8 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
    return warnUnless(typed, hexadecimal,
                      QStringLiteral("Шестнадцатеричное число может состоять из арабских цифр и "
                                     "латинских заглавных букв A, B, C, D, E, F!"),
                      Warned::DropsCharacter);
}

BinaryToHex::BinaryToHex()
    : Exercise(binaryToHexTraits())
{}

void BinaryToHex::buildView(ExerciseView &view)
{
    GapLabel *task = addText(view.task, QStringLiteral("зад1"),
                             QStringLiteral("    К8. Перевести двоичное число                   в "
                                            "шестнадцатеричную систему счисления."));
    binary_ = addValue(task, QStringLiteral("зад2"), QStringLiteral("число"), 0, QColor(0, 128, 0));
    task->setValues(binary_, textsOf(BinaryToHexModel::rows(), &BinaryHexRow::binary));

    QGroupBox *first = view.explanations[0];
    first->setFont(arialFont(8.25));
    addText(first, QStringLiteral("Label5"),
            QStringLiteral("  В двоичной системе счисления всего две цифры - 0 и 1, а её "
                           "основанием является число 2.  В шестнадцатеричной систме основанием "
                           "является число 16 и в ней 16 цифр: 0 1 2 3 4 5 6 7 8 9 A B C D E F, "
                           "причём, латинские буквы A B C D E F обозначают числа 10 11 12 13 14 "
                           "15 соответственно. Т.к. 16 делится на 2, то переход из двоичной "
                           "системы в шестнадцатеричную и наоборот выполняется по более простому "
                           "алгоритму, чем при переходе в десятичную систему. Для перевода 2 -> "
                           "16 двоичное число разбиваем справа  налево на группы по 4 цифры "
                           "(тетрады), и каждую тетраду заменяем её шестнадцатеричным "
                           "эквивалентом по таблице:"));
    auto *table = new TetradTable(first->font(), first);
    table->setObjectName(QStringLiteral("Таблица"));
    addToFrame(first, table, Qt::AlignHCenter);

    QGroupBox *second = view.explanations[1];
    second->setFont(arialFont(8.25));
    addText(second, QStringLiteral("Label6"),
            QStringLiteral("    Рассмотрим пример: требуется перевести в шестнадцатеричную "
                           "систему двоичное число 110000111001. "));
    // "C39" with the Latin C; its digits stand over their tetrads.
    auto *example = new ScriptText(QStringLiteral("110000111001   = C39"), second);
    example->setObjectName(QStringLiteral("Label7"));
    example->setFont(arialFont(12));
    example->setWordWrap(false);
    example->setScriptPointSize(11.25);
    const QString hex = QStringLiteral("C39");
    for (int group = 0; group < 3; ++group)
        example->addAbove(group * 4, 4, hex.mid(group, 1));
    example->addDivider(4, Colours::red, true);
    example->addDivider(8, Colours::red, true);
    example->addLowered(12, QStringLiteral("2"));
    example->addLowered(example->text().size(), QStringLiteral("16"));
    addToFrame(second, example, Qt::AlignLeft);
}

void BinaryToHex::drawTask(RandomSource &random)
{
    model_.draw(random);
    binary_->setText(model_.current().binary);
}

} // namespace zorbiks
