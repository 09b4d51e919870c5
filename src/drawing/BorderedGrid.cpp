#include "drawing/BorderedGrid.h"

#include "screen/Colours.h"

#include <QLabel>

namespace zorbiks {

BorderedGrid::BorderedGrid(const QList<QStringList> &texts, const QSize &cellSize, QWidget *parent)
    : QWidget(parent)
{
    int columns = 0;
    for (qsizetype row = 0; row < texts.size(); ++row) {
        QList<QLabel *> line;
        for (qsizetype column = 0; column < texts[row].size(); ++column) {
            auto *label = new QLabel(texts[row][column], this);
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setAlignment(Qt::AlignCenter);
            Colours::setBackground(label, Qt::white);
            Colours::setTextColour(label, Qt::black);
            // Neighbouring cells share their border line.
            label->setGeometry(int(column) * (cellSize.width() - 1),
                               int(row) * (cellSize.height() - 1), cellSize.width(),
                               cellSize.height());
            line.append(label);
        }
        columns = std::max(columns, static_cast<int>(texts[row].size()));
        cells_.append(line);
    }
    setFixedSize(columns * (cellSize.width() - 1) + 1,
                 static_cast<int>(texts.size()) * (cellSize.height() - 1) + 1);
}

} // namespace zorbiks
