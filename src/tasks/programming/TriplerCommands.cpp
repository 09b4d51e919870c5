#include "tasks/programming/TriplerCommands.h"

#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "drawing/TextLayout.h"
#include "exercise/KeyFilters.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits triplerCommandsTraits()
{
    return {.frame = {.taskSize = {10400, 3200}, .explanationSizes = {{10400, 500}}},
            .lists = {.giveUpLeadingBlank = true}};
}

} // namespace

const std::array<TriplerVariant, 6> &TriplerCommandsModel::variants()
{
    static const std::array<TriplerVariant, 6> table = {{
        {11, 13, QStringLiteral("11121")},
        {8, 46, QStringLiteral("12121")},
        {3, 17, QStringLiteral("21211")},
        {10, 14, QStringLiteral("11211")},
        {1, 23, QStringLiteral("22211")},
        {2, 12, QStringLiteral("22111")},
    }};
    return table;
}

std::optional<qint64> TriplerCommandsModel::run(qint64 start, const QString &commands)
{
    qint64 number = start;
    for (const QChar command : commands) {
        if (command == QLatin1Char('1'))
            number -= 2;
        else if (command == QLatin1Char('2'))
            number *= 3;
        else
            return std::nullopt;
    }
    return number;
}

bool TriplerCommandsModel::isCorrect(const QString &answer) const
{
    // Every algorithm that does it is right, not only the stored one.
    if (answer.isEmpty() || answer.size() > maxCommands)
        return false;
    return run(current().start, answer) == current().target;
}

KeyVerdict TriplerCommandsModel::filter(ushort code)
{
    return KeyFilters::digitsOnly(code);
}

TriplerCommands::TriplerCommands()
    : Exercise(triplerCommandsTraits())
{}

void TriplerCommands::buildView(ExerciseView &view)
{
    const QString lineEnd = QStringLiteral("\r\n");
    const QStringList lines = {
        QStringLiteral("   П4. У исполнителя Утроитель две команды, которым присвоены номера:"),
        QStringLiteral("1. вычти 2"),
        QStringLiteral("2. умножь на три"),
        QStringLiteral("Первая из них уменьшает число на экране на 2, вторая – утраивает его. "
                       "Запишите порядок команд в алгоритме получения из числа       числа    , "
                       "содержащей не более 5 команд, указывая лишь номера команд.") +
            QString(140, QLatin1Char(' ')) + QStringLiteral("(Например, 21211 – это алгоритм:"),
        QStringLiteral("умножь на три"),
        QStringLiteral("вычти 2"),
        QStringLiteral("умножь на три"),
        QStringLiteral("вычти 2"),
        QStringLiteral("вычти 2,"),
        QStringLiteral("которая преобразует число 2 в 8)."),
        QStringLiteral("Если таких алгоритмов более одного, то запишите любой из них."),
    };
    GapLabel *task = addText(view.task, QStringLiteral("Label1"), lines.join(lineEnd));
    start_ = addValue(task, QStringLiteral("зад2"), QStringLiteral("из числа"), 0, Colours::red);
    target_ = addValue(task, QStringLiteral("зад3"), QStringLiteral("числа"), 1, Colours::red);
    Colours::setBackground(start_, Colours::green);
    Colours::setBackground(target_, Colours::green);
    const auto &variants = TriplerCommandsModel::variants();
    task->setValues(start_, textsOf(variants, &TriplerVariant::start));
    task->setValues(target_, textsOf(variants, &TriplerVariant::target));

    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("Задача решается подбором команд."));
}

void TriplerCommands::drawTask(RandomSource &random)
{
    model_.draw(random);
    start_->setText(QString::number(model_.current().start));
    target_->setText(QString::number(model_.current().target));
}

} // namespace zorbiks
