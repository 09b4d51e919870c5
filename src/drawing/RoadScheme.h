#pragma once

// A drawn scheme of stations joined by roads: a small circle and a letter
// for every station, a line for every road and its cost beside the line.
// Stations are placed in fractions of the drawing area, so the scheme keeps
// its shape at any size.

#include <QList>
#include <QPointF>
#include <QWidget>

namespace zorbiks {

struct SchemeStation {
    QChar letter;
    QPointF position;  // 0..1 of the area's width and height
    QPointF labelSide; // direction from the circle to its letter, e.g. (-1, 0) left
};

struct SchemeRoad {
    QChar from;
    QChar to;
    int cost;
    // Direction from the line's middle to its cost; (0, 0): away from the
    // middle of the scheme.
    QPointF costSide{};
};

struct SchemeData {
    QList<SchemeStation> stations;
    QList<SchemeRoad> roads;
};

class RoadScheme : public QWidget {
    Q_OBJECT
public:
    explicit RoadScheme(SchemeData data, QWidget *parent = nullptr);

    // The centre of a station's circle in widget coordinates.
    QPointF stationCentre(QChar letter) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF drawingArea() const;

    SchemeData data_;
};

} // namespace zorbiks
