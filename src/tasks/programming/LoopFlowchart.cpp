#include "tasks/programming/LoopFlowchart.h"

#include "drawing/BorderedGrid.h"
#include "drawing/Flowchart.h"
#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "drawing/TextLayout.h"
#include "exercise/KeyFilters.h"
#include "exercise/NumericPrefix.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits loopFlowchartTraits()
{
    return {.frame = {.taskSize = {10400, 3850}, .explanationSizes = {{10400, 1850}}},
            .lists = {.giveUpLeadingBlank = true}};
}

} // namespace

const std::array<LoopVariant, 6> &LoopFlowchartModel::variants()
{
    static const std::array<LoopVariant, 6> table = {{
        {QStringLiteral("b=11"),
         QStringLiteral("    c := c + b          b := b + 1"),
         11,
         {0, 1, 2, 3, 4, 5},
         {0, 0, 1, 3, 6, 10},
         55},
        {QStringLiteral("b=10"),
         QStringLiteral("    c := c + b          b := b + 1"),
         10,
         {0, 1, 2, 3, 4, 5},
         {0, 0, 1, 3, 6, 10},
         45},
        {QStringLiteral("b=16"),
         QStringLiteral("    c := c + b          b := b + 2"),
         16,
         {0, 2, 4, 6, 8, 10},
         {0, 0, 2, 6, 12, 20},
         56},
        {QStringLiteral("b=9"),
         QStringLiteral("    b := b + 1          c := c + b"),
         9,
         {0, 1, 2, 3, 4, 5},
         {0, 1, 3, 6, 10, 15},
         45},
        {QStringLiteral("b=12"),
         QStringLiteral("    b := b + 1          c := c + b"),
         12,
         {0, 1, 2, 3, 4, 5},
         {0, 1, 3, 6, 10, 15},
         78},
        {QStringLiteral("b=21"),
         QStringLiteral("    c := c + b          b := b + 3"),
         21,
         {0, 3, 6, 9, 12, 15},
         {0, 0, 3, 9, 18, 30},
         63},
    }};
    return table;
}

bool LoopFlowchartModel::isCorrect(const QString &answer) const
{
    // The number as typed, however long: no 16-bit wrap-around makes
    // 55 + 65536 equal 55.
    return numericPrefix(answer) == current().answer;
}

KeyVerdict LoopFlowchartModel::filter(ushort code)
{
    return KeyFilters::digitsOnly(code);
}

LoopFlowchart::LoopFlowchart()
    : Exercise(loopFlowchartTraits())
{}

void LoopFlowchart::buildView(ExerciseView &view)
{
    const ScreenMetrics &m = view.metrics;
    addText(view.task, QStringLiteral("Label1"),
            QStringLiteral("   П2. Определите значение переменной с после выполнения фрагмента "
                           "алгоритма, записанного в виде блок-схемы:"));

    LoopChartParts parts;
    parts.startName = QStringLiteral("Label2");
    parts.startText = QStringLiteral("       b := 0                c := 0");
    parts.conditionName = QStringLiteral("зад2");
    parts.bodyName = QStringLiteral("зад3");
    parts.yesName = QStringLiteral("Label10");
    parts.noName = QStringLiteral("Label9");
    Flowchart *chart = makeLoopChart(parts, m.twipsPerPixel(), view.task);
    chart->setObjectName(QStringLiteral("Блоксхема"));
    chart->setFixedSize(chart->sizeHint());
    Colours::setTextColour(chart, Qt::black);
    condition_ = chart->findChild<QLabel *>(parts.conditionName);
    body_ = chart->findChild<QLabel *>(parts.bodyName);
    Colours::setTextColour(condition_, Colours::valueRed);
    Colours::setTextColour(body_, Colours::valueRed);
    addToFrame(view.task, chart, Qt::AlignHCenter);

    addText(view.task, QStringLiteral("Label11"),
            QStringLiteral("Примечание: знаком := обозначена операция присваивания.\r\n"
                           "В ответе укажите одно число — значение переменной с."));

    // The explanation: the limit over the gap at the end of the sentence
    // (a run of blanks gives it room), then the trace of the first passes.
    QGroupBox *frame = view.explanations[0];
    GapLabel *explanation =
        addText(frame, QStringLiteral("Label5"),
                QStringLiteral("   Данный алгоритм циклический и выполняется до тех "
                               "пор, пока переменная b не станет равной ") +
                    QString(8, QLatin1Char(' ')));
    limit_ =
        addValue(explanation, QStringLiteral("пояс1"), QStringLiteral("равной"), 0, Colours::red);
    Colours::setBackground(limit_, Colours::green);
    explanation->setValues(limit_, textsOf(LoopFlowchartModel::variants(), &LoopVariant::limit));

    auto *table = new QWidget(frame);
    table->setObjectName(QStringLiteral("Трасса"));
    auto *heads = new BorderedGrid(
        {{QStringLiteral("№ иттерации")}, {QStringLiteral("b")}, {QStringLiteral("c")}},
        m.px(QSizeF(1500, 300)), table);
    QList<QStringList> cells(3, QStringList(7, QString()));
    for (int pass = 1; pass <= 6; ++pass)
        cells[0][pass - 1] = QString::number(pass);
    for (QStringList &row : cells)
        row[6] = QStringLiteral("...");
    trace_ = new BorderedGrid(cells, m.px(QSizeF(600, 300)), table);
    trace_->setObjectName(QStringLiteral("Таблица"));
    // The two grids share the border line between them.
    trace_->move(heads->width() - 1, 0);
    table->setFixedSize(heads->width() + trace_->width() - 1, heads->height());
    addToFrame(frame, table, Qt::AlignHCenter);

    addText(frame, QStringLiteral("Label36"),
            QStringLiteral("                                                   Продолжите "
                           "таблицу самостоятельно."));
}

void LoopFlowchart::drawTask(RandomSource &random)
{
    model_.draw(random);
    const LoopVariant &v = model_.current();
    condition_->setText(v.condition);
    body_->setText(v.body);
    limit_->setText(QString::number(v.limit));
    for (int pass = 0; pass < 6; ++pass) {
        trace_->cell(1, pass)->setText(QString::number(v.b[static_cast<size_t>(pass)]));
        trace_->cell(2, pass)->setText(QString::number(v.c[static_cast<size_t>(pass)]));
    }
}

} // namespace zorbiks
