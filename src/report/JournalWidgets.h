#pragma once

// The pieces of the journal's window: a table model over one of the three
// tables, the per-question bar chart, the date boxes of the filter.

#include "report/ReportWriter.h"
#include "report/Summary.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QWidget>

class QColor;
class QDate;
class QDateEdit;
class QPainter;

namespace zorbiks::report {

// The colours of rows: a run that ended without the results screen, and one
// that needs a look (its total disagrees, or its pupil is stuck).
QColor unfinishedColour();
QColor attentionColour();

// A date box of the filter; its earliest date, shown as "не задано", stands
// for no bound.
QDateEdit *dateBox(const QString &name, QWidget *parent);
QDate noDateBound();

// One of the tables of the journal. Qt::UserRole gives what a column sorts
// by (numbers as numbers, dates in time order, surnames alphabetically).
class JournalTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    JournalTableModel(const Tables &tables, Tables::Kind kind, QObject *parent = nullptr);

    // The summary behind the tables has changed.
    void refresh();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const Tables &tables_;
    Tables::Kind kind_;
};

// Sorts one of the tables by Tables::sortKey, without going through
// QVariant for every comparison (the runs table may hold 200 000 rows).
class JournalSortProxy final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    JournalSortProxy(const Tables &tables, Tables::Kind kind, QObject *parent = nullptr);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    const Tables &tables_;
    Tables::Kind kind_;
};

// Draws the chart of `bars` into `area`: one bar per question, its height
// the share of the attempts right at the first attempt.
void paintChart(QPainter &painter, const QRect &area, const QList<ChartBar> &bars);

class BarChart final : public QWidget {
    Q_OBJECT
public:
    explicit BarChart(QWidget *parent = nullptr);
    void setBars(QList<ChartBar> bars);
    const QList<ChartBar> &bars() const { return bars_; }
    QSize sizeHint() const override { return {560, 260}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<ChartBar> bars_;
};

} // namespace zorbiks::report
