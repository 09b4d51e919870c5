#pragma once

// Red marks drawn over the worked examples of explanations: a straight
// line (a rule under a column sum, a stroke between groups of digits) and an
// arrow pointing up along a column (the order in which remainders are read).

#include <QColor>
#include <QWidget>

class QLabel;

namespace zorbiks {

// A line through the middle of the widget, along its length.
class MarkLine : public QWidget {
    Q_OBJECT
public:
    MarkLine(Qt::Orientation orientation, const QColor &colour, QWidget *parent = nullptr,
             double penWidth = 1.5);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Qt::Orientation orientation_;
    QColor colour_;
    double penWidth_;
};

// A vertical red line with the head "^" (18 pt) at its top. The line and
// the head are children with the names given; the caller sets the height.
class UpArrow : public QWidget {
    Q_OBJECT
public:
    UpArrow(const QString &lineName, const QString &headName, QWidget *parent = nullptr);

    MarkLine *line() const { return line_; }
    QLabel *head() const { return head_; }
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    MarkLine *line_;
    QLabel *head_;
};

} // namespace zorbiks
