#include "tasks/infotech/ParagraphAlignment.h"

#include "drawing/Options.h"
#include "drawing/SampleText.h"
#include "drawing/TaskText.h"
#include "screen/Fonts.h"

#include <QGridLayout>
#include <QGroupBox>

#include <algorithm>

namespace zorbiks {

namespace {

ExerciseTraits paragraphAlignmentTraits()
{
    return {.kind = ExerciseKind::Choice,
            .frame = {.taskSize = {10400, 1800}, .explanationSizes = {{10400, 1500}}},
            .choice = {.caption = QStringLiteral("Ответы"),
                       .size = {3400, 1850},
                       .hoverColour = Colours::optionBlue,
                       .restOpaque = true,
                       .hoverRestsOthers = true},
            .leaving = {.menuShowsPicture = QStringLiteral("инфор")}};
}

// A box of black text on white with a thin border.
SampleText *makeBox(const QString &name, const QString &text, QWidget *parent)
{
    auto *box = new SampleText(text, parent);
    box->setObjectName(name);
    box->setFont(arialFont(9.75));
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setContentsMargins(DisplayScale::margins(4, 3, 4, 3));
    Colours::setBackground(box, Qt::white);
    Colours::setTextColour(box, Qt::black);
    return box;
}

} // namespace

const std::array<AlignmentDataSet, 4> &ParagraphAlignmentModel::dataSets()
{
    // The padded paragraph is justified too, so that its lines end flush
    // with the box whatever the font's widths.
    static const std::array<AlignmentDataSet, 4> sets = {{
        {false, Qt::AlignLeft},
        {false, Qt::AlignHCenter},
        {false, Qt::AlignRight},
        {true, Qt::AlignJustify},
    }};
    return sets;
}

ParagraphAlignment::ParagraphAlignment()
    : Exercise(paragraphAlignmentTraits())
{}

void ParagraphAlignment::buildView(ExerciseView &view)
{
    const ScreenMetrics &m = view.metrics;
    addText(view.task, QStringLiteral("зад1"),
            QStringLiteral("  И7. Определите тип выравнивания данного текста:"));

    // The two samples take the same place; the draw shows one of them.
    auto *place = new QWidget(view.task);
    place->setFixedSize(m.px(QSizeF(7400, 1150)));
    auto *stack = new QGridLayout(place);
    stack->setContentsMargins(0, 0, 0, 0);
    plain_ = makeBox(QStringLiteral("зад2"),
                     QStringLiteral("   Важнейшей характеристикой, определяющей быстродействие "
                                    "процессора, является тактовая частота, то есть количество "
                                    "тактов в секунду.Такт - это промежуток  времени  между "
                                    "началами двух последовательных импульсов."),
                     place);
    padded_ = makeBox(
        QStringLiteral("зад3"),
        QStringLiteral("   Важнейшей         характеристикой,       определяющей быстродействие "
                       "процессора, является тактовая  частота, то   есть    количество     "
                       "тактов   в    секунду.  Такт - это промежуток      времени       между    "
                       "началами       двух последовательных импульсов."),
        place);
    for (SampleText *sample : {plain_, padded_}) {
        stack->addWidget(sample, 0, 0);
        sample->hide();
    }
    addToFrame(view.task, place, Qt::AlignHCenter);

    OptionStyle style;
    style.size = {3000, 390};
    style.pointSize = 10;
    view.setOptions(
        addOptions(view.answers, m, QStringLiteral("о"),
                   {QStringLiteral("  По левому краю  "), QStringLiteral("  По середине  "),
                    QStringLiteral("  По правому краю  "), QStringLiteral("  По ширине  ")},
                   style, Qt::Vertical));

    // One line in each of four boxes of the width of the widest.
    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("  Примеры различных типов выравнивания текста:"));
    const std::array<std::pair<QString, Qt::Alignment>, 4> examples = {{
        {QStringLiteral(" Выравнивание текста по левому краю"), Qt::AlignLeft},
        {QStringLiteral("Выравнивание текста по середине "), Qt::AlignHCenter},
        {QStringLiteral("Выравнивание текста по правому краю "), Qt::AlignRight},
        {QStringLiteral(" Выравнивание        текста       по           ширине"), Qt::AlignLeft},
    }};
    auto *grid = new QWidget(view.explanations[0]);
    auto *layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(DisplayScale::px(6));
    QList<SampleText *> boxes;
    int width = 0;
    for (size_t i = 0; i < examples.size(); ++i) {
        SampleText *box = makeBox(QStringLiteral("пример%1").arg(i + 1), examples[i].first, grid);
        box->setWordWrap(false);
        box->setAlignment(examples[i].second);
        width = std::max(width, box->sizeHint().width());
        layout->addWidget(box, static_cast<int>(i / 2), static_cast<int>(i % 2));
        boxes.append(box);
    }
    for (SampleText *box : boxes)
        box->setFixedWidth(width);
    addToFrame(view.explanations[0], grid, Qt::AlignHCenter);
}

void ParagraphAlignment::drawTask(RandomSource &random)
{
    model_.draw(random);
    const AlignmentDataSet &set = model_.current();
    SampleText *shown = set.padded ? padded_ : plain_;
    shown->setAlignment(set.alignment);
    padded_->setVisible(set.padded);
    plain_->setVisible(!set.padded);
}

} // namespace zorbiks
