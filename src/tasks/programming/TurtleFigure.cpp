#include "tasks/programming/TurtleFigure.h"

#include "drawing/GapLabel.h"
#include "drawing/Options.h"
#include "drawing/TaskText.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits turtleFigureTraits()
{
    return {.kind = ExerciseKind::Choice,
            .frame = {.taskSize = {10400, 2500},
                      .explanationCaptions = {QStringLiteral(" Пояснение 1"),
                                              QStringLiteral(" Пояснение 2")},
                      .explanationSizes = {{10400, 700}, {10400, 550}}},
            .choice = {.size = {10000, 800}},
            .leaving = {.menuEnablesPictures = true, .menuShowsPicture = QStringLiteral("логика")}};
}

} // namespace

const std::array<QString, 4> &TurtleFigureModel::algorithms()
{
    static const std::array<QString, 4> table = {
        QStringLiteral("Повтори 4 [ Вперёд10  Вправо 36 ]"),
        QStringLiteral("Повтори 4 [ Вперёд10  Вправо 90 ]"),
        QStringLiteral("Повтори 6 [ Вперёд10  Вправо 72 ]"),
        QStringLiteral("Повтори 6 [ Вперёд10  Вправо 60 ]"),
    };
    return table;
}

TurtleFigure::TurtleFigure()
    : Exercise(turtleFigureTraits())
{}

void TurtleFigure::buildView(ExerciseView &view)
{
    const QString lineEnd = QStringLiteral("\r\n");
    addText(view.task, QStringLiteral("зад1"),
            QStringLiteral("   П1. Исполнитель Черепашка перемещается на экране компьютера, "
                           "оставляя след в виде линии. В каждый конкретный момент известно "
                           "положение исполнителя и направление его движения. У исполнителя "
                           "существуют две команды:") +
                lineEnd +
                QStringLiteral(" Вперед n, где n целое число, вызывающая передвижение Черепашки "
                               "на n шагов в направлении движения.") +
                lineEnd +
                QStringLiteral("Направо m, где m - целое число, вызывающая изменение направления "
                               "движения на m градусов по часовой стрелке.") +
                lineEnd +
                QStringLiteral("Запись Повтори 5 [Команда1 Команда2] означает, что "
                               "последовательность команд в скобках повторится 5 раз.") +
                lineEnd + QStringLiteral("Черепашке был дан для исполнения следующий алгоритм:") +
                lineEnd);
    algorithm_ = new QLabel(view.task);
    algorithm_->setObjectName(QStringLiteral("зад2"));
    QFont bold = algorithm_->font();
    bold.setBold(true);
    algorithm_->setFont(bold);
    Colours::setTextColour(algorithm_, Colours::red);
    addToFrame(view.task, algorithm_, Qt::AlignHCenter);
    addText(view.task, QStringLiteral("Label2"),
            QStringLiteral("Какая фигура появится на экране?"));

    OptionStyle style;
    style.size = {2300, 620};
    style.pointSize = 9.75;
    style.wordWrap = true;
    view.setOptions(addOptions(
        view.answers, view.metrics, QStringLiteral("Отв"),
        {QStringLiteral("Незамкнутая ломанная  линия"), QStringLiteral("квадрат"),
         QStringLiteral("            правильный                    пятиугольник"),
         QStringLiteral("               правильный                       шестиугольник")},
        style));

    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("   При переходе с одной стороны n-угольника на другую Черепашка "
                           "поворачивает на угол, равный внешнему углу n-угольника, который, в "
                           "свою очередь, равен 360/n."));
    addText(view.explanations[1], QStringLiteral("Label3"),
            QStringLiteral("  Внешний угол квадрата равен 90, правильного 5-угольника - 72 и "
                           "правильного 6-угольника - 60 град."));
}

void TurtleFigure::drawTask(RandomSource &random)
{
    model_.draw(random);
    algorithm_->setText(TurtleFigureModel::algorithms()[static_cast<size_t>(model_.variant() - 1)]);
}

} // namespace zorbiks
