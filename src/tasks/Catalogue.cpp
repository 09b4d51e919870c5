#include "tasks/Catalogue.h"

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

namespace zorbiks::Catalogue {

using ScreenLayout::Anchor;

const QList<Question> &questions()
{
    // Each line: the code, the caption of the menu's button, the exercise,
    // and what its screen's layout row changes of the defaults.
    static const QList<Question> list = {
        {.code = "К1", .caption = "К1. Кодировка  в Unicode", .make = makeExercise<UnicodeVolume>},
        {.code = "К2",
         .caption = "К2. Расшифровка радиограммы",
         .make = makeExercise<MorseRadiogram>},
        {.code = "К3",
         .caption = "К3. RGB-кодировка цвета",
         .make = makeExercise<PhotoSize>,
         .row = {.secondGap = 0}},
        {.code = "К4",
         .caption = "К4. Объём в мегабайтах",
         .make = makeExercise<MegabyteVolume>,
         .row = {.answerHeightFactor = 0.15, .feedbackGap = 100, .explanationGap = 100}},
        {.code = "К5",
         .caption = "К5. Передача через ADSL",
         .make = makeExercise<TransferSize>,
         .row = {.explanationGap = 150, .secondGap = 0}},
        {.code = "К6",
         .caption = "К6. Перевод из 10-й в 2-ую",
         .make = makeExercise<DecimalToBinary>},
        {.code = "К7",
         .caption = "К7. Перевод из 2-й  в 10-ую",
         .make = makeExercise<BinaryToDecimal>},
        {.code = "К8",
         .caption = "К8. Перевод из 2-й  в 16-ую",
         .make = makeExercise<BinaryToHex>,
         .row = {.secondGap = 50}},
        {.code = "К9",
         .caption = "К9. Перевод из 16-й в 2-ую",
         .make = makeExercise<HexToBinary>,
         .row = {.secondGap = 50}},
        {.code = "К10",
         .caption = "К10. Сложение двоичных чисел",
         .make = makeExercise<BinaryAddition>,
         .row = {.secondGap = 50}},
        {.code = "К11",
         .caption = "К11. Двоичное кодирование букв",
         .make = makeExercise<LetterCodes>},

        {.code = "Л1",
         .caption = "Л1. Найти Х из выражения",
         .make = makeExercise<CompoundCondition>,
         .row = {.secondGap = 0}},
        {.code = "Л2",
         .caption = "Л2. Выражение, соотв. таблице",
         .make = makeExercise<TruthTable>,
         .row = {.answerTaskFactor = 1.2,
                 .answerLeftFactor = 0.7,
                 .feedbackGap = 100,
                 .feedbackBelowLastAnswerLabel = true,
                 .secondGap = 0}},
        {.code = "Л3",
         .caption = "Л3. Схема ж/д движения",
         .make = makeExercise<RoadCosts>,
         .row = {.answerTaskFactor = 1.2, .answerLeftFactor = 0.83, .feedbackGap = 100}},
        {.code = "Л4",
         .caption = "Л4. Тестировнаие учеников",
         .make = makeExercise<RecordQuery>,
         .row = {.answerTaskFactor = 1, .answerOffset = 100, .feedbackGap = 100}},
        {.code = "Л5", .caption = "Л5. Цепочка букв", .make = makeExercise<LetterChain>},

        {.code = "П1",
         .caption = "П1. Черепашка",
         .make = makeExercise<TurtleFigure>,
         .row = {.answerTaskFactor = 1, .secondGap = 0}},
        {.code = "П2",
         .caption = "П2. Циклический алгоритм",
         .make = makeExercise<LoopFlowchart>,
         .row = {.answerTaskFactor = 1, .answerOffset = 100}},
        {.code = "П3",
         .caption = "П3. Вычисление по программе",
         .make = makeExercise<ThreeAssignments>,
         .row = {.answerTaskFactor = 1, .answerOffset = 100, .secondGap = 50}},
        {.code = "П4", .caption = "П4. Утроитель", .make = makeExercise<TriplerCommands>},

        {.code = "И1",
         .caption = "И1. Диаграммы в Excel",
         .make = makeExercise<SpreadsheetChart>,
         .row = {.answerTaskFactor = 1.2,
                 .answerLeftFactor = 0.83,
                 .feedbackGap = 100,
                 .explanationGap = 100,
                 .firstAnchor = Anchor::LabelUnderTask,
                 .firstLeftFactorOfWidth = 0.05,
                 .secondGap = 50,
                 .secondAnchor = Anchor::Feedback}},
        {.code = "И2",
         .caption = "И2. Вычисления в Excel",
         .make = makeExercise<FormulaCell>,
         .row = {.answerTaskFactor = 1, .answerOffset = 100, .feedbackGap = 100}},
        {.code = "И3",
         .caption = "И3. URL-адрес файла",
         .make = makeExercise<FileAddress>,
         .row = {.explanationGap = 100, .secondGap = 0}},
        {.code = "И4",
         .caption = "И4. Поисковые серверы",
         .make = makeExercise<SearchQueries>,
         .row = {.explanationGap = 100}},
        {.code = "И5",
         .caption = "И5. Перемещение по каталогам",
         .make = makeExercise<DirectoryPath>,
         .row = {.answerTaskFactor = 1,
                 .answerOffset = 100,
                 .explanationGap = 100,
                 .secondGap = 100,
                 .bottomRow = 0.94}},
        {.code = "И6",
         .caption = "И6. Начертание шрифта",
         .make = makeExercise<FontStyleName>,
         .row = {.answerTaskFactor = 1,
                 .answerOffset = 100,
                 .explanationGap = 100,
                 .bottomRow = 0.94}},
        {.code = "И7",
         .caption = "И7. Выравниваниетекста ",
         .make = makeExercise<ParagraphAlignment>,
         .row = {.answerTaskFactor = 1,
                 .answerOffset = 100,
                 .explanationGap = 100,
                 .bottomRow = 0.94}},
        {.code = "И8",
         .caption = "И8. Межстрочный интервал",
         .make = makeExercise<LineSpacing>,
         .row = {.answerTaskFactor = 1,
                 .answerOffset = 100,
                 .explanationGap = 100,
                 .bottomRow = 0.94}},
    };
    return list;
}

const Question *find(const QString &code)
{
    for (const Question &question : questions()) {
        if (question.code == code)
            return &question;
    }
    return nullptr;
}

QStringList codes()
{
    QStringList all;
    for (const Question &question : questions())
        all.append(question.code);
    return all;
}

} // namespace zorbiks::Catalogue
