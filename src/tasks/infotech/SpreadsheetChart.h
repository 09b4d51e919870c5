#pragma once

// И1. Which chart shows the values of the spreadsheet row A2:D2.

#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {

// A chart of one option: horizontal bars (top to bottom) or a pie.
struct ChartData {
    bool pie = false;
    QList<int> values;
};

struct SheetDataSet {
    QString c2; // the formula texts of the two cells the draw writes
    QString d2;
};

class SpreadsheetChartModel {
public:
    // The fixed cells, as shown: the row of column letters, row 1 and the
    // first two formulas of row 2 (Cyrillic look-alike letters where the
    // sheet has them).
    static const std::array<std::array<QString, 5>, 3> &fixedCells();
    static const std::array<SheetDataSet, 4> &dataSets();
    // The chart of each option (option k shows chart k).
    static const std::array<ChartData, 4> &charts();

    void draw(RandomSource &random) { dataSet_ = bag_.draw(random); }
    int dataSet() const { return dataSet_; }
    const SheetDataSet &current() const { return dataSets()[static_cast<size_t>(dataSet_ - 1)]; }

private:
    VariantBag bag_{4};
    int dataSet_ = 1;
};

class SpreadsheetChart final : public Exercise {
public:
    SpreadsheetChart();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    int correctOption() const override { return model_.dataSet(); }

    const SpreadsheetChartModel &model() const { return model_; }

private:
    SpreadsheetChartModel model_;
    QLabel *c2_ = nullptr;
    QLabel *d2_ = nullptr;
};

} // namespace zorbiks
