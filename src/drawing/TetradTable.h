#pragma once

// The table of the sixteen tetrads and their hexadecimal digits that the
// binary-hexadecimal explanations show: two rows of bordered, centred cells,
// a wide header cell and sixteen narrow ones,
//   " Двоичные числа "        | 0000 | 0001 | … | 1111
//   "Шестнадцатеричные числа" |  0   |  1   | … |  F

#include <QWidget>

class QLabel;

namespace zorbiks {

class BorderedGrid;

class TetradTable : public QWidget {
    Q_OBJECT
public:
    // The cells take the font the table has when it is made.
    explicit TetradTable(const QFont &font, QWidget *parent = nullptr);

    // row 0 or 1; column 0 is the header, 1 … 16 the tetrads.
    QLabel *cell(int row, int column) const;

    static QStringList rowTexts(int row);

private:
    BorderedGrid *headers_;
    BorderedGrid *tetrads_;
};

} // namespace zorbiks
