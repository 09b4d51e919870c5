#include "tasks/infotech/SpreadsheetChart.h"

#include "drawing/BorderedGrid.h"
#include "drawing/GapLabel.h"
#include "drawing/NumberedFrames.h"
#include "drawing/Options.h"
#include "drawing/TaskText.h"
#include "screen/Fonts.h"
#include "screen/Pictures.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace zorbiks {

namespace {

ExerciseTraits spreadsheetChartTraits()
{
    return {.kind = ExerciseKind::Choice,
            .frame = {.headingName = QStringLiteral("Заголовок2"),
                      .taskSize = {10400, 3200},
                      .explanationCaptions = {QStringLiteral(" Пояснение 1"),
                                              QStringLiteral(" Пояснение 2")},
                      .explanationSizes = {{6300, 1250}, {9000, 650}}},
            .log = {.correctBlank = false, .wrongBlank = false},
            .choice = {.caption = QStringLiteral("Ответы"),
                       .size = {2700, 780},
                       .wrongHidesCompanion = true,
                       .hoverColour = Colours::optionBlue,
                       .restOpaque = true},
            .leaving = {.menuShowsPicture = QStringLiteral("логика")}};
}

const QColor barColour{255, 128, 128};

void paintBars(QPainter &painter, const QRectF &area, const QList<int> &values)
{
    const double units = 4;
    const QRectF plot = area.adjusted(area.width() * 0.1, area.height() * 0.04,
                                      -area.width() * 0.08, -area.height() * 0.08);
    const double unit = plot.width() / units;
    painter.setPen(QPen(QColor(170, 170, 170), 1));
    for (int i = 1; i < units; ++i)
        painter.drawLine(QPointF(plot.left() + i * unit, plot.top()),
                         QPointF(plot.left() + i * unit, plot.bottom()));
    const double pitch = plot.height() / values.size();
    painter.setPen(QPen(QColor(120, 40, 40), 1));
    painter.setBrush(barColour);
    for (qsizetype i = 0; i < values.size(); ++i)
        painter.drawRect(QRectF(plot.left(), plot.top() + i * pitch + pitch * 0.08,
                                values[i] * unit, pitch * 0.84));
    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

void paintPie(QPainter &painter, const QRectF &area, const QList<int> &values)
{
    const double side = std::min(area.width(), area.height()) * 0.84;
    const QRectF circle(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    int total = 0;
    for (int value : values)
        total += value;
    double start = 90 * 16;
    painter.setPen(QPen(QColor(255, 225, 225), 1.5));
    painter.setBrush(QColor(215, 30, 30));
    for (int value : values) {
        const double span = -360.0 * 16 * value / total;
        painter.drawPie(circle, static_cast<int>(start), static_cast<int>(span));
        start += span;
    }
}

} // namespace

const std::array<std::array<QString, 5>, 3> &SpreadsheetChartModel::fixedCells()
{
    static const std::array<std::array<QString, 5>, 3> cells = {{
        {QString(), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
         QStringLiteral("D")},
        {QStringLiteral("1"), QString(), QStringLiteral("3 "), QStringLiteral("4 "), QString()},
        {QStringLiteral("2"), QStringLiteral("=С1- В1"), QStringLiteral("=В1- А2*2"), QString(),
         QString()},
    }};
    return cells;
}

const std::array<SheetDataSet, 4> &SpreadsheetChartModel::dataSets()
{
    // "=С1/2" and "=В1+В2" are written with Cyrillic С and В.
    static const std::array<SheetDataSet, 4> sets = {{
        {QStringLiteral("=С1/2"), QStringLiteral("=A2+C2")},
        {QStringLiteral("=С1/2"), QStringLiteral("=В1+В2")},
        {QStringLiteral("=С1/2"), QStringLiteral("=A2+B2")},
        {QStringLiteral("=B1"), QStringLiteral("=C2")},
    }};
    return sets;
}

const std::array<ChartData, 4> &SpreadsheetChartModel::charts()
{
    static const std::array<ChartData, 4> charts = {{
        {false, {1, 1, 2, 3}},
        {true, {4, 2, 1, 1}},
        {false, {2, 2, 1, 1}},
        {true, {3, 3, 1, 1}},
    }};
    return charts;
}

SpreadsheetChart::SpreadsheetChart()
    : Exercise(spreadsheetChartTraits())
{}

void SpreadsheetChart::buildView(ExerciseView &view)
{
    const ScreenMetrics &m = view.metrics;
    addText(view.task, QStringLiteral("зад1"),
            QStringLiteral("   Дан фрагмент электронной таблицы. После выполнения вычислений "
                           "была построена диагоамма по значениям диапазона ячеек A2:D2. Укажите "
                           "получившуюся диаграмму."));

    // The spreadsheet fragment, and under it the four charts side by side,
    // large enough that one unit more or less is seen at a glance.
    QList<QStringList> texts;
    for (const auto &line : SpreadsheetChartModel::fixedCells())
        texts.append(QStringList(line.begin(), line.end()));
    auto *grid = new BorderedGrid(texts, m.px(QSizeF(1000, 330)), view.task);
    grid->setObjectName(QStringLiteral("Таблица"));
    const QString columns = QStringLiteral("ABCD");
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c) {
            QLabel *cell = grid->cell(r, c);
            if (r == 0 || c == 0) {
                Colours::setBackground(cell, QColor(225, 225, 225));
                cell->setObjectName(r == 0 ? QStringLiteral("Столбец") + columns.mid(c - 1, 1)
                                           : QStringLiteral("Строка%1").arg(r));
            } else {
                cell->setObjectName(columns.at(c - 1) + QString::number(r));
            }
        }
    }
    grid->cell(0, 0)->setObjectName(QStringLiteral("Угол"));
    c2_ = grid->cell(2, 3);
    d2_ = grid->cell(2, 4);
    addToFrame(view.task, grid);

