#include "tasks/infotech/FontStyleName.h"

#include "drawing/Options.h"
#include "drawing/TaskText.h"
#include "screen/Fonts.h"

#include <QGridLayout>
#include <QGroupBox>

namespace zorbiks {

namespace {

ExerciseTraits fontStyleTraits()
{
    return {.kind = ExerciseKind::Choice,
            .frame = {.taskSize = {10400, 1400}, .explanationSizes = {{10400, 1300}}},
            .choice = {.caption = QStringLiteral("Ответы"),
                       .size = {7000, 1900},
                       .hoverColour = Colours::optionBlue,
                       .restOpaque = true,
                       .hoverRestsOthers = true,
                       .taskHoverRests = true},
            .leaving = {.menuShowsPicture = QStringLiteral("инфор")}};
}

const FontStyle regular{};
const FontStyle bold{true, false, false, false};
const FontStyle italic{false, true, false, false};
const FontStyle boldItalic{true, true, false, false};
const FontStyle underlined{false, false, true, false};
const FontStyle struckOut{false, false, false, true};
const FontStyle italicUnderlined{false, true, true, false};
const FontStyle boldStruckOut{true, false, false, true};

} // namespace

const std::array<StyleDataSet, 8> &FontStyleModel::dataSets()
{
    static const std::array<StyleDataSet, 8> sets = {{
        {regular, QStringLiteral(" Обычный ")},
        {bold, QStringLiteral(" Жирный  ")},
        {italic, QStringLiteral("  Курсив  ")},
        {boldItalic, QStringLiteral("  Жирный курсив  ")},
        {underlined, QStringLiteral("  Обычный подчёркнутый  ")},
        {struckOut, QStringLiteral("  Обычный зачёркнутый  ")},
        {italicUnderlined, QStringLiteral("  Курсив подчёркнутый")},
        {boldStruckOut, QStringLiteral("  Жирный зачёркнутый  ")},
    }};
    return sets;
}

FontStyleName::FontStyleName()
    : Exercise(fontStyleTraits())
{}

void FontStyleName::buildView(ExerciseView &view)
{
    const ScreenMetrics &m = view.metrics;
    addText(view.task, QStringLiteral("зад1"),
            QStringLiteral("  И6. Определите начертание шрифта данного текста"));
    sample_ = new SampleText(QStringLiteral("  В основу современных персональных компьютеров "
                                            "положен магистрально-модульный принцип."),
                             view.task);
    sample_->setObjectName(QStringLiteral("зад2"));
    sample_->setFont(arialFont(12));
    addToFrame(view.task, sample_);

    QStringList captions;
    for (const StyleDataSet &set : FontStyleModel::dataSets())
        captions << set.caption;
    OptionStyle style;
    style.size = {3200, 390};
    style.pointSize = 10;
    view.setOptions(addOptionColumns(view.answers, m, QStringLiteral("о"), captions, style, 4));

    // Every style shown in itself.
    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("  Примеры различных видов начертания шрифта:"));
    const std::array<std::pair<QString, FontStyle>, 8> examples = {{
        {QStringLiteral(" Обычный "), regular},
        {QStringLiteral("Жирный"), bold},
        {QStringLiteral("Курсив"), italic},
        {QStringLiteral("Жирный курсив"), boldItalic},
        {QStringLiteral(" Обычный подчёркнутый"), underlined},
        {QStringLiteral(" Обычный зачёркнутый"), struckOut},
        {QStringLiteral("Курсив подчёркнутый"), italicUnderlined},
        {QStringLiteral("Жирный зачёркнутый"), boldStruckOut},
    }};
    auto *grid = new QWidget(view.explanations[0]);
    auto *layout = new QGridLayout(grid);
    layout->setContentsMargins(DisplayScale::margins(12, 0, 12, 0));
    layout->setHorizontalSpacing(DisplayScale::px(16));
    for (size_t i = 0; i < examples.size(); ++i) {
        auto *example = new SampleText(examples[i].first, grid);
        example->setObjectName(QStringLiteral("пример%1").arg(i + 1));
        example->setWordWrap(false);
        example->setFont(arialFont(10));
        setFontStyle(example, examples[i].second);
        Colours::setTextColour(example, Qt::black);
        layout->addWidget(example, static_cast<int>(i / 4), static_cast<int>(i % 4));
    }
    addToFrame(view.explanations[0], grid);
}

void FontStyleName::drawTask(RandomSource &random)
{
    model_.draw(random);
    setFontStyle(sample_, model_.current().style);
}

bool FontStyleName::tokenBlank(Attempt attempt, int option) const
{
    // о1 logs both without the blank, о2 only its right answer.
    switch (attempt) {
    case Attempt::Correct: return option > 2;
    case Attempt::Wrong: return option > 1;
    case Attempt::GiveUp: return true;
    }
    return true;
}

} // namespace zorbiks
