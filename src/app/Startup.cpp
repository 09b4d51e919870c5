#include "app/Startup.h"

#include "platform/Services.h"
#include "results/ResultsScreen.h"
#include "results/TeacherScreen.h"
#include "shell/HelpScreen.h"
#include "shell/Stage.h"
#include "tasks/encoding/UnicodeVolume.h"
#include "tasks/infotech/SpreadsheetChart.h"
#include "tasks/logic/CompoundCondition.h"
#include "tasks/programming/TurtleFigure.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

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

QStringList registeredExercises()
{
    QStringList codes = programParts().exercises.keys();
    const auto rank = [](const QString &code) {
        return std::pair(QStringLiteral("КЛПИ").indexOf(code.front()), code.mid(1).toInt());
    };
    std::sort(codes.begin(), codes.end(),
              [&](const QString &a, const QString &b) { return rank(a) < rank(b); });
    return codes;
}

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
