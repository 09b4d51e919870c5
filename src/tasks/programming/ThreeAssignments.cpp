#include "tasks/programming/ThreeAssignments.h"

#include "drawing/BorderedGrid.h"
#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "exercise/NumericPrefix.h"
#include "screen/Fonts.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

const QColor algorithmBlue(0, 0, 128);

ExerciseTraits threeAssignmentsTraits()
{
    return {.frame = {.taskSize = {10400, 2950},
                      .explanationCaptions = {QStringLiteral(" Пояснение1"),
                                              QStringLiteral(" Пояснение2")},
                      .explanationSizes = {{10400, 750}, {10400, 750}}},
            .lists = {.giveUpLeadingBlank = true}};
}

// A green label over a gap of an explanation.
void addGapValue(GapLabel *text, const QString &name, const QString &value, const QString &before,
                 int occurrence = 0)
{
    QLabel *label = addValue(text, name, before, occurrence, Colours::taskBlue);
    label->setText(value);
    Colours::setBackground(label, Colours::green);
}

} // namespace

const std::array<AssignmentVariant, 8> &ThreeAssignmentsModel::variants()
{
    // The second right-hand side of every variant but the third writes its
    // variable with the Cyrillic а, as the pupils have always seen it.
    static const std::array<AssignmentVariant, 8> table = {{
        {QStringLiteral("4"), QStringLiteral("8 + 2 * а"), QStringLiteral("b / 2 * a"), 32},
        {QStringLiteral("3"), QStringLiteral("3 + 3 * а"), QStringLiteral("b / 3 * a"), 12},
        {QStringLiteral("5"), QStringLiteral("a / 5 + 7"), QStringLiteral("b / 2 - a"), -1},
        {QStringLiteral("6"), QStringLiteral("10 - 2 * а"), QStringLiteral("b / 2 * a"), -6},
        {QStringLiteral("9"), QStringLiteral("4 + 2 * а"), QStringLiteral("b / 2 - a"), 2},
        {QStringLiteral("8"), QStringLiteral("18 - 2 * а"), QStringLiteral("b / 2 * a"), 8},
        {QStringLiteral("24"), QStringLiteral("18 - а / 3"), QStringLiteral("b * 4 - a"), 16},
        {QStringLiteral("45"), QStringLiteral("18 - а / 9"), QStringLiteral("b * 2 + a"), 71},
    }};
    return table;
}

bool ThreeAssignmentsModel::isCorrect(const QString &answer) const
{
    return numericPrefix(answer) == current().answer;
}

KeyVerdict ThreeAssignmentsModel::filter(ushort code)
{
    const bool passes = code <= 8 || code == '-' || code == '.' || (code >= '0' && code <= '9');
    return {passes ? code : ushort(0), {}, {}};
}

ThreeAssignments::ThreeAssignments()
    : Exercise(threeAssignmentsTraits())
{}

