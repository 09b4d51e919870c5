#include "tasks/encoding/LetterCodes.h"

#include "drawing/BorderedGrid.h"
#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "exercise/TranslitFilters.h"
#include "screen/Fonts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits letterCodesTraits()
{
    return {.frame = {.headingName = QStringLiteral("Label20"),
                      .taskSize = {10400, 1700},
                      .explanationSizes = {{10400, 450}}},
            .typed = {.focusKeySinkAfterCorrect = false}};
}

} // namespace

const std::array<LetterCode, 5> &LetterCodesModel::codes()
{
    static const std::array<LetterCode, 5> table = {{
        {"A", "000"},
        {"B", "01"},
        {"C", "100"},
        {"D", "10"},
        {"E", "011"},
    }};
    return table;
}

const std::array<CodedString, 4> &LetterCodesModel::strings()
{
    static const std::array<CodedString, 4> table = {{
        {" 0110100011000", "BDCEA"},
        {"1001100000011", "DBCAE"},
        {" 0000111010001", "AEDCB"},
        {" 1001110001000", "DECBA"},
    }};
    return table;
}

KeyVerdict LetterCodesModel::filter(ushort code)
{
    using namespace TranslitFilters;
    // В, И, С, У, Ф: the Russian letters of the keys D, B, C, E, A.
    const KeyVerdict typed = typedOnUsLayout(code, u"ВИСУФ");
    const ushort c = typed.code;
    return warnUnless(typed, c == 8 || (c >= 'A' && c <= 'E'),
                      QStringLiteral("В ответе должны быть  только заглавные латинские буквы, "
                                     "указанные в задании!"),
                      Warned::KeepsCharacter);
}

LetterCodes::LetterCodes()
    : Exercise(letterCodesTraits())
{}

void LetterCodes::buildView(ExerciseView &view)
{
    addText(view.task, QStringLiteral("зад1"),
            QStringLiteral("    К11. Для 5 букв латинского алфавита заданы их двоичные коды (для "
                           "некоторых из 2 цифр, для некоторых из 3). Эти коды представлены в "
                           "таблице:"));
    QStringList letters;
    QStringList codes;
    for (const LetterCode &code : LetterCodesModel::codes()) {
        letters << code.letter;
        codes << code.code;
    }
    auto *table = new BorderedGrid({letters, codes}, view.metrics.px(QSizeF(900, 330)), view.task);
    table->setObjectName(QStringLiteral("Коды"));
    table->setFont(arialFont(11.25));
    addToFrame(view.task, table, Qt::AlignHCenter);

    auto *row = new QWidget(view.task);
    auto *line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto *question = new QLabel(
        QStringLiteral("  Определите, какой набор букв закодирован двоичной строкой:"), row);
    question->setObjectName(QStringLiteral("Label19"));
    bits_ = new QLabel(row);
    bits_->setObjectName(QStringLiteral("зад2"));
    bits_->setFont(arialFont(9.75, true));
    Colours::setTextColour(bits_, Colours::red);
    line->addWidget(question);
    line->addWidget(bits_);
    line->addStretch(1);
    addToFrame(view.task, row);

    view.explanations[0]->setFont(arialFont(8.25));
    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("Задача решается подбором букв справа налево"));
}

void LetterCodes::drawTask(RandomSource &random)
{
    model_.draw(random);
    bits_->setText(model_.current().bits);
}

} // namespace zorbiks
