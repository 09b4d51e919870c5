#include "drawing/TetradTable.h"

#include "drawing/BorderedGrid.h"
#include "drawing/TextLayout.h"

#include <QFontMetrics>
#include <QLabel>

namespace zorbiks {

QStringList TetradTable::rowTexts(int row)
{
    QStringList texts{row == 0 ? QStringLiteral(" Двоичные числа ")
                               : QStringLiteral("Шестнадцатеричные числа")};
    for (int value = 0; value < 16; ++value)
        texts.append(row == 0 ? QStringLiteral("%1").arg(value, 4, 2, QLatin1Char('0'))
                              : QString::number(value, 16).toUpper());
    return texts;
}

TetradTable::TetradTable(const QFont &font, QWidget *parent)
    : QWidget(parent)
{
    setFont(font);
    const QStringList top = rowTexts(0);
    const QStringList bottom = rowTexts(1);
    const int height = QFontMetrics(font).height() + 6;
    const int headerWidth = qRound(widestText({top.first(), bottom.first()}, font)) + 10;
    const int tetradWidth = qRound(widestText(top.mid(1) + bottom.mid(1), font)) + 9;
    headers_ =
        new BorderedGrid({{top.first()}, {bottom.first()}}, QSize(headerWidth, height), this);
    tetrads_ = new BorderedGrid({top.mid(1), bottom.mid(1)}, QSize(tetradWidth, height), this);
    headers_->setObjectName(QStringLiteral("Заголовки"));
    tetrads_->setObjectName(QStringLiteral("Тетрады"));
    // The two grids share the border between the header and the first tetrad.
    headers_->move(0, 0);
    tetrads_->move(headers_->width() - 1, 0);
    setFixedSize(tetrads_->x() + tetrads_->width(), headers_->height());
}

QLabel *TetradTable::cell(int row, int column) const
{
    return column == 0 ? headers_->cell(row, 0) : tetrads_->cell(row, column - 1);
}

} // namespace zorbiks
