#include "screen/Colours.h"

#include <QChildEvent>
#include <QWidget>

namespace zorbiks::Colours {

void setBackground(QWidget *widget, const QColor &colour, bool opaque)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(opaque);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void setDisabledTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, colour);
    widget->setPalette(palette);
}

namespace {

// Eats the enabled-state change of a widget and of every widget added under
// it later: each would otherwise repaint itself, all to the same pixels.
class NoRepaintOnEnabledChange final : public QObject {
public:
    explicit NoRepaintOnEnabledChange(QWidget *widget)
        : QObject(widget)
    {
        watch(widget);
    }

protected:
    bool eventFilter(QObject * /*watched*/, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded) {
            if (QObject *child = static_cast<QChildEvent *>(event)->child(); child->isWidgetType())
                watch(child);
        }
        return event->type() == QEvent::EnabledChange;
    }

private:
    void watch(QObject *object)
    {
        object->installEventFilter(this);
        for (QObject *child : object->children())
            if (child->isWidgetType())
                watch(child);
    }
};

} // namespace

void keepLookWhenDisabled(QWidget *widget)
{
    QPalette palette = widget->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        palette.setColor(QPalette::Disabled, r, palette.color(QPalette::Active, r));
    }
    widget->setPalette(palette);
    new NoRepaintOnEnabledChange(widget);
}

QColor backgroundOf(const QWidget *widget)
{
    return widget->autoFillBackground() ? widget->palette().color(QPalette::Window) : QColor();
}

} // namespace zorbiks::Colours
