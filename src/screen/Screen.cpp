#include "screen/Screen.h"

#include <QApplication>

namespace zorbiks {

bool Screen::focusNextPrevChild(bool next)
{
    QWidget *from = QApplication::focusWidget();
    if (!from || !isAncestorOf(from))
        return QWidget::focusNextPrevChild(next);
    for (QWidget *widget = from;;) {
        widget = next ? widget->nextInFocusChain() : widget->previousInFocusChain();
        if (widget == from)
            return true;
        if (isAncestorOf(widget) && widget->isVisible() && widget->isEnabled() &&
            !widget->focusProxy() && (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

} // namespace zorbiks
