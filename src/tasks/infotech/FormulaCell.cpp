#include "tasks/infotech/FormulaCell.h"

#include "drawing/BorderedGrid.h"
#include "drawing/TaskText.h"
#include "exercise/KeyFilters.h"
#include "exercise/NumericPrefix.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits formulaCellTraits()
{
    return {.frame = {.taskSize = {10400, 2300}, .explanationSizes = {{10400, 800}}},
            .log = {.correctBlank = false, .wrongBlank = false},
            .lists = {.repeatLeadingBlank = true},
            .typed = {.focusKeySinkAfterCorrect = false, .ctrlAltToResults = true}};
}

} // namespace

const std::array<FormulaDataSet, 6> &FormulaCellModel::dataSets()
{
    static const std::array<FormulaDataSet, 6> sets = {{
        {{"4", "=2*A1", "6", "=A2+B1", "=A2+B2", "=C1*2+B2"}, 58},
        {{"3", "=2*A1", "7", "=A2+B1", "=A2+B2", "=C1*2+B2"}, 51},
        {{"=2*A2", "5", "6", "=A1-B1", "=A1+B2", "=C1*3+B2"}, 46},
        {{"8", "=3*A1", "9", "=A2+B1", "=A2+B2", "=C1*2-B2"}, 81},
        {{"2", "=4*A1", "3", "=A2+B1", "=A2+B2", "=C1*2+B2"}, 49},
        {{"4", "=2*A1", "=A2+B2", "9", "=A2+B1", "=C1*2+B2"}, 59},
    }};
    return sets;
}

const std::array<QString, 6> &FormulaCellModel::addresses()
{
    static const std::array<QString, 6> names = {"A1", "A2", "B1", "B2", "C1", "C2"};
    return names;
}

bool FormulaCellModel::isCorrect(const QString &answer) const
{
    return numericPrefix(answer) == current().answer;
}

KeyVerdict FormulaCellModel::filter(ushort code)
{
    return KeyFilters::digitsOnly(code);
}

FormulaCell::FormulaCell()
    : Exercise(formulaCellTraits())
{}

void FormulaCell::buildView(ExerciseView &view)
{
    const ScreenMetrics &m = view.metrics;
    addText(view.task, QStringLiteral("Label1"),
            QStringLiteral("   И2. Дан фрагмент электронной таблицы:"));

    // The column letter А is a Cyrillic capital, as the sheet shows it.
    auto *grid = new BorderedGrid(
        {{QString(), QStringLiteral("А"), QStringLiteral("B"), QStringLiteral("C")},
         {QStringLiteral("1"), {}, {}, {}},
         {QStringLiteral("2"), {}, {}, {}}},
        m.px(QSizeF(1500, 330)), view.task);
    grid->setObjectName(QStringLiteral("Таблица"));
    grid->cell(0, 0)->setObjectName(QStringLiteral("Угол"));
    for (int c = 1; c <= 3; ++c) {
        grid->cell(0, c)->setObjectName(QStringLiteral("Столбец%1").arg(c));
        Colours::setBackground(grid->cell(0, c), QColor(225, 225, 225));
    }
    for (int r = 1; r <= 2; ++r) {
        grid->cell(r, 0)->setObjectName(QStringLiteral("Строка%1").arg(r));
        Colours::setBackground(grid->cell(r, 0), QColor(225, 225, 225));
    }
    Colours::setBackground(grid->cell(0, 0), QColor(225, 225, 225));
    for (size_t i = 0; i < cells_.size(); ++i) {
        // A1 A2 B1 B2 C1 C2: column i / 2, row i % 2.
        QLabel *cell = grid->cell(int(i % 2) + 1, int(i / 2) + 1);
        cell->setObjectName(FormulaCellModel::addresses()[i]);
        cells_[i] = cell;
    }
    addToFrame(view.task, grid, Qt::AlignHCenter);

    // The run of blanks is meant to push the second sentence onto a line of
    // its own; the line break makes sure of it whatever the font's widths.
    addText(view.task, QStringLiteral("Label2"),
            QStringLiteral("   Определите значение, записанное в ячейке С2.") + QString(94, ' ') +
                QStringLiteral("\nВ ответе укажите одно число — искомое значение."));

    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("   Числовое значение ячейки автоматически подсчитывается по формуле, в "
                           "которую вместо адресов ячеек подставляются их числовые значения. "
                           "Например, если в ячейке А1 записано число 3, в ячейке В1 - число 2, в "
                           "ячейке С1 - формула =А1+ В1, то числовое значение в ячейке С1 будет "
                           "равно 3 + 2 = 5."));
}

void FormulaCell::drawTask(RandomSource &random)
{
    model_.draw(random);
    for (size_t i = 0; i < cells_.size(); ++i)
        cells_[i]->setText(model_.current().cells[i]);
}

} // namespace zorbiks
