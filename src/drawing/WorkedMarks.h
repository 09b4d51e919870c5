#pragma once

// A red mark drawn over the worked examples of explanations: an arrow
// pointing up along a column (the order in which remainders are read).

#include <QWidget>

class QLabel;

namespace zorbiks {

// A vertical red line with the head "^" (18 pt) at its top. The line and
// the head are children with the names given; the caller sets the height.
class UpArrow : public QWidget {
    Q_OBJECT
public:
    UpArrow(const QString &lineName, const QString &headName, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *line_;
    QLabel *head_;
};

} // namespace zorbiks
