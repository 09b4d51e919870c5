#include "tasks/encoding/UnicodeVolume.h"

#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "drawing/TextLayout.h"
#include "exercise/KeyFilters.h"
#include "exercise/NumericPrefix.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits unicodeVolumeTraits()
{
    return {.frame = {.taskSize = {10400, 1000},
                      .explanationSizes = {{10400, 650}},
                      .keySinkLeft = -3000},
            .lists = {.repeatLeadingBlank = true}};
}

} // namespace

void UnicodeVolumeModel::draw(RandomSource &random)
{
    characters_ = draw_.draw(random);
}

bool UnicodeVolumeModel::isCorrect(const QString &text) const
{
    return numericPrefix(text) == answer();
}

KeyVerdict UnicodeVolumeModel::filter(ushort code)
{
    return KeyFilters::digitsOnly(code);
}

UnicodeVolume::UnicodeVolume()
    : Exercise(unicodeVolumeTraits())
{}

void UnicodeVolume::buildView(ExerciseView &view)
{
    GapLabel *task =
        addText(view.task, QStringLiteral("Label1"),
                QStringLiteral("   К1. В кодировке Unicode на каждый символ отводится два "
                               "байта. Определите информационный объём в битах фразы    из  "
                               "          символов в этой кодировке."));
    characters_ = addValue(task, QStringLiteral("Label4"), QStringLiteral("из"));
    task->setValues(characters_, numberTexts(UnicodeVolumeModel::fewest, UnicodeVolumeModel::most));
    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("   В каждом байте 8 бит, в двух байтах 16 бит."));
}

void UnicodeVolume::drawTask(RandomSource &random)
{
    model_.draw(random);
    characters_->setText(QString::number(model_.characters()));
}

} // namespace zorbiks
