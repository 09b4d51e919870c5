#include "app/Startup.h"

#include "platform/Services.h"
#include "results/ResultsScreen.h"
#include "results/TeacherScreen.h"
#include "shell/HelpScreen.h"
#include "shell/Stage.h"
#include "tasks/Catalogue.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace zorbiks {

namespace {

template <typename T> ScreenFactory screen()
{
    return [](const ScreenContext &context, QWidget *parent) -> Screen * {
        return new T(context, parent);
    };
}

StageParts programParts()
{
    StageParts parts;
    parts.questions = Catalogue::questions();
    parts.results = screen<ResultsScreen>();
    parts.help = screen<HelpScreen>();
    parts.teacher = screen<TeacherScreen>();
    return parts;
}

// Russian texts of Qt's own controls (the context menu of a text box).
void installTranslation(QObject *owner)
{
    auto *translator = new QTranslator(owner);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace

QWidget *startApplication(const QStringList &arguments)
{
    const bool windowed = arguments.contains(QStringLiteral("--windowed"));
    return startApplication(arguments, makeRealServices({windowed}));
}

QWidget *startApplication(const QStringList &arguments, std::unique_ptr<Services> services)
{
    const bool windowed = arguments.contains(QStringLiteral("--windowed"));
    auto *stage = new Stage(std::move(services), programParts(), windowed);
    installTranslation(stage);
    stage->start();
    return stage;
}

void endApplication(QWidget *stage, int code)
{
    static_cast<Stage *>(stage)->finishRun();
    std::fflush(nullptr);
    std::_Exit(code);
}

} // namespace zorbiks
