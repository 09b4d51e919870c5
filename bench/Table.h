#pragma once

// The bench's one table: a row is what was measured, its figure and its goal.

#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>

inline double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double percentile(QList<double> values, int percent)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min<qsizetype>(values.size() - 1, (values.size() * percent + 99) / 100 - 1)];
}

inline double percentile95(QList<double> values)
{
    return percentile(std::move(values), 95);
}

inline void row(const QString &what, const QString &figure, const QString &goal = QString())
{
    std::printf("%s %s %s\n", qPrintable(what.leftJustified(66)),
                qPrintable(figure.leftJustified(36)), qPrintable(goal));
    std::fflush(stdout);
}
