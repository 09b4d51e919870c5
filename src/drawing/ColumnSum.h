#pragma once

#include <QStringList>
#include <QWidget>

namespace zorbiks {

// A column addition of two binary numbers in red: the small carry digits
// over the columns that receive a carry, the two numbers with "+" at the
// left, a rule, and the sum.
class ColumnSum : public QWidget {
    Q_OBJECT
public:
    ColumnSum(const QString &top, const QString &bottom, const QString &sum,
              QWidget *parent = nullptr);

    // The columns (0 = the rightmost) of the numbers that receive a carry.
    static QList<int> carries(const QString &top, const QString &bottom);
    QStringList lines() const { return {top_, bottom_, sum_}; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString top_;
    QString bottom_;
    QString sum_;
};

} // namespace zorbiks
