#include "tasks/logic/LetterChain.h"

#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "drawing/TextLayout.h"
#include "exercise/TranslitFilters.h"

#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

#include <cmath>

namespace zorbiks {

namespace {

ExerciseTraits letterChainTraits()
{
    return {.frame = {.taskSize = {10400, 1900}, .explanationSizes = {{10400, 900}}},
            .lists = {.giveUpLeadingBlank = true}};
}

// The long runs of blanks of a text are meant to end its lines: gives the
// text the width at which every run fills its line and the next word starts
// a new one, when there is such a width.
void fitLinesToBlankRuns(QLabel *label)
{
    const QString text = label->text();
    const QFontMetricsF metrics(label->font());
    const QRegularExpression run(QStringLiteral(" {10,}"));
    double widest = 0;
    double narrowest = 1e9;
    qsizetype lineStart = 0;
    for (auto it = run.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const qsizetype nextWordEnd = text.indexOf(QLatin1Char(' '), match.capturedEnd());
        const QString line = text.mid(lineStart, match.capturedStart() - lineStart);
        widest = std::max(widest, metrics.horizontalAdvance(line));
        narrowest = std::min(
            narrowest, metrics.horizontalAdvance(text.mid(lineStart, nextWordEnd - lineStart)));
        lineStart = match.capturedEnd();
    }
    widest = std::max(widest, metrics.horizontalAdvance(text.mid(lineStart)));
    const int width = static_cast<int>(std::floor(narrowest)) - 1;
    if (width < std::ceil(widest))
        return;
    const QMargins m = label->contentsMargins();
    label->setFixedWidth(width + m.left() + m.right());
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
    return TranslitFilters::cyrillicCapitals(code, static_cast<qint16>(lastKeyDown));
}

LetterChain::LetterChain()
    : Exercise(letterChainTraits())
{}

void LetterChain::buildView(ExerciseView &view)
{
    GapLabel *task = addText(
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
    chain_ = addValue(task, QStringLiteral("зад2"), QStringLiteral("Дана цепочка символов"), 0,
                      Colours::valueRed);
    Colours::setBackground(chain_, QColor(192, 255, 192));
    task->setValues(chain_, textsOf(LetterChainModel::variants(), &ChainVariant::chain));
    GapLabel *example = addText(
        view.explanations[0], QStringLiteral("Label5"),
        QStringLiteral("   Пример: дана цепочка ВИ, алгоритм нужно применить дважды.           "
                       "   1 проход:  ВИИВГ (в алфавите Г после В),                            "
                       "                2 проход:  ВИИВГГВИИВГ"));
    fitLinesToBlankRuns(example);
}

void LetterChain::drawTask(RandomSource &random)
{
    model_.draw(random);
    chain_->setText(model_.current().chain);
}

} // namespace zorbiks
