// The journal as an OpenDocument spreadsheet, read back as an office
// program reads it: three sheets, and every cell's type and value — counts
// as numbers, shares as percentages, the start of a run as a date and a
// time, words as text.

#include "support/TestMain.h"

#include "log/Cp1251.h"
#include "log/LogFormat.h"
#include "report/CommandLine.h"

#include <QBuffer>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace zorbiks;
using namespace zorbiks::report;
namespace LF = zorbiks::LogFormat;

namespace {

const QString officeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString tableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");

struct Cell {
    QString type;  // office:value-type; empty for an empty cell
    QString value; // office:value, office:date-value or office:time-value
    QString shown; // the text of the cell
};
using Sheet = QList<QList<Cell>>;

struct Document {
    QStringList sheetNames;
    QMap<QString, Sheet> sheets;
    QString description;
    QString error;
};

Document readBack(const QByteArray &bytes)
{
    Document document;
    QXmlStreamReader xml(bytes);
    Sheet *sheet = nullptr;
    Cell *cell = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("table-cell"))
            cell = nullptr;
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("description")) {
            document.description = xml.readElementText();
        } else if (xml.namespaceUri() == tableNs && xml.name() == QLatin1String("table")) {
            const QString name = attributes.value(tableNs, QStringLiteral("name")).toString();
            document.sheetNames << name;
            sheet = &document.sheets[name];
        } else if (xml.name() == QLatin1String("table-row")) {
            sheet->append(QList<Cell>());
        } else if (xml.name() == QLatin1String("table-cell")) {
            sheet->last().append(Cell());
            cell = &sheet->last().last();
            cell->type = attributes.value(officeNs, QStringLiteral("value-type")).toString();
            for (const char *name : {"value", "date-value", "time-value"})
                if (attributes.hasAttribute(officeNs, QLatin1String(name)))
                    cell->value = attributes.value(officeNs, QLatin1String(name)).toString();
        } else if (xml.name() == QLatin1String("p") && cell) {
            cell->shown = xml.readElementText();
        }
    }
    if (xml.hasError())
        document.error = xml.errorString();
    return document;
}

struct Exported {
    Exported(const QStringList &filters = {})
    {
        const QString log =
            LF::headerRecord({QDate(2024, 9, 2), QTime(9, 5, 7)}, "Петрова; \"Мл\" <&>") +
            LF::token("К1", LF::Mark::Yes) + LF::token("К1", LF::Mark::No) +
            LF::token("К1", LF::Mark::No) + LF::totalRecord(3, 1, " К1", "К1/2 ") +
            LF::headerRecord({QDate(2025, 5, 30), QTime(12, 0)}, "Сидоров") +
            LF::token("И8", LF::Mark::No) + LF::token("Л2", LF::Mark::Skip);
        QFile file(folder.filePath("Zorbiks.txt"));
        file.open(QIODevice::WriteOnly);
        file.write(Cp1251::encode(log));
        file.close();
        const QString path = folder.filePath("журнал.fods");
        QString error;
        const auto options = parseArguments(
            QStringList{"--ods", path} + filters + QStringList{file.fileName()}, &error);
        QVERIFY2(options, qPrintable(error));
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        status = runCommandLine(*options, out, err);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        document = readBack(written.readAll());
    }
    QTemporaryDir folder;
    int status = -1;
    Document document;
};

} // namespace

class OdsExportTest : public QObject {
    Q_OBJECT
private slots:
    void theThreeTablesAreSheetsUnderTheirHeadings()
    {
        Exported exported;
        QCOMPARE(exported.status, 0);
        const Document &d = exported.document;
        QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
        QCOMPARE(d.sheetNames, (QStringList{"Работы", "Ученики", "Вопросы"}));
        QCOMPARE(d.sheets["Работы"].size(), 1 + 2);
        QCOMPARE(d.sheets["Ученики"].size(), 1 + 2);
        QCOMPARE(d.sheets["Вопросы"].size(), 1 + LF::questionCount);
        for (const QString &name : d.sheetNames) {
            const Sheet sheet = d.sheets.value(name);
            const QList<Cell> &headings = sheet.first();
            const int columns = static_cast<int>(headings.size());
            for (const Cell &heading : headings)
                QCOMPARE(heading.type, QStringLiteral("string"));
            for (const QList<Cell> &row : sheet)
                QCOMPARE(row.size(), columns);
        }
        QCOMPARE(d.sheets["Работы"][0][0].shown, QStringLiteral("Дата"));
        QCOMPARE(d.sheets["Вопросы"][0][5].shown,
                 QStringLiteral("Доля верных с первой попытки, %"));
        QCOMPARE(d.description, QStringLiteral("Все работы"));
    }

    void everyCellIsTyped_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        auto row = [](const char *name, const char *sheet, int r, int c, const char *type,
                      const QString &value, const QString &shown) {
            QTest::newRow(name) << QString::fromUtf8(sheet) << r << c << QString::fromUtf8(type)
                                << value << shown;
        };
        row("a run's date", "Работы", 1, 0, "date", "2024-09-02", "02.09.2024");
        row("a run's time", "Работы", 1, 1, "time", "PT09H05M07S", "09:05:07");
        row("a surname with ; \" < & >", "Работы", 1, 2, "string", "", "Петрова; \"Мл\" <&>");
        row("attempts", "Работы", 1, 3, "float", "3", "3");
        row("right at the first attempt", "Работы", 1, 4, "float", "1", "1");
        row("wrong answers", "Работы", 1, 5, "float", "2", "2");
        row("no give-ups is a zero", "Работы", 1, 6, "float", "0", "0");
        row("tasks of the total line", "Работы", 1, 7, "float", "3", "3");
        row("no total line: an empty cell", "Работы", 2, 7, "", "", "");
        row("how the run ended", "Работы", 2, 9, "string", "", "вышел без экрана результатов");
        row("file and line", "Работы", 1, 11, "string", "", "Zorbiks.txt:3");
        row("a pupil's share", "Ученики", 1, 7, "percentage", "0.333333333333333", "33,3");
        row("no right answer: a zero share", "Ученики", 2, 7, "percentage", "0", "0,0");
        row("a question's code", "Вопросы", 1, 0, "string", "", "К1");
        row("a question's share", "Вопросы", 1, 5, "percentage", "0.333333333333333", "33,3");
        row("a question never tried: a dash", "Вопросы", 2, 5, "string", "", "—");
        row("a give-up", "Вопросы", 13, 4, "float", "1", "1");
    }

    void everyCellIsTyped()
    {
        QFETCH(QString, sheet);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, type);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        Exported exported;
        const Cell &cell = exported.document.sheets[sheet][row][column];
        QCOMPARE(cell.type, type);
        QCOMPARE(cell.value, value);
        QCOMPARE(cell.shown, shown);
    }

    void theFilterNarrowsTheSheetsAndIsDescribed()
    {
        Exported exported({"--pupil", "сидор"});
        QCOMPARE(exported.status, 0);
        const Document &d = exported.document;
        QCOMPARE(d.sheets["Работы"].size(), 1 + 1);
        QCOMPARE(d.sheets["Работы"][1][2].shown, QStringLiteral("Сидоров"));
        QCOMPARE(d.sheets["Вопросы"][1][1].value, QStringLiteral("0")); // К1
        QCOMPARE(d.description, QStringLiteral("Работы: фамилия «сидор»"));
    }
};

ZORBIKS_TEST(OdsExportTest)
#include "OdsExportTest.moc"
