#include "report/NowTab.h"

#include "platform/Services.h"
#include "report/JournalWidgets.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace zorbiks::report {

void NowTableModel::setTable(NowTable table)
{
    const bool same = table.cells == table_.cells;
    table_ = std::move(table);
    if (!same) {
        beginResetModel();
        endResetModel();
    }
}

int NowTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.cells.size());
}

int NowTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : NowTable::columnCount;
}

QVariant NowTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole: return table_.cells[index.row()].value(index.column());
    case Qt::TextAlignmentRole:
        return NowTable::numeric(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                 : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        switch (table_.rows[index.row()].state) {
        case NowState::Left: return unfinishedColour();
        case NowState::Stuck: return attentionColour();
        case NowState::Working:
        case NowState::Finished: return {};
        }
        return {};
    default: return {};
    }
}

QVariant NowTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return NowTable::headings().value(section);
}

NowTab::NowTab(const Clock &clock, QWidget *parent)
    : QWidget(parent)
    , follower_(clock)
    , watcher_(follower_)
{
    setObjectName(title());
    model_ = new NowTableModel(this);
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("СейчасТаблица"));
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->verticalHeader()->setVisible(false);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setWordWrap(false);
    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("СейчасИтог"));
    figures_->setWordWrap(true);
    auto *legend = new QLabel(
        QStringLiteral("<span style=\"background:#ffe0e0\">&nbsp;&nbsp;&nbsp;&nbsp;</span> "
                       "%1 (нет строки «Общий итог», и 10 минут ничего не записано или на "
                       "этом компьютере начата новая работа) &nbsp;&nbsp; "
                       "<span style=\"background:#ffffc0\">&nbsp;&nbsp;&nbsp;&nbsp;</span> "
                       "застрял: %2 ошибки подряд или больше на одном вопросе. "
                       "Таблица обновляется сама.")
            .arg(unfinishedWords())
            .arg(stuckAfterWrong),
        this);
    legend->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(figures_);
    layout->addWidget(view_, 1);
    layout->addWidget(legend);
    connect(&watcher_, &FollowWatcher::checked, this, &NowTab::refresh);
}

void NowTab::follow(const QStringList &paths)
{
    watcher_.stop();
    follower_.follow(paths);
    watcher_.start();
    view_->resizeColumnsToContents();
}

bool NowTab::live() const
{
    const QStringList &paths = follower_.paths();
    return std::any_of(paths.begin(), paths.end(),
                       [](const QString &path) { return QFileInfo(path).isDir(); }) ||
           follower_.writtenWithin(idleLimitSeconds);
}

void NowTab::refresh()
{
    model_->setTable(nowTable(follower_, follower_.clock().now()));
    figures_->setText(model_->table().summary() + QStringLiteral(" Обновлено в ") +
                      model_->table().now.toString(QStringLiteral("HH:mm:ss")) + QLatin1Char('.'));
}

void placeNowTab(QTabWidget *tabs, NowTab *now, const QStringList &paths)
{
    now->follow(paths);
    const int at = tabs->indexOf(now);
    if (at >= 0)
        tabs->removeTab(at);
    if (now->live())
        tabs->setCurrentIndex(tabs->insertTab(0, now, NowTab::title()));
    else
        tabs->addTab(now, NowTab::title());
}

} // namespace zorbiks::report
