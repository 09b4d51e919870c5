#pragma once

// The journal as text: tables for a terminal, CSV for a spreadsheet, and one
// self-contained HTML page with the bar chart as inline SVG.

#include "report/Summary.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace zorbiks::report {

// One bar of the per-question chart: the share of the question's attempts
// that were right at the first attempt.
struct ChartBar {
    QString code;
    qint64 attempts = 0;
    double share = -1; // percent; -1 without attempts
};
QList<ChartBar> chartBars(const Summary &summary);

// The tables with aligned columns (numbers to the right), one after another.
QString terminalText(const Tables &tables);
// One table with aligned columns: the headings, then the rows; the columns
// whose `numeric` is true to the right.
QString alignedTable(const QList<QString> &headings, const QList<QStringList> &rows,
                     const QList<bool> &numeric);
// UTF-8 with a byte-order mark, ";" between fields, CR LF between rows; the
// three tables one under another, each under its title.
QByteArray csv(const Tables &tables);
// The chart as an SVG element.
QString svgChart(const QList<ChartBar> &bars);
// A whole HTML page: heading, the description of the filter, the chart and
// the three tables; no outside resources. `chart` replaces the SVG chart
// (the printed page puts a picture there).
QString html(const Tables &tables, const QString &filterDescription,
             const QString &chart = QString());

// "с 01.09.2024 по 31.05.2025, фамилия «Иванов»" — or "все работы".
QString describe(const Filter &filter);

} // namespace zorbiks::report
