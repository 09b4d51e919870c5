#include "screen/HoverLabel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zorbiks {

namespace {

class MouseWatch final : public QObject {
public:
    MouseWatch(QWidget *widget, QEvent::Type type, std::function<void()> action)
        : QObject(widget)
        , widget_(widget)
        , type_(type)
        , action_(std::move(action))
    {
        widget->installEventFilter(this);
        if (type == QEvent::MouseMove)
            widget->setMouseTracking(true);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != widget_ || event->type() != type_ || !widget_->isEnabled())
            return false;
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (type_ == QEvent::MouseMove) {
            if (mouse->buttons() != Qt::NoButton)
                return false;
        } else if (mouse->button() != Qt::LeftButton ||
                   !widget_->rect().contains(mouse->position().toPoint())) {
            return false;
        }
        action_();
        return true;
    }

private:
    QWidget *widget_;
    QEvent::Type type_;
    std::function<void()> action_;
};

} // namespace

void watchHover(QWidget *widget, std::function<void()> onMove)
{
    new MouseWatch(widget, QEvent::MouseMove, std::move(onMove));
}

void watchClick(QWidget *widget, std::function<void()> onClick)
{
    new MouseWatch(widget, QEvent::MouseButtonRelease, std::move(onClick));
}

HoverLabel::HoverLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void HoverLabel::setCentredWords(bool centred)
{
    centredWords_ = centred;
    update();
}

void HoverLabel::paintEvent(QPaintEvent *event)
{
    if (!centredWords_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, text().simplified());
}

void HoverLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton)
        emit hovered();
    event->accept();
}

void HoverLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void HoverLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace zorbiks
