#include "tasks/encoding/MorseRadiogram.h"

#include "drawing/BorderedGrid.h"
#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "exercise/TranslitFilters.h"
#include "screen/Fonts.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits morseRadiogramTraits()
{
    return {.frame = {.headingName = QStringLiteral("Label20"),
                      .taskSize = {10400, 2400},
                      .explanationSizes = {{10400, 500}}},
            .typed = {.giveUpToolTip = QString()}};
}

} // namespace

const std::array<Radiogram, 4> &MorseRadiogramModel::radiograms()
{
    static const std::array<Radiogram, 4> table = {{
        {QStringLiteral(" _ _ . . _ . . _ _ . . _ _ _ _ ."), QStringLiteral("ГАИГАЧ")},
        {QStringLiteral(" _ . . _ . . _ _ . . _ _ ."), QStringLiteral("НАИГАН")},
        {QStringLiteral("  _ . . _ . . _ _ . . _ _ _ _ ."), QStringLiteral("НАИГАЧ")},
        {QStringLiteral(" _ _ . . _ . . _ _ . . _ _ ."), QStringLiteral("ГАИГАН")},
    }};
    return table;
}

const std::array<MorseLetter, 5> &MorseRadiogramModel::letters()
{
    static const std::array<MorseLetter, 5> table = {{
        {QStringLiteral("И"), QStringLiteral(". .")},
        {QStringLiteral("А"), QStringLiteral(". _")},
        {QStringLiteral("Н"), QStringLiteral("_ .")},
        {QStringLiteral("Г"), QStringLiteral("_ _ .")},
        {QStringLiteral("Ч"), QStringLiteral("_ _ _ .")},
    }};
    return table;
}

KeyVerdict MorseRadiogramModel::filter(ushort code, qint16 lastKeyDown)
{
    using namespace TranslitFilters;
    const KeyVerdict typed = typedOnRussianLayout(code, lastKeyDown);
    return warnUnless(typed, typed.code == 8 || isOneOf(typed.code, u"ИАНГЧ"),
                      QStringLiteral("В ответе должны быть  только заглавные буквы, указанные в "
                                     "задании!"),
                      Warned::KeepsCharacter);
}

MorseRadiogram::MorseRadiogram()
    : Exercise(morseRadiogramTraits())
{}

void MorseRadiogram::buildView(ExerciseView &view)
{
    addText(view.task, QStringLiteral("Label1"),
            QStringLiteral("    К2. От разведчика была получена следующая шифрованная "
                           "радиограмма, переданная с использованием  азбуки Морзе:"));
    signs_ = new QLabel(view.task);
    signs_->setObjectName(QStringLiteral("Label2"));
    signs_->setFont(arialFont(12, true));
    signs_->setAlignment(Qt::AlignCenter);
    Colours::setTextColour(signs_, Colours::taskBlue);
    addToFrame(view.task, signs_);
    addText(view.task, QStringLiteral("Label3"),
            QStringLiteral("   При передаче радиограммы было потеряно разбиение на буквы, но "
                           "известно, что в радиограмме использовались только следующие буквы:"));

    QStringList letters;
    for (const MorseLetter &letter : MorseRadiogramModel::letters())
        letters << letter.letter;
    auto *table = new BorderedGrid({letters, QStringList(5, QString())},
                                   view.metrics.px(QSizeF(1100, 330)), view.task);
    table->setObjectName(QStringLiteral("КодоваяТаблица"));
    const QStringList letterNames = {"Label4", "Label6", "Label7", "Label8", "Label9"};
    for (int i = 0; i < 5; ++i) {
        QLabel *letter = table->cell(0, i);
        letter->setObjectName(letterNames[i]);
        letter->setFont(arialFont(12, true));
        QLabel *cell = table->cell(1, i);
        cell->setObjectName(QStringLiteral("Label%1").arg(10 + i));
        auto *code = new QLabel(MorseRadiogramModel::letters()[size_t(i)].code, cell);
        code->setObjectName(QStringLiteral("Label%1").arg(15 + i));
        code->setFont(arialFont(12, true));
        code->setAlignment(Qt::AlignCenter);
        // The dashes stand below the line the dots sit on: the signs are
        // lifted until their ink is centred in the cell, a dash well clear
        // of the cell's lower border.
        const QRectF ink = QFontMetricsF(code->font()).tightBoundingRect(code->text());
        const QFontMetricsF line(code->font());
        const double lift = (line.ascent() - line.descent()) / 2 + (ink.top() + ink.bottom()) / 2;
        code->setGeometry(cell->rect().translated(0, -qRound(lift)));
    }
    addToFrame(view.task, table, Qt::AlignHCenter);
    addText(view.task, QStringLiteral("Label21"),
            QStringLiteral("    Определите текст радиограммы"));

    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("Задача решается подбором букв справа налево или слева направо"));
}

void MorseRadiogram::drawTask(RandomSource &random)
{
    model_.draw(random);
    signs_->setText(model_.current().signs);
}

} // namespace zorbiks
