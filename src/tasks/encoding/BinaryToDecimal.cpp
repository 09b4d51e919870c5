#include "tasks/encoding/BinaryToDecimal.h"

#include "drawing/GapLabel.h"
#include "drawing/ScriptText.h"
#include "drawing/TaskText.h"
#include "exercise/KeyFilters.h"
#include "screen/Fonts.h"
#include "tasks/encoding/DecimalToBinary.h"

#include <QGroupBox>

namespace zorbiks {

namespace {

ExerciseTraits binaryToDecimalTraits()
{
    return numberTraits({QStringLiteral(" Пояснение")}, {{10400, 1800}});
}

} // namespace

const QList<NumberRow> &BinaryToDecimal::rows()
{
    // К6's pairs the other way round.
    static const QList<NumberRow> rows = [] {
        QList<NumberRow> reversed;
        for (const NumberRow &row : DecimalToBinary::rows())
            reversed.append({row.answer, row.shown});
        return reversed;
    }();
    return rows;
}

BinaryToDecimal::BinaryToDecimal()
    : NumberExercise(binaryToDecimalTraits(), rows(), &KeyFilters::digitsOnly)
{}

void BinaryToDecimal::buildView(ExerciseView &view)
{
    buildTask(view,
              QStringLiteral("    К7. Перевести двоичное число                   в десятичную "
                             "систему счисления."),
              QStringLiteral("число"));

    QGroupBox *frame = view.explanations[0];
    frame->setFont(arialFont(8.25));
    Colours::setTextColour(frame, Colours::darkBlue);

    auto *sum = new ScriptText(
        QStringLiteral("  В двоичной системе счисления всего две цифры - 0 и 1, а её основанием "
                       "является число 2. Как в любой позиционной системе счисления, двоичное "
                       "число состоит из степеней основания ( в данном случае 2) , например:  "
                       "11001  = 1*2  + 1*2  + 0*2   + 0*2   + 1*2    =   (16 + 8 + 0 + 0 + "
                       "1)   = 25    ."),
        frame);
    sum->setObjectName(QStringLiteral("Label5"));
    sum->addLoweredAfter(QStringLiteral("11001"), QStringLiteral("2"));
    sum->addRaisedAfter(QStringLiteral("1*2"), QStringLiteral("4"), 0);
    sum->addRaisedAfter(QStringLiteral("1*2"), QStringLiteral("3"), 1);
    sum->addRaisedAfter(QStringLiteral("0*2"), QStringLiteral("2"), 0);
    sum->addRaisedAfter(QStringLiteral("0*2"), QStringLiteral("1"), 1);
    sum->addRaisedAfter(QStringLiteral("1*2"), QStringLiteral("0"), 2);
    sum->addLoweredAfter(QStringLiteral("1)"), QStringLiteral("10"));
    sum->addLoweredAfter(QStringLiteral("25"), QStringLiteral("10"));
    addToFrame(frame, sum);

    addText(frame, QStringLiteral("Label3"),
            QStringLiteral("  Удобен такой способ перевода чисел из двоичной системы в "
                           "десятичную: над двоичными цифрами записываем справа налево степени "
                           "числа 2 - 1, 2, 4, 8, 16 и т.д., затем умножаем на них двоичные "
                           "цифры и всё складываем. Пример:"),
            Colours::darkBlue);

    // The worked example: the powers of two over the binary digits.
    auto *example =
        new ScriptText(QStringLiteral("1  1  0  0  1  0 = (32 + 16 + 0 + 0 + 2 + 0) = 50 "), frame);
    example->setObjectName(QStringLiteral("Label2"));
    example->setFont(arialFont(18));
    example->setWordWrap(false);
    example->setAlignment(Qt::AlignHCenter);
    example->setScriptPointSize(9.75);
    const QStringList powers{"32", "16", "8", "4", "2", "1"};
    for (qsizetype i = 0; i < powers.size(); ++i)
        example->addAbove(3 * i, 1, powers[i]);
    example->addLowered(16, QStringLiteral("2"));
    example->addLoweredAfter(QStringLiteral("0)"), QStringLiteral("10"));
    example->addLoweredAfter(QStringLiteral("50"), QStringLiteral("10"));
    addToFrame(frame, example);
}

} // namespace zorbiks
