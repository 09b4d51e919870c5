#include "screen/WorkWindow.h"

#include "screen/Colours.h"
#include "screen/FilteredLineEdit.h"
#include "screen/HoverLabel.h"
#include "screen/Navigator.h"
#include "screen/Pictures.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>

namespace zorbiks {

WorkWindow::WorkWindow(const ScreenContext &context, double widthTwips, const QString &exitIconName,
                       const QString &logoName, QWidget *parent)
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
    titleBar_->resize(width(), m.px(ScreenLayout::titleBarHeight));

    heading_ = new QLabel(this);
    Colours::setTextColour(heading_, Qt::white);
    exitIcon_ = makeExitCross(exitIconName, this);
    logo_ = makeLogo(logoName, this);

    keySink_ = new FilteredLineEdit(this);
    keySink_->setObjectName(QStringLiteral("Text1"));
    keySink_->resize(m.px(QSizeF(1200, 300)));
}

ScreenMetrics WorkWindow::metrics() const
{
    return context_.navigator.metrics();
}

ScreenLayout::WorkWindowInput WorkWindow::frameInput(double titleBarHeight)
{
    const ScreenMetrics m = metrics();
    ScreenLayout::WorkWindowInput in;
    in.screen = m.twips(context_.navigator.stageSize());
    in.menuTabStripBottom = context_.navigator.workWindowTop();
    in.titleBarHeight = titleBarHeight;
    QFont font = heading_->font();
    font.setFamily(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSizeF(scaledPoints(ScreenLayout::headingPointSize(in.screen.height())));
    heading_->setFont(font);
    heading_->adjustSize();
    in.heading = m.twips(heading_->size());
    in.exitIcon = m.twips(exitIcon_->size());
    in.logo = m.twips(logo_->size());
    return in;
}

void WorkWindow::applyFrame(const ScreenLayout::WorkWindowFrame &frame)
{
    const ScreenMetrics m = metrics();
    setGeometry(m.px(frame.window));
    titleBar_->setGeometry(m.px(frame.titleBar));
    heading_->move(m.px(frame.heading).topLeft());
    exitIcon_->move(m.px(frame.exitIcon).topLeft());
    logo_->move(m.px(frame.logo).topLeft());
    for (QWidget *top : {static_cast<QWidget *>(heading_), static_cast<QWidget *>(exitIcon_),
                         static_cast<QWidget *>(logo_)})
        top->raise();
    borders_ = frame.borders;
    update();
}

HoverLabel *WorkWindow::addBottomLabel(const QString &name, const QString &text,
                                       const QString &toolTip)
{
    auto *label = new HoverLabel(text, this);
    label->setObjectName(name);
    label->setToolTip(toolTip);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(DisplayScale::px(3));
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

void WorkWindow::placeBottomLabel(HoverLabel *label, const ScreenLayout::FramedLabel &place)
{
    const ScreenMetrics m = metrics();
    for (auto &[bottomLabel, shape] : bottomLabels_) {
        if (bottomLabel == label) {
            label->move(m.px(place.label).topLeft());
            shape->setGeometry(m.px(place.frame));
        }
    }
}

void WorkWindow::restColours()
{
    for (auto &[label, shape] : bottomLabels_)
        Colours::setBackground(label, Colours::lightYellow, false);
}

void WorkWindow::paintEvent(QPaintEvent *)
{
    const ScreenMetrics m = metrics();
    QPainter painter(this);
    painter.setPen(QPen(Colours::titleBlue, DisplayScale::px(2)));
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
