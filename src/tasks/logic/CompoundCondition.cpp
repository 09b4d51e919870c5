#include "tasks/logic/CompoundCondition.h"

#include "drawing/GapLabel.h"
#include "drawing/Options.h"
#include "drawing/TaskText.h"
#include "drawing/TextLayout.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits compoundConditionTraits()
{
    return {.kind = ExerciseKind::Choice,
            .frame = {.taskSize = {10400, 650},
                      .explanationCaptions = {QStringLiteral(" Пояснение 1"),
                                              QStringLiteral(" Пояснение 2")},
                      .explanationSizes = {{10400, 900}, {10400, 550}}},
            .choice = {.size = {6400, 700}},
            .leaving = {.menuEnablesPictures = true, .menuShowsPicture = QStringLiteral("логика")}};
}

} // namespace

const std::array<ConditionVariant, 6> &CompoundConditionModel::variants()
{
    // Variants 3 and 4 keep their bracketed disjunction, candidates and
    // accepted option, with the mandatory comparison that makes exactly one
    // candidate true; variant 6 keeps its expression and names in its second
    // explanation the candidate 7, which fails only the disjunction.
    static const std::array<ConditionVariant, 6> table = {{
        {QStringLiteral("(X > 2) /\\ ((X < 4) \\/ (X > 4))"),
         {1, 2, 3, 4},
         3,
         {1, 2},
         QStringLiteral("X > 2"),
         4},
        {QStringLiteral("(X < 5) /\\ ((X < 3) \\/ (X > 3))"),
         {3, 4, 5, 6},
         2,
         {5, 6},
         QStringLiteral("X < 5"),
         3},
        {QStringLiteral("((X < 6) \\/ (X > 6)) /\\ (X < 7)"),
         {5, 6, 7, 8},
         1,
         {7, 8},
         QStringLiteral("X < 7"),
         6},
        {QStringLiteral("((X < 8) \\/ (X > 8)) /\\ (X > 7)"),
         {6, 7, 8, 9},
         4,
         {6, 7},
         QStringLiteral("X > 7"),
         8},
        {QStringLiteral("(X > 3) /\\ ((X < 5) \\/ (X > 5))"),
         {2, 3, 4, 5},
         3,
         {2, 3},
         QStringLiteral("X > 3"),
         5},
        {QStringLiteral("(X < 9) /\\ ((X < 7) \\/ (X > 7))"),
         {7, 8, 9, 10},
         2,
         {9, 10},
         QStringLiteral("X < 9"),
         7},
    }};
    return table;
}

void CompoundConditionModel::draw(RandomSource &random)
{
    variant_ = bag_.draw(random);
}

CompoundCondition::CompoundCondition()
    : Exercise(compoundConditionTraits())
{}

void CompoundCondition::buildView(ExerciseView &view)
{
    GapLabel *task =
        addText(view.task, QStringLiteral("зад1"),
                QStringLiteral("Л1. Для какого целого числа Х истинно выражение:             "));
    expression_ =
        addValue(task, QStringLiteral("зад2"), QStringLiteral("выражение:"), 0, QColor(0, 0, 160));

    OptionStyle style;
    style.size = {1300, 450};
    view.setOptions(addOptions(view.answers, view.metrics, QStringLiteral("Отв"),
                               {QString(), QString(), QString(), QString()}, style, Qt::Horizontal,
                               {QStringLiteral("1-й ответ"), QStringLiteral("2-й ответ"),
                                QStringLiteral("3-й ответ"), QStringLiteral("4-й ответ")}));
    for (size_t i = 0; i < options_.size(); ++i)
        options_[i] = static_cast<QLabel *>(view.options[static_cast<qsizetype>(i)].control);

    GapLabel *explanation1 = addText(
        view.explanations[0], QStringLiteral("Label5"),
        QStringLiteral("    Для решения данной задачи можно проверить все ответы последовательно:  "
                       "числа    и     не удовлетворяют условию         , которое является "
                       "обязательным, т.к. связано с остальной частью выражения знаком "
                       "логического умножения."));
    explained_[0] = addValue(explanation1, QStringLiteral("пояс1"), QStringLiteral("числа"));
    explained_[1] = addValue(explanation1, QStringLiteral("пояс2"), QStringLiteral("числа    и"));
    explained_[2] = addValue(explanation1, QStringLiteral("пояс3"), QStringLiteral("условию"));
    GapLabel *explanation2 =
        addText(view.explanations[1], QStringLiteral("Label9"),
                QStringLiteral("   Число     не удовлетворяет условию в двойных скобках."));
    explained_[3] = addValue(explanation2, QStringLiteral("пояс4"), QStringLiteral("Число"));

    const auto &variants = CompoundConditionModel::variants();
    task->setValues(expression_, textsOf(variants, &ConditionVariant::expression));
    explanation1->setValues(explained_[0], textsOf(variants, [](const ConditionVariant &v) {
                                return v.failMandatory[0];
                            }));
    explanation1->setValues(explained_[1], textsOf(variants, [](const ConditionVariant &v) {
                                return v.failMandatory[1];
                            }));
    explanation1->setValues(explained_[2], textsOf(variants, &ConditionVariant::mandatory));
    explanation2->setValues(explained_[3], textsOf(variants, &ConditionVariant::failDisjunction));
}

void CompoundCondition::drawTask(RandomSource &random)
{
    model_.draw(random);
    const ConditionVariant &v = model_.current();
    expression_->setText(v.expression);
    for (size_t i = 0; i < options_.size(); ++i)
        options_[i]->setText(QString::number(v.candidates[i]));
    explained_[0]->setText(QString::number(v.failMandatory[0]));
    explained_[1]->setText(QString::number(v.failMandatory[1]));
    explained_[2]->setText(v.mandatory);
    explained_[3]->setText(QString::number(v.failDisjunction));
}

} // namespace zorbiks
