#include "report/ReportWriter.h"

#include <QStringList>

#include <algorithm>

namespace zorbiks::report {

namespace {

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

QList<ChartBar> chartBars(const Summary &summary)
{
    QList<ChartBar> bars;
    for (int q = 0; q < LogFormat::questionCount; ++q) {
        const Figures &f = summary.questions[q];
        bars.append({LogFormat::questionCodes()[q], f.attempts(), f.share()});
    }
    return bars;
}

QString alignedTable(const QList<QString> &headings, const QList<QStringList> &rows,
                     const QList<bool> &numeric)
{
    QList<qsizetype> widths;
    for (const QString &h : headings)
        widths.append(h.size());
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    auto line = [&](const QStringList &row) {
        QString text;
        for (qsizetype c = 0; c < row.size() && c < widths.size(); ++c) {
            if (c > 0)
                text += QStringLiteral("  ");
            text += numeric.value(c) ? row[c].rightJustified(widths[c])
                                     : row[c].leftJustified(widths[c]);
        }
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        return text + QLatin1Char('\n');
    };
    QString out = line(headings);
    for (const QStringList &row : rows)
        out += line(row);
    return out;
}

QString terminalText(const Tables &tables)
{
    QString out;
    for (Tables::Kind kind : Tables::kinds) {
        const QList<QString> headings = Tables::headings(kind);
        const int rows = tables.rows(kind);
        QList<bool> numeric;
        for (int c = 0; c < headings.size(); ++c)
            numeric.append(Tables::numeric(kind, c));
        QList<QStringList> cells;
        cells.reserve(rows);
        for (int r = 0; r < rows; ++r) {
            QStringList row;
            for (int c = 0; c < headings.size(); ++c)
                row << tables.text(kind, r, c);
            cells.append(row);
        }
        out += Tables::title(kind) + QStringLiteral(" (") + QString::number(rows) +
               QStringLiteral(")\n");
        out += alignedTable(headings, cells, numeric) + QLatin1Char('\n');
    }
    return out;
}

QByteArray csv(const Tables &tables)
{
    QString text;
    for (Tables::Kind kind : Tables::kinds) {
        if (!text.isEmpty())
            text += QStringLiteral("\r\n");
        text += csvField(Tables::title(kind)) + QStringLiteral("\r\n");
        QStringList headings;
        for (const QString &h : Tables::headings(kind))
            headings << csvField(h);
        text += headings.join(QLatin1Char(';')) + QStringLiteral("\r\n");
        const int columns = static_cast<int>(headings.size());
        for (int r = 0; r < tables.rows(kind); ++r) {
            for (int c = 0; c < columns; ++c) {
                if (c > 0)
                    text += QLatin1Char(';');
                text += csvField(tables.text(kind, r, c));
            }
            text += QStringLiteral("\r\n");
        }
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString svgChart(const QList<ChartBar> &bars)
{
    const int barWidth = 24;
    const int gap = 8;
    const int left = 40;
    const int top = 20;
    const int height = 200;
    const int width = left + static_cast<int>(bars.size()) * (barWidth + gap) + gap;
    const int total = top + height + 40;
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                 "height=\"%2\" viewBox=\"0 0 %1 %2\" role=\"img\" "
                                 "aria-label=\"Доля верных ответов с первой попытки\">\n")
                      .arg(width)
                      .arg(total);
    for (int percent = 0; percent <= 100; percent += 25) {
        const int y = top + height - height * percent / 100;
        svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#ccc\"/>"
                              "<text x=\"%4\" y=\"%5\" font-size=\"10\" "
                              "text-anchor=\"end\">%6%</text>\n")
                   .arg(left)
                   .arg(y)
                   .arg(width)
                   .arg(left - 4)
                   .arg(y + 4)
                   .arg(percent);
    }
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const ChartBar &bar = bars[i];
        const int x = left + gap + static_cast<int>(i) * (barWidth + gap);
        if (bar.share >= 0) {
            // Tried and never right: a red mark on the base line.
            const int h = std::max(3, static_cast<int>(height * bar.share / 100.0 + 0.5));
            svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                                  "fill=\"%5\"><title>%6: %7% из %8</title></rect>\n")
                       .arg(x)
                       .arg(top + height - h)
                       .arg(barWidth)
                       .arg(h)
                       .arg(bar.share > 0 ? QStringLiteral("#4a7bd0") : QStringLiteral("#c82828"),
                            escaped(bar.code), shareText(bar.share))
                       .arg(bar.attempts);
        }
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"11\" "
                              "text-anchor=\"middle\">%3</text>\n")
                   .arg(x + barWidth / 2)
                   .arg(top + height + 16)
                   .arg(escaped(bar.code));
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

QString html(const Tables &tables, const QString &filterDescription, const QString &chart)
{
    QString page =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>Журнал Зорбикса</title>\n<style>\n"
                       "body{font-family:sans-serif;margin:1em 2em}"
                       "table{border-collapse:collapse;margin-bottom:2em}"
                       "th,td{border:1px solid #999;padding:2px 6px}th{background:#eee}"
                       "td{white-space:nowrap}td.n{text-align:right}td.w{white-space:normal}\n"
                       "</style>\n</head>\n<body>\n");
    page += QStringLiteral("<h1>Журнал Зорбикса</h1>\n<p>") + escaped(filterDescription) +
            QStringLiteral("</p>\n<h2>Доля верных ответов с первой попытки по вопросам</h2>\n");
    page += chart.isEmpty() ? svgChart(chartBars(tables.summary())) : chart;
    for (Tables::Kind kind : Tables::kinds) {
        page += QStringLiteral("<h2>") + escaped(Tables::title(kind)) +
                QStringLiteral("</h2>\n<table width=\"100%\">\n<tr>");
        for (const QString &h : Tables::headings(kind))
            page += QStringLiteral("<th>") + escaped(h) + QStringLiteral("</th>");
        page += QStringLiteral("</tr>\n");
        const int columns = static_cast<int>(Tables::headings(kind).size());
        for (int r = 0; r < tables.rows(kind); ++r) {
            page += QStringLiteral("<tr>");
            for (int c = 0; c < columns; ++c) {
                const bool wraps = kind == Tables::Runs && c == 10; // the notes
                page += (Tables::numeric(kind, c) ? QStringLiteral("<td class=\"n\">")
                         : wraps                  ? QStringLiteral("<td class=\"w\">")
                                                  : QStringLiteral("<td>")) +
                        escaped(tables.text(kind, r, c)) + QStringLiteral("</td>");
            }
            page += QStringLiteral("</tr>\n");
        }
        page += QStringLiteral("</table>\n");
    }
    page += QStringLiteral("</body>\n</html>\n");
    return page;
}

QString describe(const Filter &filter)
{
    QStringList parts;
    if (filter.from.isValid())
        parts << QStringLiteral("с ") + filter.from.toString(QStringLiteral("dd.MM.yyyy"));
    if (filter.to.isValid())
        parts << QStringLiteral("по ") + filter.to.toString(QStringLiteral("dd.MM.yyyy"));
    if (!filter.pupil.isEmpty())
        parts << QStringLiteral("фамилия «%1»").arg(filter.pupil);
    if (filter.question >= 0)
        parts << QStringLiteral("вопрос ") + LogFormat::questionCodes()[filter.question];
    return parts.isEmpty() ? QStringLiteral("Все работы")
                           : QStringLiteral("Работы: ") + parts.join(QStringLiteral(", "));
}

} // namespace zorbiks::report
