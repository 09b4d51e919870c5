#pragma once

// A table of bordered labels: spreadsheet fragments, code tables, truth
// tables, database fragments.

#include <QList>
#include <QWidget>

class QLabel;

namespace zorbiks {

class BorderedGrid : public QWidget {
    Q_OBJECT
public:
    // `texts` row by row; every cell gets the same size (pixels).
    BorderedGrid(const QList<QStringList> &texts, const QSize &cellSize, QWidget *parent = nullptr);

    QLabel *cell(int row, int column) const { return cells_[row][column]; }
    int rowCount() const { return static_cast<int>(cells_.size()); }
    int columnCount() const { return cells_.isEmpty() ? 0 : static_cast<int>(cells_[0].size()); }

private:
    QList<QList<QLabel *>> cells_;
};

} // namespace zorbiks
