#include "tasks/logic/RecordQuery.h"

#include "drawing/BorderedGrid.h"
#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "drawing/TextLayout.h"
#include "exercise/KeyFilters.h"
#include "exercise/NumericPrefix.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits recordQueryTraits()
{
    return {.frame = {.taskSize = {10400, 3200}, .explanationSizes = {{10400, 700}}},
            .lists = {.repeatLeadingBlank = true, .giveUpLeadingBlank = true},
            .leaving = {.resultsIconSound = QStringLiteral("click2")}};
}

const QColor sexAndScoreColour{0, 0, 128};
const QColor conditionBackground{255, 224, 192};
const QColor explainedBackground{192, 255, 192};

// A change to one pupil of the base table.
struct Change {
    int row;
    QString sex; // empty: unchanged
    int subject = -1;
    int score = 0;
};

RecordTable baseTable()
{
    const QString m = QStringLiteral("м");
    const QString f = QStringLiteral("ж");
    return {{
        {QStringLiteral("Аганян"), f, {82, 46, 32, 70}},
        {QStringLiteral("Воронин"), m, {43, 45, 74, 23}},
        {QStringLiteral("Григорчук"), m, {54, 68, 75, 83}},
        {QStringLiteral("Роднина"), f, {71, 56, 82, 79}},
        {QStringLiteral("Сергиенко"), f, {33, 74, 38, 46}},
        {QStringLiteral("Черепанова"), f, {18, 83, 28, 61}},
    }};
}

RecordTable changed(std::initializer_list<Change> changes)
{
    RecordTable table = baseTable();
    for (const Change &change : changes) {
        PupilEntry &entry = table[static_cast<size_t>(change.row)];
        if (!change.sex.isEmpty())
            entry.sex = change.sex;
        if (change.subject >= 0)
            entry.scores[static_cast<size_t>(change.subject)] = change.score;
    }
    return table;
}

} // namespace

const std::array<QString, 4> &RecordQueryModel::subjectNames()
{
    static const std::array<QString, 4> names = {
        QStringLiteral("Математика"), QStringLiteral("Химия"), QStringLiteral("Информатика"),
        QStringLiteral("Биология")};
    return names;
}

const std::array<QueryVariant, 6> &RecordQueryModel::variants()
{
    const QString m = QStringLiteral("м");
    const QString f = QStringLiteral("ж");
    // Rows: 0 Аганян, 1 Воронин, 2 Григорчук, 3 Роднина, 4 Сергиенко, 5 Черепанова.
    static const std::array<QueryVariant, 6> table = {{
        {baseTable(), m, Chemistry, Biology, 4},
        {baseTable(), m, Mathematics, Biology, 3},
        {changed({{0, m}, {2, {}, Mathematics, 76}}), f, Mathematics, Informatics, 5},
        {changed({{2, f}, {3, {}, Informatics, 72}}), m, Informatics, Biology, 1},
        {changed({{0, m},
                  {4, m},
                  {1, {}, Mathematics, 90},
                  {1, {}, Biology, 51},
                  {4, {}, Mathematics, 69},
                  {2, {}, Biology, 52}}),
         f, Mathematics, Biology, 6},
        {changed({{2, f}}), m, Informatics, Biology, 2},
    }};
    return table;
}

QString RecordQueryModel::comparison(const QueryVariant &variant)
{
    return subjectNames()[variant.greater] + QLatin1Char('>') + subjectNames()[variant.smaller];
}

QString RecordQueryModel::condition(const QueryVariant &variant)
{
    return QStringLiteral("Пол = ") + variant.sex + QStringLiteral(" ИЛИ ") + comparison(variant) +
           QLatin1Char('?');
}

QString RecordQueryModel::sexWord(const QString &sex)
{
    return sex == QStringLiteral("м") ? QStringLiteral("мужского") : QStringLiteral("женского");
}

QString RecordQueryModel::otherSex(const QString &sex)
{
    return sex == QStringLiteral("м") ? QStringLiteral("ж") : QStringLiteral("м");
}

bool RecordQueryModel::isCorrect(const QString &answer) const
{
    return numericPrefix(answer) == current().answer;
}

KeyVerdict RecordQueryModel::filter(ushort code)
{
    return KeyFilters::digitsOnly(code);
}

RecordQuery::RecordQuery()
    : Exercise(recordQueryTraits())
{}

