// The printing module, libzorbiks-print.so: the results page through Qt
// Print Support, loaded at the first print so that the program's start-up
// does not load Qt Print Support and the print system's libraries.

#include "platform/Services.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace zorbiks {

namespace {

// The default printer on A5 paper with the default font. Without a printer,
// or when printing cannot start, the page is saved as a PDF file instead.
class QtPrinter final : public Printer {
public:
    PrintResult print(const QStringList &lines) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (!info.isNull()) {
            QPrinter printer(info, QPrinter::HighResolution);
            if (paint(printer, lines))
                return {PrintResult::Outcome::Printed, QString()};
        }
        const QString path = pdfPath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(path);
        if (paint(pdf, lines))
            return {PrintResult::Outcome::SavedAsPdf, path};
        return {PrintResult::Outcome::Failed, path};
    }

private:
    static QString pdfPath()
    {
        const QString fromEnvironment = qEnvironmentVariable("ZORBIKS_PRINT_TO");
        if (!fromEnvironment.isEmpty())
            return fromEnvironment;
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty())
            folder = QDir::homePath();
        return folder + QStringLiteral("/Зорбикс-результаты-") +
               QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-hh-mm-ss")) +
               QStringLiteral(".pdf");
    }

    // Lines are drawn one under another; a line too wide for the sheet wraps
    // rather than being cut off, and a page that is full continues on the
    // next one.
    static bool paint(QPrinter &printer, const QStringList &lines)
    {
        printer.setPageSize(QPageSize(QPageSize::A5));
        printer.setDocName(QStringLiteral("Зорбикс"));
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        const QRect page = painter.viewport();
        int y = 0;
        for (const QString &line : lines) {
            const QRect needed = painter.boundingRect(QRect(0, 0, page.width(), page.height()),
                                                      Qt::TextWrapAnywhere, line);
            const int height = qMax(needed.height(), painter.fontMetrics().lineSpacing());
            if (y > 0 && y + height > page.height()) {
                if (!printer.newPage())
                    return false;
                y = 0;
            }
            painter.drawText(QRect(0, y, page.width(), height), Qt::TextWrapAnywhere, line);
            y += height;
        }
        return painter.end();
    }
};

} // namespace

} // namespace zorbiks

extern "C" Q_DECL_EXPORT zorbiks::Printer *zorbiks_make_printer()
{
    return new zorbiks::QtPrinter;
}
