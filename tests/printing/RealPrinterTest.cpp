// The results page printed on a real CUPS queue through QPrinter: the job
// completes, and the document CUPS received is one A5 page with the pupil's
// surname, the date, the time and both lists.
//
// It runs only where scripts/check-printing.sh has made a PDF queue the
// default and names it in ZORBIKS_CUPS_QUEUE, so that an ordinary test run
// never sends a page to a classroom printer.

#include "support/TestMain.h"

#include "platform/Services.h"
#include "pupil/PupilRecord.h"
#include "results/ResultsPage.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

using namespace zorbiks;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The numbers of the queue's completed jobs.
QList<int> completedJobs(const QString &queue)
{
    QList<int> jobs;
    const QRegularExpression id(QStringLiteral("^") + QRegularExpression::escape(queue) +
                                QStringLiteral("-(\\d+)\\s"));
    const QStringList lines =
        run(QStringLiteral("lpstat"),
            {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), queue})
            .split(QLatin1Char('\n'));
    for (const QString &line : lines)
        if (const QRegularExpressionMatch match = id.match(line); match.hasMatch())
            jobs << match.captured(1).toInt();
    return jobs;
}

} // namespace

class RealPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void resultsPageReachesTheQueueAsOneA5Page()
    {
        const QString queue = qEnvironmentVariable("ZORBIKS_CUPS_QUEUE");
        if (queue.isEmpty())
            QSKIP("no test print queue: scripts/check-printing.sh sets one up (as root)");
        if (QPrinterInfo::defaultPrinter().printerName() != queue)
            QSKIP("the test print queue is not the default printer");

        const QList<int> before = completedJobs(queue);
        PupilRecord pupil;
        pupil.PupilName = QStringLiteral("Петрова-Водкина Анна");
        pupil.TasksShown = 5;
        pupil.CorrectTotal = 3;
        pupil.CorrectList = QStringLiteral(" К1 2Л1");
        pupil.WrongList = QStringLiteral("П1/2 И1/1/0 ");
        const QDateTime now(QDate(2026, 12, 9), QTime(10, 41, 7));
        auto services = makeRealServices({true});
        const PrintResult result = services->printer->print(ResultsPage::printedLines(now, pupil));
        QCOMPARE(int(result.outcome), int(PrintResult::Outcome::Printed));

        int job = 0;
        const QDeadlineTimer deadline(60000);
        while (job == 0 && !deadline.hasExpired()) {
            for (int id : completedJobs(queue))
                if (!before.contains(id))
                    job = id;
            if (job == 0)
                QThread::msleep(200);
        }
        QVERIFY2(job != 0, "the print job did not complete within a minute");

        // The document Qt sent stays in CUPS's spool folder.
        const QString spooled =
            QStringLiteral("/var/spool/cups/d%1-001").arg(job, 5, 10, QChar('0'));
        if (!QFile::exists(spooled))
            QSKIP("the spooled document cannot be read here (CUPS keeps job files only for root)");
        const QString info = run(QStringLiteral("pdfinfo"), {spooled});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(info));
        const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
        const QRegularExpressionMatch match = size.match(info);
        QVERIFY2(match.hasMatch(), qPrintable(info));
        QVERIFY(qAbs(match.captured(1).toDouble() - 419.53) < 1.5); // 148 mm
        QVERIFY(qAbs(match.captured(2).toDouble() - 595.28) < 1.5); // 210 mm

        const QString text =
            run(QStringLiteral("pdftotext"),
                {QStringLiteral("-enc"), QStringLiteral("UTF-8"), spooled, QStringLiteral("-")});
        for (const QString &expected :
             {QStringLiteral("Петрова-Водкина Анна"), QStringLiteral("09.12.2026"),
              QStringLiteral("10:41:07"), QStringLiteral("К1 2Л1"), QStringLiteral("П1/2 И1/1/0"),
              QStringLiteral("Неправильные ответы:")})
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in ") + text));
    }
};

ZORBIKS_TEST(RealPrinterTest)
#include "RealPrinterTest.moc"