void RecordQuery::buildView(ExerciseView &view)
{
    const ScreenMetrics &m = view.metrics;
    addText(view.task, QStringLiteral("Label1"),
            QStringLiteral("  Л4. Ниже в табличной форме представлен фрагмент базы данных о "
                           "результатах тестирования учащихся (используется стобалльная шкала):"));

    QList<QStringList> texts{{QStringLiteral("Фамилия"), QStringLiteral("Пол")}};
    for (const QString &subject : RecordQueryModel::subjectNames())
        texts[0].append(subject);
    for (const PupilEntry &entry : RecordQueryModel::variants()[0].table)
        texts.append({entry.surname, QString(), QString(), QString(), QString(), QString()});
    auto *grid = new BorderedGrid(texts, m.px(QSizeF(1500, 290)), view.task);
    grid->setObjectName(QStringLiteral("Таблица"));
    for (int c = 0; c < grid->columnCount(); ++c) {
        QLabel *header = grid->cell(0, c);
        header->setObjectName(QStringLiteral("Заголовок") + texts[0][c]);
        QFont font = header->font();
        font.setBold(true);
        header->setFont(font);
    }
    for (int r = 1; r < grid->rowCount(); ++r) {
        grid->cell(r, 0)->setObjectName(QStringLiteral("Фамилия%1").arg(r));
        sexCells_[static_cast<size_t>(r - 1)] = grid->cell(r, 1);
        grid->cell(r, 1)->setObjectName(QStringLiteral("Пол%1").arg(r));
        for (int s = 0; s < 4; ++s) {
            QLabel *cell = grid->cell(r, s + 2);
            cell->setObjectName(RecordQueryModel::subjectNames()[static_cast<size_t>(s)] +
                                QString::number(r));
            scoreCells_[static_cast<size_t>(r - 1)][static_cast<size_t>(s)] = cell;
        }
        for (int c = 1; c < grid->columnCount(); ++c)
            Colours::setTextColour(grid->cell(r, c), sexAndScoreColour);
    }
    addToFrame(view.task, grid, Qt::AlignHCenter);

    GapLabel *question =
        addText(view.task, QStringLiteral("Label46"),
                QStringLiteral("Сколько записей в данном фрагменте удовлетворяют условию:          "
                               "                                                          В ответе "
                               "укажите одно число — искомое количество записей."));
    condition_ =
        addValue(question, QStringLiteral("зад2"), QStringLiteral("условию:"), 0, Colours::red);
    Colours::setBackground(condition_, conditionBackground);

    GapLabel *explanation = addText(
        view.explanations[0], QStringLiteral("Label5"),
        QStringLiteral(
            "   В число искомых записей входят все записи учащихся                 пола, а также "
            "те записи учащихся                   пола, для которых выполнено условие: "));
    const QColor green{0, 96, 0};
    explained_[0] =
        addValue(explanation, QStringLiteral("пояс1"), QStringLiteral("учащихся"), 0, green);
    explained_[1] =
        addValue(explanation, QStringLiteral("пояс2"), QStringLiteral("учащихся"), 1, green);
    explained_[2] =
        addValue(explanation, QStringLiteral("пояс3"), QStringLiteral("условие:"), 0, green);
    for (QLabel *label : explained_)
        Colours::setBackground(label, explainedBackground);

    const auto &variants = RecordQueryModel::variants();
    question->setValues(condition_, textsOf(variants, &RecordQueryModel::condition));
    const QStringList sexes = {RecordQueryModel::sexWord(QStringLiteral("м")),
                               RecordQueryModel::sexWord(QStringLiteral("ж"))};
    explanation->setValues(explained_[0], sexes);
    explanation->setValues(explained_[1], sexes);
    explanation->setValues(explained_[2], textsOf(variants, &RecordQueryModel::comparison));
}

void RecordQuery::drawTask(RandomSource &random)
{
    model_.draw(random);
    const QueryVariant &v = model_.current();
    // All thirty cells are written, whatever the previous variant held.
    for (size_t r = 0; r < v.table.size(); ++r) {
        sexCells_[r]->setText(v.table[r].sex);
        for (size_t s = 0; s < 4; ++s)
            scoreCells_[r][s]->setText(QString::number(v.table[r].scores[s]));
    }
    condition_->setText(RecordQueryModel::condition(v));
    explained_[0]->setText(RecordQueryModel::sexWord(v.sex));
    explained_[1]->setText(RecordQueryModel::sexWord(RecordQueryModel::otherSex(v.sex)));
    explained_[2]->setText(RecordQueryModel::comparison(v));
}

} // namespace zorbiks
