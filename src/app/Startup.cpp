#include "app/Startup.h"

#include "platform/Services.h"
#include "results/ResultsScreen.h"
#include "results/TeacherScreen.h"
#include "shell/HelpScreen.h"
#include "shell/Stage.h"
#include "tasks/encoding/UnicodeVolume.h"
#include "tasks/infotech/SpreadsheetChart.h"
#include "tasks/logic/CompoundCondition.h"
#include "tasks/logic/LetterChain.h"
#include "tasks/logic/RecordQuery.h"
#include "tasks/logic/RoadCosts.h"
#include "tasks/logic/TruthTable.h"
#include "tasks/programming/TurtleFigure.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zorbiks {

namespace {

template <typename T> ExerciseFactory exercise()
{
    return [] { return std::make_unique<T>(); };
}

template <typename T> ScreenFactory screen()
{
    return [](const ScreenContext &context, QWidget *parent) -> Screen * {
        return new T(context, parent);
    };
}

StageParts programParts()
{
    StageParts parts;
    parts.exercises = {
        {QStringLiteral("К1"), exercise<UnicodeVolume>()},
        {QStringLiteral("Л1"), exercise<CompoundCondition>()},
        {QStringLiteral("Л2"), exercise<TruthTable>()},
        {QStringLiteral("Л3"), exercise<RoadCosts>()},
        {QStringLiteral("Л4"), exercise<RecordQuery>()},
        {QStringLiteral("Л5"), exercise<LetterChain>()},
        {QStringLiteral("П1"), exercise<TurtleFigure>()},
        {QStringLiteral("И1"), exercise<SpreadsheetChart>()},
    };
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

} // namespace zorbiks
