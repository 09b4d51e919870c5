#include "tasks/logic/RoadCosts.h"

#include "drawing/BorderedGrid.h"
#include "drawing/GapLabel.h"
#include "drawing/NumberedFrames.h"
#include "drawing/Options.h"
#include "drawing/TaskText.h"
#include "screen/Fonts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits roadCostsTraits()
{
    return {.kind = ExerciseKind::Choice,
            .frame = {.taskSize = {10400, 3300},
                      .explanationCaptions = {QStringLiteral(" Пояснение ")},
                      .explanationSizes = {{10400, 650}},
                      .keySinkLeft = -2000},
            .choice = {.size = {3000, 620},
                       .wrongHidesCompanion = true,
                       .hoverColour = Colours::optionBlue,
                       .restOpaque = true},
            .leaving = {.menuShowsPicture = QStringLiteral("логика")}};
}

int indexOf(QChar station)
{
    return static_cast<int>(RoadCostsModel::stations().indexOf(station));
}

SchemeStation at(char letter, double x, double y, double sideX, double sideY)
{
    return {QLatin1Char(letter), QPointF(x, y), QPointF(sideX, sideY)};
}

SchemeRoad road(char from, char to, int cost, QPointF costSide = {})
{
    return {QLatin1Char(from), QLatin1Char(to), cost, costSide};
}

} // namespace

const QString &RoadCostsModel::stations()
{
    static const QString letters = QStringLiteral("ABCDE");
    return letters;
}

const QList<StationCost> &RoadCostsModel::fixedCosts()
{
    static const QList<StationCost> costs = {{QLatin1Char('A'), QLatin1Char('B'), 1},
                                             {QLatin1Char('A'), QLatin1Char('C'), 4}};
    return costs;
}

const QList<std::pair<QChar, QChar>> &RoadCostsModel::writtenPairs()
{
    static const QList<std::pair<QChar, QChar>> pairs = {
        {QLatin1Char('A'), QLatin1Char('E')}, {QLatin1Char('B'), QLatin1Char('C')},
        {QLatin1Char('B'), QLatin1Char('D')}, {QLatin1Char('C'), QLatin1Char('D')},
        {QLatin1Char('C'), QLatin1Char('E')}, {QLatin1Char('D'), QLatin1Char('E')}};
    return pairs;
}

const std::array<QList<StationCost>, 4> &RoadCostsModel::variantCosts()
{
    auto cost = [](char from, char to, int value) {
        return StationCost{QLatin1Char(from), QLatin1Char(to), value};
    };
    static const std::array<QList<StationCost>, 4> costs = {{
        {cost('A', 'E', 2), cost('B', 'D', 3), cost('C', 'E', 1)},
        {cost('A', 'E', 1), cost('B', 'D', 3), cost('C', 'E', 2)},
        {cost('A', 'E', 1), cost('B', 'C', 2), cost('D', 'E', 3)},
        {cost('A', 'E', 1), cost('C', 'D', 3), cost('C', 'E', 2)},
    }};
    return costs;
}

const std::array<SchemeData, 4> &RoadCostsModel::schemes()
{
    static const std::array<SchemeData, 4> schemes = {{
        // 1: A in the middle, B and D on the left, C and E on the right.
        {{at('A', 0.45, 0.5, 0, 1), at('B', 0.05, 0.08, -1, 0), at('C', 0.95, 0.08, 1, 0),
          at('D', 0.05, 0.92, -1, 0), at('E', 0.95, 0.92, 1, 0)},
         {road('A', 'B', 1), road('A', 'C', 4), road('A', 'E', 2), road('B', 'D', 3),
          road('C', 'E', 1)}},
        // 2: the same roads drawn from A on the left.
        {{at('A', 0.05, 0.5, 0, -1), at('B', 0.45, 0.08, 0, -1), at('C', 0.45, 0.92, 0, 1),
          at('D', 0.95, 0.08, 0, -1), at('E', 0.95, 0.75, 1, 0)},
         {road('A', 'B', 1), road('A', 'C', 4), road('A', 'E', 1), road('B', 'D', 3),
          road('C', 'E', 2)}},
        // 3: the triangle A, B, C and the path A, E, D.
        {{at('A', 0.45, 0.08, 0, -1), at('B', 0.05, 0.5, -1, 0), at('C', 0.45, 0.92, 0, 1),
          at('D', 0.95, 0.92, 0, 1), at('E', 0.95, 0.35, 1, 0)},
         {road('A', 'B', 1), road('A', 'C', 4), road('A', 'E', 1), road('B', 'C', 2),
          road('D', 'E', 3)}},
        // 4: B, A, C and D on one straight line, E below A and C.
        {{at('B', 0.02, 0.3, 0, -1), at('A', 0.34, 0.3, 0, -1), at('C', 0.66, 0.3, 0, -1),
          at('D', 0.98, 0.3, 0, -1), at('E', 0.5, 0.95, 0, 1)},
         {road('A', 'B', 1, {0, 1}), road('A', 'C', 4, {0, 1}), road('A', 'E', 1),
          road('C', 'D', 3, {0, 1}), road('C', 'E', 2)}},
    }};
    return schemes;
}

