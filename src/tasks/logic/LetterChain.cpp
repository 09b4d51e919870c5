#include "tasks/logic/LetterChain.h"

#include "exercise/GapLabel.h"
#include "exercise/TaskText.h"
#include "pupil/Transliteration.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits letterChainTraits()
{
    ExerciseTraits traits;
    traits.code = QStringLiteral("Л5");
    traits.kind = ExerciseKind::Typed;
    traits.taskSize = {10400, 1900};
    traits.explanationSizes = {{10400, 900}};
    traits.giveUpEntryLeadingBlank = true;
    return traits;
}

bool isCyrillicLetter(ushort code)
{
    return code >= 192 || code == 168 || code == 184;
}

bool isSmallCyrillicLetter(ushort code)
{
    return code >= 224 && code <= 255;
}

// The signs that the answer never holds: point, slash, digits, colon,
// semicolon, less-than, equals, greater-than, question mark, backslash and
// vertical bar.
bool isDiscardedSign(ushort code)
{
    return (code >= 46 && code <= 63) || code == 92 || code == 124;
}

} // namespace

const std::array<ChainVariant, 10> &LetterChainModel::variants()
{
    // Variants 1 and 7 are the same task. The alphabet step after Е is Ж.
    static const std::array<ChainVariant, 10> table = {{
        {QStringLiteral("БМ"), QStringLiteral("БММБВВБММБВ")},
        {QStringLiteral("ЕН"), QStringLiteral("ЕННЕЖЖЕННЕЖ")},
        {QStringLiteral("ФЫ"), QStringLiteral("ФЫЫФХХФЫЫФХ")},
        {QStringLiteral("ВА"), QStringLiteral("ВААВГГВААВГ")},
        {QStringLiteral("ПЛ"), QStringLiteral("ПЛЛПРРПЛЛПР")},
        {QStringLiteral("СМ"), QStringLiteral("СММСТТСММСТ")},
        {QStringLiteral("БМ"), QStringLiteral("БММБВВБММБВ")},
        {QStringLiteral("ЧЯ"), QStringLiteral("ЧЯЯЧШШЧЯЯЧШ")},
        {QStringLiteral("БЮ"), QStringLiteral("БЮЮБВВБЮЮБВ")},
        {QStringLiteral("КТ"), QStringLiteral("КТТКЛЛКТТКЛ")},
    }};
    return table;
}

KeyVerdict LetterChainModel::filter(ushort code, int lastKeyDown)
{
    KeyVerdict verdict{code, {}, {}};
    if (code >= 32 && code <= 126) {
        const ushort letter = LatinToCyrillic(code, lastKeyDown);
        // The keys of Б, Ю, Ж and their small letters carry signs on the
        // Latin layout: they give their letters like every other key.
        if (isDiscardedSign(code) && !isCyrillicLetter(letter))
            return {0, {}, {}};
        verdict.code = letter;
        verdict.layout = KeyboardLayoutKind::Russian;
    }
    if (isSmallCyrillicLetter(verdict.code))
        verdict.warning = QStringLiteral("В ответе должны быть  только заглавные буквы!");
    return verdict;
}

LetterChain::LetterChain()
    : Exercise(letterChainTraits())
{}

void LetterChain::buildView(ExerciseView &view)
{
    task_ = addText(
        view.task, QStringLiteral("Label1"),
        QStringLiteral(
            "   Л5. Некоторый алгоритм из одной цепочки символов получает новую цепочку следующим "
            "образом. Сначала записывается исходная цепочка символов, после нее записывается "
            "исходная цепочка символов в обратном порядке, затем записывается буква, следующая в "
            "русском алфавите за той буквой, которая в исходной цепочке стояла на первом месте.") +
            QLatin1Char(' ') +
            QStringLiteral("Получившаяся цепочка является результатом работы алгоритма. Например, "
                           "если исходная цепочка символов была ЛЕС, то результатом работы "
                           "алгоритма будет цепочка ЛЕССЕЛМ.") +
            QStringLiteral("\r\n") +
            QStringLiteral(
                "    Дана цепочка символов      . Какая цепочка символов получится, если к данной "
                "цепочке применить алгоритм дважды (то-есть к данной цепочке применить алгоритм, а "
                "затем к результату его работы применить алгоритм еще раз)?"));
    chain_ = addValue(task_, QStringLiteral("зад2"), QStringLiteral("Дана цепочка символов"), 0,
                      QColor(160, 0, 0));
    Colours::setBackground(chain_, QColor(192, 255, 192));
    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("   Пример: дана цепочка ВИ, алгоритм нужно применить дважды.           "
                           "   1 проход:  ВИИВГ (в алфавите Г после В),                            "
                           "                2 проход:  ВИИВГГВИИВГ"));
}

void LetterChain::drawTask(RandomSource &random)
{
    model_.draw(random);
    chain_->setText(model_.current().chain);
    task_->placeOverlays();
}

} // namespace zorbiks