    auto *charts = new QGroupBox(view.task);
    charts->setObjectName(QStringLiteral("Ответы1"));
    const QList<QGroupBox *> frames = addNumberedGroups(
        charts, m, QStringLiteral("Отв1"), 4, {2450, 1400}, 4, [](QGroupBox *frame, int i) {
            const ChartData data = SpreadsheetChartModel::charts()[static_cast<size_t>(i)];
            return new Picture(
                [data](QPainter &painter, const QRectF &area) {
                    if (data.pie)
                        paintPie(painter, area, data.values);
                    else
                        paintBars(painter, area, data.values);
                },
                QSize(10, 10), frame);
        });
    addToFrame(view.task, charts, Qt::AlignHCenter);

    OptionStyle style;
    style.size = {550, 450};
    view.setOptions(addOptions(view.answers, m, QStringLiteral("Отв"),
                               {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4")},
                               style),
                    frames);

    GapLabel *first = addText(
        view.explanations[0], QStringLiteral("Label9"),
        QStringLiteral("   Числовое значение ячейки автоматически подсчитывается по формуле, в "
                       "которую вместо адресов ячеек подставляются их числовые значения. "
                       "Например, если в ячейке А1 записано число 3, в ячейке В1 - число 2, в "
                       "ячейке С1 - формула =А1+ В1, то числовое значение в ячейке С1 будет "
                       "равно 3 + 2 = 5."));
    first->setFont(arialFont(8.25));
    addText(view.explanations[1], QStringLiteral("Label12"),
            QStringLiteral("   Диаграмма читается в любом направлении, например, на рис.1: 1, 1, "
                           "2, 3;  на рис.2: 1, 1, 2, 4; на рис.3: 1, 1, 2, 2; на рис.4: 1, 1, 3, "
                           "3."));
}

void SpreadsheetChart::drawTask(RandomSource &random)
{
    model_.draw(random);
    c2_->setText(model_.current().c2);
    d2_->setText(model_.current().d2);
}

} // namespace zorbiks
