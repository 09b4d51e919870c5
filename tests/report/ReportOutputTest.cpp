// What the journal hands out: CSV for a Russian spreadsheet, a self-contained
// HTML page, the command line's options and exit status, and the location
// of the log it opens by default.

#include "support/TestMain.h"

#include "log/Cp1251.h"
#include "log/LogFormat.h"
#include "log/LogLocation.h"
#include "log/ResultsLog.h"
#include "report/CommandLine.h"
#include "report/ReportWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::report;
namespace LF = zorbiks::LogFormat;

namespace {

QString twoRuns()
{
    return LF::headerRecord({QDate(2024, 9, 2), QTime(9, 0)}, "Петрова; \"Мл\"") +
           LF::token("К1", LF::Mark::Yes) + LF::token("К1", LF::Mark::No) +
           LF::totalRecord(2, 1, " К1", "К1/1 ") +
           LF::headerRecord({QDate(2025, 5, 30), QTime(12, 0)}, "Сидоров") +
           LF::token("И8", LF::Mark::No);
}

struct Files {
    Files()
    {
        QFile file(log);
        file.open(QIODevice::WriteOnly);
        file.write(Cp1251::encode(twoRuns()));
    }
    QTemporaryDir folder;
    QString log = folder.filePath("Zorbiks.txt");
};

struct Output {
    int status = 0;
    QByteArray out;
    QByteArray err;
};

Output run(const QStringList &arguments)
{
    Output result;
    QString error;
    const auto options = parseArguments(arguments, &error);
    if (!options) {
        result.status = 2;
        result.err = error.toUtf8();
        return result;
    }
    QBuffer out(&result.out);
    QBuffer err(&result.err);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    result.status = runCommandLine(*options, out, err);
    return result;
}

} // namespace