CostTable RoadCostsModel::table(int variant)
{
    CostTable table{};
    auto write = [&table](const StationCost &cost) {
        const QString text = QString::number(cost.cost);
        table[static_cast<size_t>(indexOf(cost.from))][static_cast<size_t>(indexOf(cost.to))] =
            text;
        table[static_cast<size_t>(indexOf(cost.to))][static_cast<size_t>(indexOf(cost.from))] =
            text;
    };
    for (const StationCost &cost : fixedCosts())
        write(cost);
    for (const StationCost &cost : variantCosts()[static_cast<size_t>(variant - 1)])
        write(cost);
    return table;
}

RoadCosts::RoadCosts()
    : Exercise(roadCostsTraits())
{}

QLabel *RoadCosts::cell(QChar from, QChar to) const
{
    return cells_[static_cast<size_t>(indexOf(from))][static_cast<size_t>(indexOf(to))];
}

void RoadCosts::buildView(ExerciseView &view)
{
    const ScreenMetrics &m = view.metrics;
    addText(view.task, QStringLiteral("зад1"),
            QStringLiteral(
                "В таблице приведена стоимость перевозок между пятью железнодорожными станциями, "
                "обозначенных буквами A, B, C, D и E. Укажите схему, соответствующую таблице."));

    auto *row = new QWidget(view.task);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);

    // The cost table: an empty corner, the stations along both edges.
    const QString &letters = RoadCostsModel::stations();
    QList<QStringList> texts{{QString()}};
    for (QChar letter : letters)
        texts[0].append(letter);
    for (QChar letter : letters)
        texts.append({QString(letter), QString(), QString(), QString(), QString(), QString()});
    auto *grid = new BorderedGrid(texts, m.px(QSizeF(340, 330)), row);
    grid->setObjectName(QStringLiteral("Таблица"));
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c) {
            QLabel *label = grid->cell(r, c);
            QFont font = label->font();
            font.setBold(r == 0 || c == 0);
            label->setFont(font);
            if (r == 0 || c == 0) {
                Colours::setBackground(label, QColor(225, 225, 225));
                continue;
            }
            label->setObjectName(QString(letters.at(r - 1)) + letters.at(c - 1));
            cells_[static_cast<size_t>(r - 1)][static_cast<size_t>(c - 1)] = label;
        }
    }
    grid->cell(0, 0)->setObjectName(QStringLiteral("Угол"));
    for (const StationCost &cost : RoadCostsModel::fixedCosts()) {
        cell(cost.from, cost.to)->setText(QString::number(cost.cost));
        cell(cost.to, cost.from)->setText(QString::number(cost.cost));
    }
    rowLayout->addWidget(grid, 0, Qt::AlignVCenter);
    rowLayout->addSpacing(m.px(120));

    auto *schemes = new QGroupBox(row);
    schemes->setObjectName(QStringLiteral("Ответы1"));
    const QList<QGroupBox *> frames = addNumberedGroups(
        schemes, m, QStringLiteral("Отв1"), 4, {1850, 2500}, 4, [](QGroupBox *frame, int i) {
            frame->setFont(arialFont(9, true));
            auto *scheme = new RoadScheme(RoadCostsModel::schemes()[static_cast<size_t>(i)], frame);
            scheme->setObjectName(QStringLiteral("Схема%1").arg(i + 1));
            scheme->setFont(arialFont(9));
            return scheme;
        });
    rowLayout->addWidget(schemes, 0, Qt::AlignVCenter);
    rowLayout->addStretch(1);
    addToFrame(view.task, row);

    OptionStyle style;
    style.size = {550, 450};
    view.setOptions(addOptions(view.answers, m, QStringLiteral("Отв"),
                               {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4")},
                               style),
                    frames);

    addText(view.explanations[0], QStringLiteral("Label9"),
            QStringLiteral(
                "   Задача решается простым перебором вариантов. Примечание: стоимость проезда в "
                "таблице находится на пересечении соответствующих столбца и строки."));
}

void RoadCosts::drawTask(RandomSource &random)
{
    model_.draw(random);
    for (const auto &[from, to] : RoadCostsModel::writtenPairs()) {
        cell(from, to)->clear();
        cell(to, from)->clear();
    }
    for (const StationCost &cost : RoadCostsModel::variantCosts()[size_t(model_.variant() - 1)]) {
        cell(cost.from, cost.to)->setText(QString::number(cost.cost));
        cell(cost.to, cost.from)->setText(QString::number(cost.cost));
    }
}

} // namespace zorbiks
