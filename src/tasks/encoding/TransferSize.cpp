#include "tasks/encoding/TransferSize.h"

#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "drawing/TextLayout.h"
#include "exercise/KeyFilters.h"
#include "exercise/NumericPrefix.h"
#include "screen/Fonts.h"

#include <QGroupBox>

namespace zorbiks {

namespace {

ExerciseTraits transferSizeTraits()
{
    return {.frame = {.taskSize = {10400, 800},
                      .explanationCaptions = {QStringLiteral(" Пояснение1"),
                                              QStringLiteral(" Пояснение2")},
                      .explanationSizes = {{10400, 500}, {10400, 500}}},
            .lists = {.repeatLeadingBlank = true},
            .typed = {.focusKeySinkAfterCorrect = false}};
}

} // namespace

void TransferSizeModel::draw(RandomSource &random)
{
    factor_ = factorDraw_.draw(random);
    seconds_ = static_cast<int>(random.next() * longest) + 1;
}

bool TransferSizeModel::isCorrect(const QString &answer) const
{
    return numericPrefix(answer) == this->answer();
}

TransferSize::TransferSize()
    : Exercise(transferSizeTraits())
{}

KeyVerdict TransferSize::filterKey(ushort code, qint16) const
{
    return KeyFilters::digitsOnly(code);
}

void TransferSize::buildView(ExerciseView &view)
{
    // The "c" of "бит/c" is a Latin letter.
    GapLabel *task =
        addText(view.task, QStringLiteral("Label1"),
                QStringLiteral("   К5. Скорость передачи данных через ADSL-соединение равна\n"
                               "                 бит/c. Передача файла через данное "
                               "соединение заняла            секунд. Определите размер "
                               "файла в килобайтах."));
    task->setFont(arialFont(9.75));
    rate_ = addValue(task, QStringLiteral("зад2"), QStringLiteral("\n"));
    seconds_ = addValue(task, QStringLiteral("зад3"), QStringLiteral("заняла"));
    QStringList rates;
    for (int factor = 1; factor <= TransferSizeModel::largestFactor; ++factor)
        rates << QString::number(TransferSizeModel::rateOf(factor));
    task->setValues(rate_, rates);
    task->setValues(seconds_, numberTexts(1, TransferSizeModel::longest));
    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("   Для нахождения объёма файла в битах нужно умножить скорость "
                           "передачи на время."));
    addText(view.explanations[1], QStringLiteral("Label6"),
            QStringLiteral("  В одном байте 8 бит, в одном килобайте 1024  байт."));
}

void TransferSize::drawTask(RandomSource &random)
{
    model_.draw(random);
    rate_->setText(QString::number(model_.rate()));
    seconds_->setText(QString::number(model_.seconds()));
}

} // namespace zorbiks
