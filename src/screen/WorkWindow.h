#pragma once

// The common frame of a work window (exercise, results and help screens): a
// fixed-size child of the stage over the main menu, with a title bar, its
// heading, exit icon and logo, a blue border of three lines, labels used as
// buttons in the bottom row, each with a rectangle drawn around it, and the
// off-screen key sink `Text1`.

#include "platform/ScreenMetrics.h"
#include "screen/Fonts.h"
#include "screen/Screen.h"
#include "screen/ScreenContext.h"
#include "screen/ScreenLayout.h"

#include <QLineF>

#include <array>

class QLabel;

namespace zorbiks {

class FilteredLineEdit;
class HoverLabel;
class Picture;

class WorkWindow : public Screen {
    Q_OBJECT
public:
    // The names of the screen's exit icon and logo differ between screens.
    WorkWindow(const ScreenContext &context, double widthTwips, const QString &exitIconName,
               const QString &logoName, QWidget *parent);

protected:
    // A bottom-row label with its rectangle, hidden or shown together.
    HoverLabel *addBottomLabel(const QString &name, const QString &text, const QString &toolTip);
    void setBottomLabelVisible(HoverLabel *label, bool visible);
    void placeBottomLabel(HoverLabel *label, const ScreenLayout::FramedLabel &place);
    // Bottom-row labels (and any other watched controls) back to their rest colour.
    virtual void restColours();

    // The frame's part of the layout input (the heading gets its font for
    // the current screen first), and the frame placed from the result.
    ScreenLayout::WorkWindowInput frameInput(double titleBarHeight);
    void applyFrame(const ScreenLayout::WorkWindowFrame &frame);
    ScreenMetrics metrics() const;

    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    ScreenContext context_;
    QWidget *titleBar_ = nullptr;
    QLabel *heading_ = nullptr;
    Picture *exitIcon_ = nullptr;
    Picture *logo_ = nullptr;
    FilteredLineEdit *keySink_ = nullptr; // `Text1`

private:
    QList<std::pair<HoverLabel *, QWidget *>> bottomLabels_;
    std::array<QLineF, 3> borders_{};
};

} // namespace zorbiks
