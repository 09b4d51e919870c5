#pragma once

// The journal window's "Сейчас" tab: the "now" table of the opened logs,
// followed while pupils write them, with its figures and colours.

#include "report/LogFollower.h"
#include "report/NowTable.h"

#include <QAbstractTableModel>
#include <QWidget>

class QLabel;
class QTabWidget;
class QTableView;

namespace zorbiks::report {

class NowTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows `table`; the view is reset only when a cell changed, so that a
    // selection stays while nothing happens.
    void setTable(NowTable table);
    const NowTable &table() const { return table_; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    NowTable table_;
};

class NowTab final : public QWidget {
    Q_OBJECT
public:
    static QString title() { return QStringLiteral("Сейчас"); }

    explicit NowTab(const Clock &clock, QWidget *parent = nullptr);

    // Follows these files and folders from now on.
    void follow(const QStringList &paths);
    // Whether the followed logs are being written: a folder, or a file
    // written in the last ten minutes.
    bool live() const;

    LogFollower &follower() { return follower_; }
    FollowWatcher &watcher() { return watcher_; }
    const NowTableModel &model() const { return *model_; }

private:
    void refresh();

    LogFollower follower_;
    FollowWatcher watcher_;
    NowTableModel *model_ = nullptr;
    QTableView *view_ = nullptr;
    QLabel *figures_ = nullptr;
};

// Follows `paths` in `now` and puts it among the journal's `tabs`: first and
// shown when the logs are being written, else last.
void placeNowTab(QTabWidget *tabs, NowTab *now, const QStringList &paths);

} // namespace zorbiks::report
