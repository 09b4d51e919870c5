// zorbiks-report: the teacher's journal of the results logs. Without
// arguments it opens its window on the log of this computer; with logs on
// the command line it prints the report (see CommandLine.h).

#include "HelpAndVersion.h"
#include "log/LogLocation.h"
#include "report/CommandLine.h"
#include "report/JournalWindow.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>
#include <memory>

using namespace zorbiks::report;

namespace {

bool wantsWindow(int argc, char *argv[])
{
    if (argc <= 1)
        return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--window") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const auto status = zorbiks::answerHelpOrVersion(argc, argv, "zorbiks-report", usage))
        return *status;
    if (!wantsWindow(argc, argv)) {
        QCoreApplication application(argc, argv);
        QStringList arguments = application.arguments();
        arguments.removeFirst();
        QFile out;
        QFile err;
        (void)out.open(stdout, QIODevice::WriteOnly);
        (void)err.open(stderr, QIODevice::WriteOnly);
        QString error;
        const auto options = parseArguments(arguments, &error);
        if (!options) {
            err.write(
                (QStringLiteral("zorbiks-report: ") + error + QStringLiteral("\n\n") + usage())
                    .toUtf8());
            return 2;
        }
        return runCommandLine(*options, out, err);
    }

    QApplication application(argc, argv);
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    QStringList arguments = application.arguments();
    arguments.removeFirst();
    QString error;
    const auto options = parseArguments(arguments, &error);
    JournalWindow window;
    if (options && !options->logs.isEmpty())
        window.openPaths(options->logs);
    else
        window.openPaths({zorbiks::programLogLocation(QStringLiteral("zorbiks"))});
    window.show();
    return application.exec();
}
