#include "report/JournalWidgets.h"

#include <QColor>
#include <QDateEdit>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace zorbiks::report {

namespace {

// A long heading on two or three lines, broken between words so that its
// longest line is short: columns of small numbers stay narrow.
QString onFewLines(const QString &heading)
{
    constexpr qsizetype narrow = 12;
    if (heading.size() <= narrow)
        return heading;
    const QStringList words = heading.split(QLatin1Char(' '));
    const qsizetype n = words.size();
    auto line = [&](qsizetype from, qsizetype to) {
        return words.mid(from, to - from).join(QLatin1Char(' '));
    };
    QStringList best{heading};
    qsizetype bestWidth = heading.size();
    auto consider = [&](const QStringList &lines) {
        qsizetype width = 0;
        for (const QString &l : lines)
            width = std::max(width, l.size());
        if (width < bestWidth) {
            best = lines;
            bestWidth = width;
        }
    };
    for (qsizetype i = 1; i < n; ++i)
        consider({line(0, i), line(i, n)});
    for (qsizetype i = 1; bestWidth > narrow && i < n; ++i)
        for (qsizetype j = i + 1; j < n; ++j)
            consider({line(0, i), line(i, j), line(j, n)});
    return best.join(QLatin1Char('\n'));
}

} // namespace

QColor unfinishedColour()
{
    return {255, 224, 224};
}

QColor attentionColour()
{
    return {255, 255, 192};
}

QDate noDateBound()
{
    return {2000, 1, 1};
}

QDateEdit *dateBox(const QString &name, QWidget *parent)
{
    auto *box = new QDateEdit(parent);
    box->setObjectName(name);
    box->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    box->setCalendarPopup(true);
    box->setMinimumDate(noDateBound());
    box->setSpecialValueText(QStringLiteral("не задано"));
    box->setDate(noDateBound());
    return box;
}

JournalTableModel::JournalTableModel(const Tables &tables, Tables::Kind kind, QObject *parent)
    : QAbstractTableModel(parent)
    , tables_(tables)
    , kind_(kind)
{}

void JournalTableModel::refresh()
{
    beginResetModel();
    endResetModel();
}

int JournalTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : tables_.rows(kind_);
}

int JournalTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Tables::headings(kind_).size());
}

QVariant JournalTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole: return tables_.text(kind_, index.row(), index.column());
    case Qt::UserRole: return tables_.sortKey(kind_, index.row(), index.column());
    case Qt::TextAlignmentRole:
        return Tables::numeric(kind_, index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                      : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (kind_ == Tables::Runs) {
            const Run &run = tables_.journal().runs()[tables_.summary().runs[index.row()].run];
            if (!run.has(Run::HasTotal))
                return unfinishedColour();
            if (run.has(Run::Disagrees) || run.has(Run::TotalDamaged))
                return attentionColour();
        }
        return {};
    default: return {};
    }
}

QVariant JournalTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QList<QString> headings = Tables::headings(kind_);
    return section < headings.size() ? onFewLines(headings[section]) : QString();
}

JournalSortProxy::JournalSortProxy(const Tables &tables, Tables::Kind kind, QObject *parent)
    : QSortFilterProxyModel(parent)
    , tables_(tables)
    , kind_(kind)
{}

bool JournalSortProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const double a = tables_.sortKey(kind_, left.row(), left.column());
    const double b = tables_.sortKey(kind_, right.row(), right.column());
    return a < b || (a == b && left.row() < right.row());
}

void paintChart(QPainter &painter, const QRect &area, const QList<ChartBar> &bars)
{
    painter.save();
    painter.fillRect(area, Qt::white);
    const QFontMetrics metrics(painter.font());
    const int left = area.left() + metrics.horizontalAdvance(QStringLiteral("100 %")) + 8;
    painter.setPen(Qt::black);
    painter.drawText(QRect(area.left() + 4, area.top() + 2, area.width() - 8, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Доля верных ответов с первой попытки"));
    const int top = area.top() + metrics.height() * 5 / 2;
    const int right = area.right() - 4;
    const int count = std::max<int>(1, static_cast<int>(bars.size()));
    const double slot = static_cast<double>(right - left) / count;
    int widest = 0;
    for (const ChartBar &bar : bars)
        widest = std::max(widest, metrics.horizontalAdvance(bar.code));
    // Codes that do not fit side by side stand on two rows, every other
    // one lower.
    const bool staggered = widest + 2 > slot;
    const int labelRows = staggered ? 2 : 1;
    const int bottom = area.bottom() - metrics.height() * labelRows - 6;
    const int height = std::max(1, bottom - top);
    const int zeroMark = std::max(3, height / 60);
    const QColor barColour(74, 123, 208);
    const QColor zeroColour(200, 40, 40);
    painter.setPen(QColor(200, 200, 200));
    for (int percent = 0; percent <= 100; percent += 25) {
        const int y = bottom - height * percent / 100;
        painter.drawLine(left, y, right, y);
        painter.setPen(Qt::black);
        painter.drawText(
            QRect(area.left(), y - metrics.height() / 2, left - area.left() - 4, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %").arg(percent));
        painter.setPen(QColor(200, 200, 200));
    }
    for (int i = 0; i < bars.size(); ++i) {
        const ChartBar &bar = bars[i];
        const int x = left + static_cast<int>(slot * i + slot * 0.15);
        const int w = std::max(1, static_cast<int>(slot * 0.7));
        if (bar.share >= 0) {
            // Tried and never right at the first attempt: a red mark on the
            // base line, where a question never tried has nothing.
            const int h = std::max(zeroMark, static_cast<int>(height * bar.share / 100.0 + 0.5));
            painter.fillRect(QRect(x, bottom - h, w, h), bar.share > 0 ? barColour : zeroColour);
        }
        painter.setPen(Qt::black);
        const int row = staggered && i % 2 ? 1 : 0;
        const int centre = left + static_cast<int>(slot * i + slot / 2);
        painter.drawText(QRect(centre - widest, bottom + 3 + row * metrics.height(), 2 * widest,
                               metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, bar.code);
    }
    painter.restore();
}

BarChart::BarChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Диаграмма"));
    setMinimumSize(360, 200);
    setToolTip(QStringLiteral("Доля верных ответов с первой попытки по вопросам"));
}

void BarChart::setBars(QList<ChartBar> bars)
{
    bars_ = std::move(bars);
    update();
}

void BarChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintChart(painter, rect(), bars_);
}

} // namespace zorbiks::report
