#include "exercise/ChoiceAnswers.h"

#include "screen/Colours.h"
#include "screen/HoverLabel.h"
#include "screen/Navigator.h"

#include <QGroupBox>

namespace zorbiks {

ChoiceAnswers::ChoiceAnswers(const AnswerParts &parts)
    : AnswerArea(parts)
{
    answers_ = new QGroupBox(traits_.choice.caption, parts_.screen);
    answers_->setObjectName(QStringLiteral("Ответы"));
    Colours::setTextColour(answers_, Colours::taskBlue);
    answers_->resize(parts_.context.navigator.metrics().px(traits_.choice.size));
    watchHover(answers_, [this] { emit restRequested(); });
    if (traits_.choice.taskHoverRests)
        watchHover(parts_.task, [this] { emit restRequested(); });
}

void ChoiceAnswers::viewBuilt(const ExerciseView &view)
{
    options_ = view.options;
    lastAnswerLabel_ = view.lastAnswerLabel;
    for (qsizetype i = 0; i < options_.size(); ++i) {
        const int option = static_cast<int>(i) + 1;
        const auto check = [this, option] {
            emit attempted(option == parts_.exercise.correctOption(), option);
        };
        QWidget *control = options_[i].control;
        if (auto *label = qobject_cast<HoverLabel *>(control)) {
            connect(label, &HoverLabel::hovered, this, [this, i] { hover(i); });
            connect(label, &HoverLabel::clicked, this, check);
        } else {
            watchHover(control, [this, i] { hover(i); });
            watchClick(control, check);
        }
    }
}

void ChoiceAnswers::measure(ScreenLayout::ExerciseInput &in, const ScreenMetrics &m) const
{
    in.typed = false;
    in.answers = m.twips(answers_->size());
    if (lastAnswerLabel_)
        in.lastAnswerLabelBottom = m.twips(lastAnswerLabel_->geometry().bottom() + 1);
}

void ChoiceAnswers::place(const ScreenLayout::ExerciseGeometry &g, const ScreenMetrics &m)
{
    answers_->move(m.px(g.answers).topLeft());
}

void ChoiceAnswers::showStep()
{
    parts_.exitIcon->hide();
    parts_.exercise.resetOptions(options_);
}

void ChoiceAnswers::answeredRightly(int option)
{
    for (qsizetype i = 0; i < options_.size(); ++i) {
        const ChoiceOption &choice = options_[i];
        if (i + 1 == option) {
            choice.control->setEnabled(false);
            continue;
        }
        choice.control->hide();
        if (choice.companion)
            choice.companion->hide();
    }
}

void ChoiceAnswers::answeredWrongly(int option)
{
    const ChoiceOption &choice = options_[option - 1];
    if (traits_.choice.wrongHidesOption)
        choice.control->hide();
    else
        choice.control->setEnabled(false);
    if (traits_.choice.wrongHidesCompanion && choice.companion)
        choice.companion->hide();
}

void ChoiceAnswers::restColours()
{
    for (qsizetype i = 0; i < options_.size(); ++i)
        paint(i, false);
}

void ChoiceAnswers::hover(qsizetype index)
{
    if (traits_.choice.hoverRestsOthers) {
        for (qsizetype i = 0; i < options_.size(); ++i)
            paint(i, false);
    }
    paint(index, true);
}

void ChoiceAnswers::paint(qsizetype index, bool hover)
{
    if (!traits_.choice.hoverColours)
        return;
    const ChoiceOption &option = options_[index];
    const QColor colour = hover ? traits_.choice.hoverColour : Colours::lightYellow;
    const bool opaque = hover || traits_.choice.restOpaque;
    Colours::setBackground(option.control, colour, opaque);
    if (option.companion)
        Colours::setBackground(option.companion, colour, opaque);
}

} // namespace zorbiks