void ThreeAssignments::buildView(ExerciseView &view)
{
    const ScreenMetrics &m = view.metrics;
    addText(view.task, QStringLiteral("Label1"),
            QStringLiteral("    В алгоритме, записанном ниже, используются целочисленные "
                           "переменные a и b, а также следующие\r\nоперации:"));

    // The table of operation signs on the left, the question and the
    // algorithm on the right.
    auto *row = new QWidget(view.task);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(m.px(300));
    auto *signs = new BorderedGrid({{QStringLiteral("Обозначение"), QStringLiteral("Тип операции")},
                                    {QStringLiteral(":="), QStringLiteral("Присваивание")},
                                    {QStringLiteral("+"), QStringLiteral("Сложение")},
                                    {QStringLiteral("-"), QStringLiteral("Вычитание")},
                                    {QStringLiteral("*"), QStringLiteral("Умножение")},
                                    {QStringLiteral("/"), QStringLiteral("Деление")}},
                                   m.px(QSizeF(1500, 270)), row);
    signs->setObjectName(QStringLiteral("Операции"));
    rowLayout->addWidget(signs, 0, Qt::AlignTop);

    auto *right = new QWidget(row);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto *question = new GapLabel(
        QStringLiteral(
            "   Определите значение переменной a после исполнения\r\nданного алгоритма."),
        right);
    question->setObjectName(QStringLiteral("Label42"));
    Colours::setTextColour(question, Colours::taskBlue);
    rightLayout->addWidget(question);

    // The algorithm, white on dark blue: "a :=", "b :=", "a :=" on three
    // lines, each followed by the right-hand side of the variant.
    auto *algorithm = new QWidget(right);
    algorithm->setObjectName(QStringLiteral("Алгоритм"));
    Colours::setBackground(algorithm, algorithmBlue);
    algorithm->setFixedSize(m.px(QSizeF(3000, 1000)));
    auto *names = new GapLabel(QStringLiteral("   a :=\r\n   b :=\r\n   a :="), algorithm);
    names->setObjectName(QStringLiteral("Label43"));
    names->setFont(arialFont(12, true));
    Colours::setTextColour(names, Qt::white);
    names->setGeometry(algorithm->rect().adjusted(0, m.px(100), 0, 0));
    const QString names43 = names->text();
    qsizetype from = 0;
    for (size_t i = 0; i < sides_.size(); ++i) {
        auto *side = new QLabel(names);
        side->setObjectName(QStringLiteral("зад%1").arg(i + 2));
        side->setFont(names->font());
        side->setContentsMargins(m.px(120), 0, 0, 0);
        Colours::setTextColour(side, Qt::white);
        from = names43.indexOf(QStringLiteral(":="), from) + 2;
        names->placeAt(side, from);
        sides_[i] = side;
    }
    rightLayout->addWidget(algorithm, 0, Qt::AlignLeft);
    rightLayout->addStretch(1);
    rowLayout->addWidget(right, 1);
    addToFrame(view.task, row);

    addText(view.task, QStringLiteral("Label11"),
            QStringLiteral("Порядок действий соответствует правилам арифметики.\r\n"
                           "В ответе укажите одно число — значение переменной a."));

    GapLabel *first = addText(
        view.explanations[0], QStringLiteral("Label5"),
        QStringLiteral("   Операция присваивания обозначается знаком      в Паскале; в Бэйсике для "
                       "этой операции используется знак равенства. При выполнении оператора  "
                       "присваивания          программа записывает  цифру    в ячейку оперативной "
                       "памяти, отведённую для переменной   ."));
    addGapValue(first, QStringLiteral("Label4"), QStringLiteral(":="), QStringLiteral("знаком"));
    addGapValue(first, QStringLiteral("Label13"), QStringLiteral("a := 4"),
                QStringLiteral("присваивания"), 1);
    addGapValue(first, QStringLiteral("Label14"), QStringLiteral("4"), QStringLiteral("цифру"));
    addGapValue(first, QStringLiteral("Label15"), QStringLiteral("a"),
                QStringLiteral("переменной"));

    GapLabel *second = addText(
        view.explanations[1], QStringLiteral("Label3"),
        QStringLiteral(
            "  При выполнении оператора присваивания                         программа извлекает "
            "из ячейки     значение переменной     (4), производит арифметические действия и  "
            "записывает результат (30) в ячейку, отведённую для переменной    ."));
    addGapValue(second, QStringLiteral("Label16"), QStringLiteral("b := 18 + 3 * a"),
                QStringLiteral("присваивания"));
    addGapValue(second, QStringLiteral("Label17"), QStringLiteral("a"),
                QStringLiteral("из ячейки"));
    addGapValue(second, QStringLiteral("Label18"), QStringLiteral("a"),
                QStringLiteral("значение переменной"));
    addGapValue(second, QStringLiteral("Label19"), QStringLiteral("b"),
                QStringLiteral("переменной"), 1);
}

void ThreeAssignments::drawTask(RandomSource &random)
{
    model_.draw(random);
    const AssignmentVariant &v = model_.current();
    sides_[0]->setText(v.first);
    sides_[1]->setText(v.second);
    sides_[2]->setText(v.third);
}

} // namespace zorbiks
