#include "tasks/encoding/NumberExercise.h"

#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "drawing/TextLayout.h"
#include "screen/Fonts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

namespace zorbiks {

namespace {

const QColor numberGreen{0, 128, 0};

} // namespace

ExerciseTraits numberTraits(const QStringList &captions, const QList<QSizeF> &sizes)
{
    return {.frame = {.headingName = QStringLiteral("Label20"),
                      .taskSize = {10400, 700},
                      .explanationCaptions = captions,
                      .explanationSizes = sizes},
            .lists = {.repeatLeadingBlank = true},
            .typed = {.focusKeySinkAfterCorrect = false}};
}

NumberExercise::NumberExercise(ExerciseTraits traits, const QList<NumberRow> &rows, Filter filter)
    : Exercise(std::move(traits))
    , drill_(rows)
    , filter_(filter)
    , twoNumbers_(std::any_of(rows.begin(), rows.end(),
                              [](const NumberRow &row) { return !row.second.isEmpty(); }))
{}

void NumberExercise::buildTask(ExerciseView &view, const QString &text, const QString &before)
{
    task_ = addText(view.task, QStringLiteral("зад1"), text);
    if (!twoNumbers_) {
        first_ = addValue(task_, QStringLiteral("зад2"), before, 0, numberGreen);
        task_->setValues(first_, textsOf(drill_.rows(), &NumberRow::shown));
        return;
    }
    // Two value labels side by side over one gap, a little smaller than the
    // text so that both fit between its words.
    auto *pair = new QWidget(task_);
    pair->setObjectName(QStringLiteral("Числа"));
    auto *layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QLabel **label : {&first_, &second_}) {
        *label = new QLabel(pair);
        QFont font = task_->font();
        font.setPointSizeF(font.pointSizeF() - scaledPoints(0.75));
        (*label)->setFont(font);
        Colours::setTextColour(*label, numberGreen);
        layout->addWidget(*label);
    }
    first_->setObjectName(QStringLiteral("зад2"));
    second_->setObjectName(QStringLiteral("зад3"));
    task_->placeAfter(pair, before);
    task_->setValues(first_, textsOf(drill_.rows(), &NumberRow::shown));
    task_->setValues(second_, textsOf(drill_.rows(), &NumberRow::second));
}

void NumberExercise::drawTask(RandomSource &random)
{
    drill_.draw(random);
    first_->setText(drill_.row().shown);
    if (second_)
        second_->setText(drill_.row().second);
}

} // namespace zorbiks
