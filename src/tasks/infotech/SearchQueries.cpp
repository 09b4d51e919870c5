#include "tasks/infotech/SearchQueries.h"

#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "exercise/TranslitFilters.h"
#include "screen/Fonts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits searchQueriesTraits()
{
    return {.frame = {.headingName = QStringLiteral("Label20"),
                      .taskSize = {10400, 2300},
                      .explanationSizes = {{10400, 1100}}},
            .log = {.correctBlank = false, .wrongBlank = false},
            .typed = {.focusKeySinkAfterCorrect = false}};
}

const QString andGap = QStringLiteral("    ");

QLabel *makeAndSign(const QString &name, QWidget *parent)
{
    auto *sign = new QLabel(QStringLiteral("&"), parent);
    sign->setObjectName(name);
    sign->setFont(arialFont(9.75));
    Colours::setTextColour(sign, Colours::taskBlue);
    return sign;
}

// The gaps of four blanks in a query, where its AND signs go.
QList<qsizetype> andGaps(const QString &text)
{
    QList<qsizetype> gaps;
    for (qsizetype at = text.indexOf(andGap); at >= 0;
         at = text.indexOf(andGap, at + andGap.size()))
        gaps.append(at + andGap.size() / 2);
    return gaps;
}

} // namespace

const std::array<SearchQuery, 4> &SearchQueriesModel::queries()
{
    static const std::array<SearchQuery, 4> queries = {{
        {QStringLiteral("Ломоносов | Менделеев"), 0},
        {QStringLiteral("Ломоносов"), 0},
        {QStringLiteral("Ломоносов    Менделеев    Кранбельский"), 2},
        {QStringLiteral("Ломоносов    Менделеев"), 1},
    }};
    return queries;
}

SearchQueries::SearchQueries()
    : Exercise(searchQueriesTraits())
{}

KeyVerdict SearchQueries::filterKey(ushort code, qint16 lastKeyDown) const
{
    return TranslitFilters::cyrillicCapitals(code, lastKeyDown);
}

void SearchQueries::buildView(ExerciseView &view)
{
    GapLabel *task = addText(
        view.task, QStringLiteral("Label1"),
        QStringLiteral("   И4. В таблице приведены запросы к поисковому серверу. Расположите "
                       "обозначения запросов в порядке возрастания количества страниц, которые "
                       "найдет поисковый сервер по каждому запросу.\n    Для обозначения "
                       "логической операции “ИЛИ” в запросе используется символ |, а для "
                       "логической операции “И” –") +
            andGap + QStringLiteral("."));
    task->placeAfter(makeAndSign(QStringLiteral("Image5"), task), QStringLiteral("“И” –"));

    // The table of queries: a letter and its query per row.
    auto *table = new QWidget(view.task);
    table->setObjectName(QStringLiteral("Запросы"));
    auto *grid = new QGridLayout(table);
    grid->setContentsMargins(view.metrics.px(400.0), DisplayScale::px(2), 0, DisplayScale::px(2));
    grid->setHorizontalSpacing(DisplayScale::px(6));
    grid->setVerticalSpacing(DisplayScale::px(2));
    const QString letters = QStringLiteral("АБВГ");
    for (int row = 0; row < 4; ++row) {
        auto *letter = new QLabel(letters.mid(row, 1) + QLatin1Char(')'), table);
        letter->setObjectName(QStringLiteral("Буква%1").arg(row + 1));
        auto *query = new GapLabel(QString(), table);
        query->setObjectName(QStringLiteral("зад%1").arg(row + 2));
        queries_[static_cast<size_t>(row)] = query;
        const SearchQuery &data = SearchQueriesModel::queries()[static_cast<size_t>(row)];
        query->setText(data.text);
        const QList<qsizetype> gaps = andGaps(data.text);
        for (int k = 0; k < 2; ++k) {
            QLabel *sign = makeAndSign(QStringLiteral("Image%1%2").arg(row + 1).arg(k + 11), query);
            andSigns_[static_cast<size_t>(row)][static_cast<size_t>(k)] = sign;
            if (k < gaps.size())
                query->placeAt(sign, gaps[k]);
        }
        grid->addWidget(letter, row, 0);
        grid->addWidget(query, row, 1);
    }
    grid->setColumnStretch(1, 1);
    addToFrame(view.task, table);

    GapLabel *explanation = addText(
        view.explanations[0], QStringLiteral("Label5"),
        QStringLiteral("   При запросе  со знаком \"И\", например,") + QString(44, ' ') +
            QStringLiteral("поисковый сервер найдёт только страницы, в которых упоминаются и "
                           "Пушкин и Лермонтов.\nПри запросе  со знаком \"ИЛИ\", например,") +
            QString(40, ' ') +
            QStringLiteral("поисковый сервер найдёт страницы, в которых упоминается Пушкин, и все "
                           "страницы, в которых упоминается  Лермонтов. Т.е. во втором случае "
                           "количество найденных страниц будет больше."));
    addValue(explanation, QStringLiteral("Label6"), QStringLiteral("например,"), 0, Colours::red)
        ->setText(QStringLiteral("Пушкин /\\ Лермонтов"));
    addValue(explanation, QStringLiteral("Label7"), QStringLiteral("например,"), 1, Colours::red)
        ->setText(QStringLiteral("Пушкин | Лермонтов"));
}

void SearchQueries::drawTask(RandomSource &)
{
    // One data set: every showing writes the same queries and signs.
    for (size_t row = 0; row < queries_.size(); ++row) {
        const SearchQuery &query = SearchQueriesModel::queries()[row];
        GapLabel *label = queries_[row];
        label->setText(query.text);
        for (size_t k = 0; k < 2; ++k) {
            QLabel *sign = andSigns_[row][k];
            if (int(k) < query.andSigns) {
                sign->show();
            } else {
                // Out of sight, far to the left.
                sign->hide();
                sign->move(-4000, 0);
            }
        }
    }
}

} // namespace zorbiks