class ReportOutputTest : public QObject {
    Q_OBJECT
private slots:
    void csvIsWhatARussianSpreadsheetOpens()
    {
        Files files;
        const Output csv = run({"--csv", files.log});
        QCOMPARE(csv.status, 0);
        QVERIFY(csv.out.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(csv.out.mid(3)).split("\r\n");
        QCOMPARE(lines[0], QStringLiteral("Работы"));
        QVERIFY(lines[1].startsWith(QStringLiteral("Дата;Время;Фамилия;Попыток;")));
        QVERIFY2(lines[2].startsWith(
                     QStringLiteral("02.09.2024;09:00:00;\"Петрова; \"\"Мл\"\"\";2;1;1;0;2;1;")),
                 qPrintable(lines[2]));
        QVERIFY(lines[3].contains(QStringLiteral(";вышел без экрана результатов;")));
        QVERIFY(lines.contains(QStringLiteral("Вопросы")));
        QVERIFY(lines.contains(QStringLiteral("К1;2;1;1;0;50,0")));
        QVERIFY(lines.contains(QStringLiteral("И8;1;0;1;0;0,0")));
    }

    void htmlIsOnePageWithTheChartAndNoOutsideResources()
    {
        Files files;
        const QString page = files.folder.filePath("журнал.html");
        QCOMPARE(run({"--html", page, "--pupil", "петрова", files.log}).status, 0);
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QVERIFY(html.startsWith("<!DOCTYPE html>"));
        QVERIFY(html.contains("<svg") && html.contains("</svg>"));
        QVERIFY(html.contains("<title>К1: 50,0% из 2</title>"));
        QVERIFY(html.contains(QStringLiteral("Петрова; &quot;Мл&quot;")));
        QVERIFY(!html.contains(QStringLiteral("Сидоров")));
        static const QRegularExpression outside(R"((src|href)\s*=|url\(|@import)");
        QVERIFY(!outside.match(html).hasMatch());
        QCOMPARE(html.count("://"), 1); // the SVG namespace only
    }

    void thePagesChartMarksAQuestionNeverRightButNotOneNeverTried()
    {
        const QString svg = svgChart({{"К1", 1, 0.0}, {"К2", 0, -1}, {"К3", 2, 50.0}});
        static const QRegularExpression bar(
            QStringLiteral("<rect [^>]*height=\"(\\d+)\" fill=\"([^\"]+)\"><title>(К\\d): "));
        QStringList drawn;
        for (const QRegularExpressionMatch &m : bar.globalMatch(svg)) {
            drawn << m.captured(3);
            QVERIFY(m.captured(1).toInt() >= 3);
            QCOMPARE(m.captured(2) != QStringLiteral("#4a7bd0"), m.captured(3) == "К1");
        }
        QCOMPARE(drawn, (QStringList{"К1", "К3"}));
        QVERIFY(svg.contains(QStringLiteral("<title>К1: 0,0% из 1</title>")));
    }

    void filtersOfTheCommandLine()
    {
        Files files;
        auto runsOf = [&](const QStringList &arguments) {
            const QString text = QString::fromUtf8(run(arguments + QStringList{files.log}).out);
            static const QRegularExpression count(QStringLiteral("Работы \\((\\d+)\\)"));
            return count.match(text).captured(1).toInt();
        };
        QCOMPARE(runsOf({}), 2);
        QCOMPARE(runsOf({"--from", "01.01.2025"}), 1);
        QCOMPARE(runsOf({"--to", "2024-12-31"}), 1);
        QCOMPARE(runsOf({"--from", "30.05.2025", "--to", "30.05.2025"}), 1);
        QCOMPARE(runsOf({"--pupil", "СИДОР"}), 1);
        QCOMPARE(runsOf({"--question", "и8"}), 1);
        QCOMPARE(runsOf({"--question", "К2"}), 0);
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("a missing file beside a good one") << QStringList{"@missing", "@log"} << 0;
        QTest::newRow("only missing files") << QStringList{"@missing"} << 1;
        QTest::newRow("a foreign file is still read") << QStringList{"@foreign"} << 0;
        QTest::newRow("no file named") << QStringList{"--csv"} << 2;
        QTest::newRow("a bad date") << QStringList{"--from", "32.01.2025", "@log"} << 2;
        QTest::newRow("an unknown question") << QStringList{"--question", "Ж1", "@log"} << 2;
        QTest::newRow("an unknown option") << QStringList{"--pdf", "@log"} << 2;
        QTest::newRow("html without a file") << QStringList{"@log", "--html"} << 2;
        QTest::newRow("csv and html at once")
            << QStringList{"--html", "out.html", "--csv", "@log"} << 2;
        QTest::newRow("ods without a file") << QStringList{"@log", "--ods"} << 2;
        QTest::newRow("csv and ods at once")
            << QStringList{"--csv", "--ods", "out.fods", "@log"} << 2;
        QTest::newRow("an ods file that cannot be written")
            << QStringList{"--ods", "@missing/out.fods", "@log"} << 1;
    }

    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        Files files;
        const QString foreign = files.folder.filePath("photo.txt");
        QFile file(foreign);
        file.open(QIODevice::WriteOnly);
        file.write("\x89PNG\r\n\x1a\nbinary");
        file.close();
        for (QString &argument : arguments) {
            argument.replace("@missing", files.folder.filePath("missing.txt"));
            argument.replace("@log", files.log);
            argument.replace("@foreign", foreign);
        }
        const Output output = run(arguments);
        QCOMPARE(output.status, status);
        if (arguments.contains(files.folder.filePath("missing.txt")))
            QVERIFY(output.err.contains("missing.txt: "));
    }

    void theDefaultLogIsWhereTheProgramWrites()
    {
        const QString application = QStringLiteral("zorbiks-journal-test");
        QCOMPARE(storedLogLocation(application), QString());
        QCOMPARE(programLogLocation(application), qEnvironmentVariable("ZORBIKS_DEFAULT_LOG"));
        {
            QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application,
                               application);
            settings.setValue("Position/secr", "/srv/класс/секрет.txt");
        }
        QCOMPARE(programLogLocation(application), QStringLiteral("/srv/класс/секрет.txt"));
        const QByteArray saved = qgetenv("ZORBIKS_DEFAULT_LOG");
        {
            QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application,
                               application);
            settings.clear();
        }
        qunsetenv("ZORBIKS_DEFAULT_LOG");
        const QString fallback = programLogLocation(application);
        // The program's own default, from its own name.
        const QString programs = ResultsLog::defaultLocationOfThisSystem();
        const QString ours = programLogLocation(QCoreApplication::applicationName());
        qputenv("ZORBIKS_DEFAULT_LOG", saved);
        QCOMPARE(ours, programs);
        QCOMPARE(fallback,
                 qEnvironmentVariable("XDG_DATA_HOME") + "/" + application + "/Zorbiks.txt");
    }
};

ZORBIKS_TEST(ReportOutputTest)
#include "ReportOutputTest.moc"
