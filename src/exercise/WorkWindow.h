#pragma once

// The common frame of a work window (exercise, results and help screens): a
// fixed-size child of the stage over the main menu, with a title bar, its
// heading, a blue border of three lines, and labels used as buttons in the
// bottom row, each with a rectangle drawn around it.

#include "exercise/Fonts.h"
#include "exercise/Screen.h"
#include "exercise/ScreenContext.h"

#include <QLineF>

#include <array>

class QLabel;

namespace zorbiks {

class HoverLabel;

class WorkWindow : public Screen {
    Q_OBJECT
public:
    WorkWindow(const ScreenContext &context, double widthTwips, QWidget *parent);

protected:
    // A bottom-row label with its rectangle, hidden or shown together.
    HoverLabel *addBottomLabel(const QString &name, const QString &text, const QString &toolTip);
    void setBottomLabelVisible(HoverLabel *label, bool visible);
    void placeBottomLabel(HoverLabel *label, const QRectF &labelTwips, const QRectF &frameTwips);
    // Bottom-row labels (and any other watched controls) back to their rest colour.
    virtual void restColours();

    void setHeadingPointSize(double points);
    void setBorders(const std::array<QLineF, 3> &borders);

    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    ScreenContext context_;
    QWidget *titleBar_ = nullptr;
    QLabel *heading_ = nullptr;

private:
    QList<std::pair<HoverLabel *, QWidget *>> bottomLabels_;
    std::array<QLineF, 3> borders_{};
};

} // namespace zorbiks
