#pragma once

// Labels used as buttons, and hover and click watching for any widget.
// "Moves over" means a mouse move without a pressed button over the widget
// itself; an enabled watched widget takes the move, so that its container
// does not see it.

#include <QLabel>

#include <functional>

namespace zorbiks {

// Calls `onMove` for every mouse move over the (enabled) widget.
void watchHover(QWidget *widget, std::function<void()> onMove);
// Calls `onClick` when the left button is released over the (enabled) widget.
void watchClick(QWidget *widget, std::function<void()> onClick);

class HoverLabel : public QLabel {
    Q_OBJECT
public:
    explicit HoverLabel(const QString &text, QWidget *parent = nullptr);

    // Shows the caption's words centred and wrapped, whatever blanks stand
    // between them in the caption (which text() keeps as it is).
    void setCentredWords(bool centred);

signals:
    void hovered();
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool centredWords_ = false;
};

} // namespace zorbiks
