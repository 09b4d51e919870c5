#include "exercise/WorkWindow.h"

#include "exercise/Colours.h"
#include "exercise/HoverLabel.h"
#include "exercise/Navigator.h"
#include "exercise/ScreenLayout.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>

namespace zorbiks {

WorkWindow::WorkWindow(const ScreenContext &context, double widthTwips, QWidget *parent)
    : Screen(parent)
    , context_(context)
{
    setMouseTracking(true);
    setFont(arialFont(9.75));
    Colours::setBackground(this, Colours::windowBackground);
    const ScreenMetrics m = context_.navigator.metrics();
    resize(m.px(QSizeF(widthTwips, ScreenLayout::workWindowHeight)));

    titleBar_ = new QWidget(this);
    titleBar_->setObjectName(QStringLiteral("Шапка"));
    Colours::setBackground(titleBar_, Colours::titleBlue);
    titleBar_->resize(width(), m.px(360.0));

    heading_ = new QLabel(this);
    Colours::setTextColour(heading_, Qt::white);
}

HoverLabel *WorkWindow::addBottomLabel(const QString &name, const QString &text,
                                       const QString &toolTip)
{
    auto *label = new HoverLabel(text, this);
    label->setObjectName(name);
    label->setToolTip(toolTip);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(3);
    Colours::setTextColour(label, Colours::darkBlue);
    Colours::setBackground(label, Colours::lightYellow, false);
    label->adjustSize();

    auto *shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("Shape%1").arg(bottomLabels_.size() + 1));
    shape->setFrameShape(QFrame::Box);
    Colours::setTextColour(shape, Colours::titleBlue);
    shape->stackUnder(label);
    bottomLabels_.append({label, shape});
    connect(label, &HoverLabel::hovered, label,
            [label] { Colours::setBackground(label, Colours::lightBlue); });
    return label;
}

void WorkWindow::setBottomLabelVisible(HoverLabel *label, bool visible)
{
    for (auto &[bottomLabel, shape] : bottomLabels_) {
        if (bottomLabel == label) {
            label->setVisible(visible);
            shape->setVisible(visible);
        }
    }
}

void WorkWindow::placeBottomLabel(HoverLabel *label, const QRectF &labelTwips,
                                  const QRectF &frameTwips)
{
    const ScreenMetrics m = context_.navigator.metrics();
    for (auto &[bottomLabel, shape] : bottomLabels_) {
        if (bottomLabel == label) {
            label->move(m.px(labelTwips).topLeft());
            shape->setGeometry(m.px(frameTwips));
        }
    }
}

void WorkWindow::restColours()
{
    for (auto &[label, shape] : bottomLabels_)
        Colours::setBackground(label, Colours::lightYellow, false);
}

void WorkWindow::setHeadingPointSize(double points)
{
    QFont font = heading_->font();
    font.setFamily(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSizeF(points);
    heading_->setFont(font);
    heading_->adjustSize();
}

void WorkWindow::setBorders(const std::array<QLineF, 3> &borders)
{
    borders_ = borders;
    update();
}

void WorkWindow::paintEvent(QPaintEvent *)
{
    const ScreenMetrics m = context_.navigator.metrics();
    QPainter painter(this);
    painter.setPen(QPen(Colours::titleBlue, 2));
    for (const QLineF &line : borders_)
        painter.drawLine(
            QLineF(m.px(line.x1()), m.px(line.y1()), m.px(line.x2()), m.px(line.y2())));
}

void WorkWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton)
        restColours();
    Screen::mouseMoveEvent(event);
}

} // namespace zorbiks
