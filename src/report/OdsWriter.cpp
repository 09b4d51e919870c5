#include "report/OdsWriter.h"

#include <QXmlStreamWriter>

#include <algorithm>

namespace zorbiks::report {

namespace {

const QString office = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString style = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString text = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString table = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString number = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0");
const QString fo = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString meta = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:meta:1.0");
const QString dc = QStringLiteral("http://purl.org/dc/elements/1.1/");

enum class CellKind { Text, Count, Share, Date, Time };

// What a column holds: the start of a run, counts, the share of the last
// column of the pupils and the questions, or words.
CellKind cellKind(Tables::Kind kind, int column)
{
    if (kind == Tables::Runs && column <= 1)
        return column == 0 ? CellKind::Date : CellKind::Time;
    if (!Tables::numeric(kind, column))
        return CellKind::Text;
    const bool share = kind != Tables::Runs && column == Tables::headings(kind).size() - 1;
    return share ? CellKind::Share : CellKind::Count;
}

class Sheets {
public:
    explicit Sheets(QByteArray *bytes)
        : xml_(bytes)
    {}

    void write(const Tables &tables, const QString &filterDescription)
    {
        xml_.writeStartDocument();
        xml_.writeNamespace(office, QStringLiteral("office"));
        xml_.writeNamespace(style, QStringLiteral("style"));
        xml_.writeNamespace(text, QStringLiteral("text"));
        xml_.writeNamespace(table, QStringLiteral("table"));
        xml_.writeNamespace(number, QStringLiteral("number"));
        xml_.writeNamespace(fo, QStringLiteral("fo"));
        xml_.writeNamespace(meta, QStringLiteral("meta"));
        xml_.writeNamespace(dc, QStringLiteral("dc"));
        xml_.writeStartElement(office, QStringLiteral("document"));
        xml_.writeAttribute(office, QStringLiteral("version"), QStringLiteral("1.2"));
        xml_.writeAttribute(office, QStringLiteral("mimetype"),
                            QStringLiteral("application/vnd.oasis.opendocument.spreadsheet"));
        xml_.writeStartElement(office, QStringLiteral("meta"));
        xml_.writeTextElement(dc, QStringLiteral("title"), QStringLiteral("Журнал Зорбикса"));
        xml_.writeTextElement(dc, QStringLiteral("description"), filterDescription);
        xml_.writeEndElement();
        writeStyles(tables);
        xml_.writeStartElement(office, QStringLiteral("body"));
        xml_.writeStartElement(office, QStringLiteral("spreadsheet"));
        for (Tables::Kind kind : Tables::kinds)
            writeSheet(tables, kind);
        xml_.writeEndElement();
        xml_.writeEndElement();
        xml_.writeEndElement();
        xml_.writeEndDocument();
    }

private:
    void writeStyles(const Tables &tables)
    {
        xml_.writeStartElement(office, QStringLiteral("styles"));
        // dd.MM.yyyy and hh:mm:ss as the program writes them, in every locale.
        xml_.writeStartElement(number, QStringLiteral("date-style"));
        xml_.writeAttribute(style, QStringLiteral("name"), QStringLiteral("Ndate"));
        datePart(QStringLiteral("day"), QStringLiteral("."));
        datePart(QStringLiteral("month"), QStringLiteral("."));
        datePart(QStringLiteral("year"), QString());
        xml_.writeEndElement();
        xml_.writeStartElement(number, QStringLiteral("time-style"));
        xml_.writeAttribute(style, QStringLiteral("name"), QStringLiteral("Ntime"));
        datePart(QStringLiteral("hours"), QStringLiteral(":"));
        datePart(QStringLiteral("minutes"), QStringLiteral(":"));
        datePart(QStringLiteral("seconds"), QString());
        xml_.writeEndElement();
        // One decimal, as the window shows the share; the separator is the
        // reader's.
        xml_.writeStartElement(number, QStringLiteral("percentage-style"));
        xml_.writeAttribute(style, QStringLiteral("name"), QStringLiteral("Nshare"));
        xml_.writeEmptyElement(number, QStringLiteral("number"));
        xml_.writeAttribute(number, QStringLiteral("decimal-places"), QStringLiteral("1"));
        xml_.writeAttribute(number, QStringLiteral("min-decimal-places"), QStringLiteral("1"));
        xml_.writeAttribute(number, QStringLiteral("min-integer-digits"), QStringLiteral("1"));
        xml_.writeTextElement(number, QStringLiteral("text"), QStringLiteral("%"));
        xml_.writeEndElement();
        xml_.writeEndElement();

        xml_.writeStartElement(office, QStringLiteral("automatic-styles"));
        for (const char *name : {"date", "time", "share"}) {
            xml_.writeEmptyElement(style, QStringLiteral("style"));
            xml_.writeAttribute(style, QStringLiteral("name"), QLatin1String(name));
            xml_.writeAttribute(style, QStringLiteral("family"), QStringLiteral("table-cell"));
            xml_.writeAttribute(style, QStringLiteral("data-style-name"),
                                QLatin1Char('N') + QLatin1String(name));
        }
        xml_.writeStartElement(style, QStringLiteral("style"));
        xml_.writeAttribute(style, QStringLiteral("name"), QStringLiteral("heading"));
        xml_.writeAttribute(style, QStringLiteral("family"), QStringLiteral("table-cell"));
        xml_.writeEmptyElement(style, QStringLiteral("text-properties"));
        xml_.writeAttribute(fo, QStringLiteral("font-weight"), QStringLiteral("bold"));
        xml_.writeEndElement();
        for (Tables::Kind kind : Tables::kinds)
            writeColumnStyles(tables, kind);
        xml_.writeEndElement();
    }

