#include "app/Startup.h"

#include "platform/Services.h"
#include "results/ResultsScreen.h"
#include "results/TeacherScreen.h"
#include "shell/HelpScreen.h"
#include "shell/Stage.h"
#include "tasks/encoding/BinaryAddition.h"
#include "tasks/encoding/BinaryToDecimal.h"
#include "tasks/encoding/BinaryToHex.h"
#include "tasks/encoding/DecimalToBinary.h"
#include "tasks/encoding/HexToBinary.h"
#include "tasks/encoding/LetterCodes.h"
#include "tasks/encoding/MegabyteVolume.h"
#include "tasks/encoding/MorseRadiogram.h"
#include "tasks/encoding/PhotoSize.h"
#include "tasks/encoding/TransferSize.h"
#include "tasks/encoding/UnicodeVolume.h"
#include "tasks/infotech/DirectoryPath.h"
#include "tasks/infotech/FileAddress.h"
#include "tasks/infotech/FontStyleName.h"
#include "tasks/infotech/FormulaCell.h"
#include "tasks/infotech/LineSpacing.h"
#include "tasks/infotech/ParagraphAlignment.h"
#include "tasks/infotech/SearchQueries.h"
#include "tasks/infotech/SpreadsheetChart.h"
#include "tasks/logic/CompoundCondition.h"
#include "tasks/logic/LetterChain.h"
#include "tasks/logic/RecordQuery.h"
#include "tasks/logic/RoadCosts.h"
#include "tasks/logic/TruthTable.h"
#include "tasks/programming/LoopFlowchart.h"
#include "tasks/programming/ThreeAssignments.h"
#include "tasks/programming/TriplerCommands.h"
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
        {QStringLiteral("К2"), exercise<MorseRadiogram>()},
        {QStringLiteral("К3"), exercise<PhotoSize>()},
        {QStringLiteral("К4"), exercise<MegabyteVolume>()},
        {QStringLiteral("К5"), exercise<TransferSize>()},
        {QStringLiteral("К6"), exercise<DecimalToBinary>()},
        {QStringLiteral("К7"), exercise<BinaryToDecimal>()},
        {QStringLiteral("К8"), exercise<BinaryToHex>()},
        {QStringLiteral("К9"), exercise<HexToBinary>()},
        {QStringLiteral("К10"), exercise<BinaryAddition>()},
        {QStringLiteral("К11"), exercise<LetterCodes>()},
        {QStringLiteral("Л1"), exercise<CompoundCondition>()},
        {QStringLiteral("Л2"), exercise<TruthTable>()},
        {QStringLiteral("Л3"), exercise<RoadCosts>()},
        {QStringLiteral("Л4"), exercise<RecordQuery>()},
        {QStringLiteral("Л5"), exercise<LetterChain>()},
        {QStringLiteral("П1"), exercise<TurtleFigure>()},
        {QStringLiteral("П2"), exercise<LoopFlowchart>()},
        {QStringLiteral("П3"), exercise<ThreeAssignments>()},
        {QStringLiteral("П4"), exercise<TriplerCommands>()},
        {QStringLiteral("И1"), exercise<SpreadsheetChart>()},
        {QStringLiteral("И2"), exercise<FormulaCell>()},
        {QStringLiteral("И3"), exercise<FileAddress>()},
        {QStringLiteral("И4"), exercise<SearchQueries>()},
        {QStringLiteral("И5"), exercise<DirectoryPath>()},
        {QStringLiteral("И6"), exercise<FontStyleName>()},
        {QStringLiteral("И7"), exercise<ParagraphAlignment>()},
        {QStringLiteral("И8"), exercise<LineSpacing>()},
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
