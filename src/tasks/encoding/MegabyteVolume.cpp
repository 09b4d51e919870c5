#include "tasks/encoding/MegabyteVolume.h"

#include "drawing/GapLabel.h"
#include "drawing/ScriptLabels.h"
#include "drawing/ScriptText.h"
#include "drawing/TaskText.h"
#include "exercise/KeyFilters.h"
#include "exercise/NumericPrefix.h"
#include "screen/Fonts.h"

#include <QGroupBox>

namespace zorbiks {

namespace {

ExerciseTraits megabyteVolumeTraits()
{
    return {.frame = {.headingName = QStringLiteral("Label22"),
                      .taskSize = {10400, 700},
                      .explanationSizes = {{10400, 1000}}},
            .typed = {.focusKeySinkAfterCorrect = false}};
}

// The explanation, one line per step of the reasoning; the exponents of its
// powers of two, in order.
const QString explanationText = QStringLiteral(
    "  1 мегабайт - это 2    байт.\n"
    "В одном байте 8 бит, следовательно, в      1 мегабайте 2     * 8 = 2     * 2   = 2     бит.\n"
    "Пример: 2    бит = 2    * 2   бит = 2    * 16 бит = 16 мегабайт.");
const QStringList explanationExponents = {"20", "20", "20", "3", "23", "27", "23", "4", "23"};

} // namespace

bool MegabyteVolumeModel::isCorrect(const QString &answer) const
{
    return numericPrefix(answer) == this->answer();
}

MegabyteVolume::MegabyteVolume()
    : Exercise(megabyteVolumeTraits())
{}

KeyVerdict MegabyteVolume::filterKey(ushort code, qint16) const
{
    return KeyFilters::digitsOnly(code);
}

void MegabyteVolume::buildView(ExerciseView &view)
{
    GapLabel *task =
        addText(view.task, QStringLiteral("Label3"),
                QStringLiteral(" К4. Сколько мегабайт информации содержит сообщение объемом 2 "
                               "    бит? В ответе укажите одно число."));
    task->setFont(arialFont(9.75));
    task->setContentsMargins(DisplayScale::margins(0, 4, 0, 0)); // room for the exponent
    exponent_ =
        addExponent(task, QStringLiteral("зад2"), exponentGaps(task->text()).first(), QString());

    // Line separators keep the three steps of the reasoning on lines of
    // their own.
    QString text = explanationText;
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    auto *explanation = new ScriptText(text, view.explanations[0]);
    explanation->setObjectName(QStringLiteral("Label5"));
    explanation->setFont(arialFont(9.75));
    explanation->setScriptPointSize(8.25);
    Colours::setTextColour(explanation, Colours::taskBlue);
    const QList<qsizetype> gaps = exponentGaps(text);
    for (qsizetype i = 0; i < gaps.size() && i < explanationExponents.size(); ++i)
        explanation->addRaised(gaps[i], explanationExponents[i]);
    addToFrame(view.explanations[0], explanation);
}

void MegabyteVolume::drawTask(RandomSource &random)
{
    model_.draw(random);
    exponent_->setText(QString::number(model_.exponent()));
}

} // namespace zorbiks