    void datePart(const QString &part, const QString &after)
    {
        xml_.writeEmptyElement(number, part);
        xml_.writeAttribute(number, QStringLiteral("style"), QStringLiteral("long"));
        if (!after.isEmpty())
            xml_.writeTextElement(number, QStringLiteral("text"), after);
    }

    static QString columnStyle(Tables::Kind kind, int column)
    {
        return QStringLiteral("c%1-%2").arg(kind).arg(column);
    }

    // Each column as wide as its heading and the first rows' texts need.
    void writeColumnStyles(const Tables &tables, Tables::Kind kind)
    {
        const QList<QString> headings = Tables::headings(kind);
        const int rows = std::min(tables.rows(kind), 1000);
        for (int c = 0; c < headings.size(); ++c) {
            qsizetype widest = headings[c].size();
            for (int r = 0; r < rows; ++r)
                widest = std::max(widest, tables.text(kind, r, c).size());
            const double centimetres =
                std::clamp(0.4 + 0.2 * static_cast<double>(widest), 1.5, 9.0);
            xml_.writeStartElement(style, QStringLiteral("style"));
            xml_.writeAttribute(style, QStringLiteral("name"), columnStyle(kind, c));
            xml_.writeAttribute(style, QStringLiteral("family"), QStringLiteral("table-column"));
            xml_.writeEmptyElement(style, QStringLiteral("table-column-properties"));
            xml_.writeAttribute(style, QStringLiteral("column-width"),
                                QString::number(centimetres, 'f', 2) + QStringLiteral("cm"));
            xml_.writeEndElement();
        }
    }

    void writeSheet(const Tables &tables, Tables::Kind kind)
    {
        xml_.writeStartElement(table, QStringLiteral("table"));
        xml_.writeAttribute(table, QStringLiteral("name"), Tables::title(kind));
        const QList<QString> headings = Tables::headings(kind);
        const int columns = static_cast<int>(headings.size());
        for (int c = 0; c < columns; ++c) {
            xml_.writeEmptyElement(table, QStringLiteral("table-column"));
            xml_.writeAttribute(table, QStringLiteral("style-name"), columnStyle(kind, c));
        }
        xml_.writeStartElement(table, QStringLiteral("table-row"));
        for (const QString &heading : headings)
            textCell(heading, QStringLiteral("heading"));
        xml_.writeEndElement();
        for (int r = 0; r < tables.rows(kind); ++r) {
            xml_.writeStartElement(table, QStringLiteral("table-row"));
            for (int c = 0; c < columns; ++c)
                writeCell(tables, kind, r, c);
            xml_.writeEndElement();
        }
        xml_.writeEndElement();
    }

    void writeCell(const Tables &tables, Tables::Kind kind, int row, int column)
    {
        const QString shown = tables.text(kind, row, column);
        const CellKind cell = cellKind(kind, column);
        if (shown.isEmpty()) {
            xml_.writeEmptyElement(table, QStringLiteral("table-cell"));
            return;
        }
        const double key = tables.sortKey(kind, row, column);
        if (cell == CellKind::Text || (cell == CellKind::Share && key < 0)) {
            textCell(shown, QString());
            return;
        }
        xml_.writeStartElement(table, QStringLiteral("table-cell"));
        switch (cell) {
        case CellKind::Count:
            typed(QStringLiteral("float"), QStringLiteral("value"), QString::number(key, 'g', 15));
            break;
        case CellKind::Share:
            xml_.writeAttribute(table, QStringLiteral("style-name"), QStringLiteral("share"));
            typed(QStringLiteral("percentage"), QStringLiteral("value"),
                  QString::number(key / 100.0, 'g', 15));
            break;
        case CellKind::Date:
        case CellKind::Time: {
            const Run &run = tables.journal().runs()[tables.summary().runs[row].run];
            const bool date = cell == CellKind::Date;
            xml_.writeAttribute(table, QStringLiteral("style-name"),
                                date ? QStringLiteral("date") : QStringLiteral("time"));
            if (date)
                typed(QStringLiteral("date"), QStringLiteral("date-value"),
                      run.date.toString(Qt::ISODate));
            else
                typed(QStringLiteral("time"), QStringLiteral("time-value"),
                      run.time.toString(QStringLiteral("'PT'hh'H'mm'M'ss'S'")));
            break;
        }
        case CellKind::Text: break;
        }
        xml_.writeTextElement(text, QStringLiteral("p"), shown);
        xml_.writeEndElement();
    }

    void typed(const QString &type, const QString &attribute, const QString &value)
    {
        xml_.writeAttribute(office, QStringLiteral("value-type"), type);
        xml_.writeAttribute(office, attribute, value);
    }

    void textCell(const QString &shown, const QString &styleName)
    {
        xml_.writeStartElement(table, QStringLiteral("table-cell"));
        if (!styleName.isEmpty())
            xml_.writeAttribute(table, QStringLiteral("style-name"), styleName);
        xml_.writeAttribute(office, QStringLiteral("value-type"), QStringLiteral("string"));
        xml_.writeTextElement(text, QStringLiteral("p"), shown);
        xml_.writeEndElement();
    }

    QXmlStreamWriter xml_;
};

} // namespace

QByteArray ods(const Tables &tables, const QString &filterDescription)
{
    QByteArray bytes;
    Sheets(&bytes).write(tables, filterDescription);
    return bytes;
}

} // namespace zorbiks::report
