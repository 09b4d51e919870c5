// Both programs answer --help and --version on the terminal where there is
// no display at all (a console, ssh, a build machine making the manual
// pages): no DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM. The help
// speaks the locale's language: English under C and English locales,
// Russian otherwise.

#include "support/TestMain.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

class TerminalHelpTest : public QObject {
    Q_OBJECT
private slots:
    void answersWithoutADisplay_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("locale"); // NAME=VALUE
        QTest::addColumn<QString>("firstLine");
        const QString zorbiks = QStringLiteral(ZORBIKS_PROGRAM);
        const QString report = QStringLiteral(ZORBIKS_REPORT_PROGRAM);
        const QString version = QStringLiteral(" " ZORBIKS_VERSION);
        const QString ru = QStringLiteral("LANG=ru_RU.UTF-8");
        QTest::newRow("zorbiks --help, Russian")
            << zorbiks << QStringList{"--help"} << QStringList{ru}
            << QStringLiteral("Использование: zorbiks [--windowed]");
        QTest::newRow("zorbiks -h, no locale") << zorbiks << QStringList{"-h"} << QStringList{}
                                               << QStringLiteral("Usage: zorbiks [--windowed]");
        QTest::newRow("zorbiks --help, C.UTF-8 over a Russian LANG")
            << zorbiks << QStringList{"--help"} << QStringList{ru, "LC_ALL=C.UTF-8"}
            << QStringLiteral("Usage: zorbiks [--windowed]");
        QTest::newRow("zorbiks --help after --windowed")
            << zorbiks << QStringList{"--windowed", "--help"} << QStringList{ru}
            << QStringLiteral("Использование: zorbiks [--windowed]");
        QTest::newRow("zorbiks --version") << zorbiks << QStringList{"--version"} << QStringList{ru}
                                           << QStringLiteral("zorbiks") + version;
        QTest::newRow("zorbiks-report --help, Russian")
            << report << QStringList{"--help"} << QStringList{ru}
            << QStringLiteral("Использование: zorbiks-report [--window] [ЖУРНАЛ...]");
        QTest::newRow("zorbiks-report --window --help, English")
            << report << QStringList{"--window", "--help"} << QStringList{"LANG=en_GB.UTF-8"}
            << QStringLiteral("Usage: zorbiks-report [--window] [LOG...]");
        QTest::newRow("zorbiks-report --help, LANGUAGE=en over a Russian LANG")
            << report << QStringList{"--help"} << QStringList{ru, "LANGUAGE=en:ru"}
            << QStringLiteral("Usage: zorbiks-report [--window] [LOG...]");
        QTest::newRow("zorbiks-report --csv --help, no log named")
            << report << QStringList{"--csv", "--help"} << QStringList{ru}
            << QStringLiteral("Использование: zorbiks-report [--window] [ЖУРНАЛ...]");
        QTest::newRow("zorbiks-report --version")
            << report << QStringList{"--version"} << QStringList{}
            << QStringLiteral("zorbiks-report") + version;
    }

    void answersWithoutADisplay()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, locale);
        QFETCH(QString, firstLine);
        QTemporaryDir home;
        QProcessEnvironment environment;
        environment.insert("PATH", "/usr/bin:/bin");
        environment.insert("HOME", home.path());
        for (const QString &setting : locale)
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(10000));
        const QString error = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(process.exitCode() == 0, qPrintable(error));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
        QCOMPARE(lines.first(), firstLine);
        if (arguments.contains("--version"))
            QVERIFY(lines.filter("GPLv3+").size() == 1);
        else
            QVERIFY(lines.filter("--version").size() == 1);
    }
};

ZORBIKS_TEST(TerminalHelpTest)
#include "TerminalHelpTest.moc"
