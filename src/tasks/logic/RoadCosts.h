#pragma once

// Л3. Which drawn scheme of roads between five stations matches a table of
// transport costs.

#include "drawing/RoadScheme.h"
#include "exercise/Exercise.h"
#include "exercise/VariantBag.h"

#include <array>

class QLabel;

namespace zorbiks {

// A cost between two stations (Latin capitals A … E).
struct StationCost {
    QChar from;
    QChar to;
    int cost;
};

// The cost table as shown: row and column 0 … 4 are the stations A … E;
// an empty text means the two are not joined.
using CostTable = std::array<std::array<QString, 5>, 5>;

class RoadCostsModel {
public:
    static const QString &stations(); // "ABCDE"
    // The two fixed costs (A–B, A–C) and the six station pairs whose cells
    // the draw writes.
    static const QList<StationCost> &fixedCosts();
    static const QList<std::pair<QChar, QChar>> &writtenPairs();
    // The costs each variant writes (variant k matches scheme k).
    static const std::array<QList<StationCost>, 4> &variantCosts();
    // The four schemes as drawn.
    static const std::array<SchemeData, 4> &schemes();

    static CostTable table(int variant);

    void draw(RandomSource &random) { variant_ = bag_.draw(random); }
    int variant() const { return variant_; }

private:
    VariantBag bag_{4};
    int variant_ = 1;
};

class RoadCosts final : public Exercise {
public:
    RoadCosts();

    void buildView(ExerciseView &view) override;
    void drawTask(RandomSource &random) override;
    int correctOption() const override { return model_.variant(); }

    const RoadCostsModel &model() const { return model_; }

private:
    QLabel *cell(QChar from, QChar to) const;

    RoadCostsModel model_;
    std::array<std::array<QLabel *, 5>, 5> cells_{};
};

} // namespace zorbiks
