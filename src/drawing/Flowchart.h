#pragma once

// Flowcharts drawn by the program itself: process rectangles, decision
// diamonds, connecting lines with arrow heads, captions beside the lines
// ("да", "нет") and the line that leads from a loop's body back above its
// decision. The scheme is laid out in design units (twips at the designed
// size); the widget scales it uniformly to its own size, lines, arrow heads
// and texts together, so it stays crisp at any size.

#include <QLabel>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QWidget>

namespace zorbiks {

// A text broken into lines at every run of two or more blanks, each line
// centred: the statements of a flowchart box ("  b := 0        c := 0" shows
// as two lines). text() is the text exactly as given.
class BlockText : public QLabel {
    Q_OBJECT
public:
    explicit BlockText(const QString &text = {}, QWidget *parent = nullptr);

    // The lines the text is shown in.
    static QStringList linesOf(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
};

class Flowchart : public QWidget {
    Q_OBJECT
public:
    // `designSize`: the extent of the scheme in design units; `pointSize`:
    // the size of its texts when the widget has the design size in pixels
    // scaled by `unitsPerPixel`.
    Flowchart(const QSizeF &designSize, double unitsPerPixel, double pointSize,
              QWidget *parent = nullptr);

    // A rectangle with its statements centred inside.
    BlockText *addBox(const QRectF &rect, const QString &name, const QString &text = {});
    // A diamond whose corners are the middles of the sides of `rect`, with
    // its condition centred inside.
    BlockText *addDecision(const QRectF &rect, const QString &name, const QString &text = {});
    // A line through the points, with an arrow head at the last one when
    // `arrow` is set.
    void addLine(const QList<QPointF> &points, bool arrow = false);
    // A caption centred on `centre`.
    QLabel *addCaption(const QPointF &centre, const QString &name, const QString &text);
    // The loop back: from the middle of the bottom of `body` down by `drop`,
    // left to `leftX`, up and right again to `join`, ending in an arrow head.
    void addLoopBack(const QRectF &body, double drop, double leftX, const QPointF &join);

    // Where a design point lies in the widget at its current size.
    QPointF toWidget(const QPointF &point) const;
    QRectF toWidget(const QRectF &rect) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Shape { Box, Diamond };
    struct Block {
        Shape shape;
        QRectF rect;
        BlockText *text;
    };
    struct Line {
        QList<QPointF> points;
        bool arrow;
    };
    struct Caption {
        QPointF centre;
        QLabel *label;
    };

    double scale() const;
    void placeTexts();

    QSizeF designSize_;
    double unitsPerPixel_;
    double pointSize_;
    QList<Block> blocks_;
    QList<Line> lines_;
    QList<Caption> captions_;
};

// The names and texts of a loop that tests its condition before each pass:
// the starting statements, the condition (the loop ends when it holds, by
// the "да" branch) and the body (the "нет" branch), which leads back above
// the condition.
struct LoopChartParts {
    QString startName;
    QString startText;
    QString conditionName;
    QString bodyName;
    QString yesName; // caption "да" of the exit
    QString noName;  // caption "нет" of the way into the body
};

// A flowchart of that loop, sized for `unitsPerPixel` (twips per pixel).
Flowchart *makeLoopChart(const LoopChartParts &parts, double unitsPerPixel,
                         QWidget *parent = nullptr);

} // namespace zorbiks
