#include "tasks/infotech/DirectoryPath.h"

#include "drawing/GapLabel.h"
#include "drawing/NumberedFrames.h"
#include "drawing/Options.h"
#include "drawing/TaskText.h"
#include "drawing/TextLayout.h"
#include "screen/Fonts.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>

namespace zorbiks {

namespace {

ExerciseTraits directoryPathTraits()
{
    return {.kind = ExerciseKind::Choice,
            .frame = {.headingName = QStringLiteral("Label6"),
                      .taskSize = {10400, 3100},
                      .explanationCaptions = {QStringLiteral(" Пояснение1"),
                                              QStringLiteral(" Пояснение2")},
                      .explanationSizes = {{10400, 1000}, {10400, 720}}},
            .log = {.correctBlank = false, .wrongBlank = false},
            .choice = {.caption = QStringLiteral("Номера ответов"),
                       .size = {3400, 720},
                       .wrongHidesCompanion = true,
                       .hoverColour = Colours::optionBlue,
                       .restOpaque = true},
            .leaving = {.menuShowsPicture = QStringLiteral("инфор")}};
}

QFont valueFont()
{
    return arialFont(9.75, true);
}

} // namespace

const std::array<DirectoryDataSet, 4> &DirectoryPathModel::dataSets()
{
    // The starting directories begin with the Latin "C", the paths offered
    // with the Cyrillic "С".
    static const std::array<DirectoryDataSet, 4> sets = {{
        {QStringLiteral("C:\\Физика\\Задачи\\Кинематика"),
         QStringLiteral("Экзамен"),
         {QStringLiteral("С:\\Физика\\Экзамен"), QStringLiteral("С:\\Физика"),
          QStringLiteral("С:\\Экзамен"), QStringLiteral("С:\\Физика\\Задачи\\Экзамен")}},
        {QStringLiteral("C:\\Физика\\Механика\\Динамика"),
         QStringLiteral("Тесты"),
         {QStringLiteral("С:\\Физика"), QStringLiteral("С:\\Физика\\Тесты"),
          QStringLiteral("С:\\Физика\\Механика\\Тесты"), QStringLiteral("С:\\Тесты")}},
        {QStringLiteral("C:\\Физика\\Электродинамика\\Практика\\Задачи"),
         QStringLiteral("Экзамен"),
         {QStringLiteral("С:\\Физика\\Электродинамика"),
          QStringLiteral("С:\\Экзамен\\Электродинамика"),
          QStringLiteral("С:\\Физика\\Электродинамика\\Экзамен"),
          QStringLiteral("С:\\Физика\\Задачи\\Экзамен")}},
        {QStringLiteral("C:\\Алгебра\\Задачи\\Уравнения"),
         QStringLiteral("Тесты"),
         {QStringLiteral("С:\\Алгебра"), QStringLiteral("С:\\Тесты"),
          QStringLiteral("С:\\Алгебра\\Задачи\\Тесты"), QStringLiteral("С:\\Алгебра\\Тесты")}},
    }};
    return sets;
}

DirectoryPath::DirectoryPath()
    : Exercise(directoryPathTraits())
{}

void DirectoryPath::buildView(ExerciseView &view)
{
    const ScreenMetrics &m = view.metrics;
    GapLabel *task = addText(
        view.task, QStringLiteral("Label1"),
        QStringLiteral("   И5. Пользователь работал с каталогом    \nСначала он поднялся на один "
                       "уровень вверх, затем еще раз поднялся на один уровень вверх и после "
                       "этого спустился в каталог    \nЗапишите полный путь для того каталога, в "
                       "котором оказался пользователь."));
    start_ = addValue(task, QStringLiteral("зад2"), QStringLiteral("с каталогом"));
    descent_ = addValue(task, QStringLiteral("зад3"), QStringLiteral("спустился в каталог"));
    start_->setFont(valueFont());
    descent_->setFont(valueFont());
    const auto &sets = DirectoryPathModel::dataSets();
    task->setValues(start_, textsOf(sets, &DirectoryDataSet::start));
    task->setValues(descent_, textsOf(sets, &DirectoryDataSet::descent));

    // The four paths, one frame each, one under the other.
    auto *pathFrame = new QGroupBox(QStringLiteral("Ответы"), view.task);
    pathFrame->setObjectName(QStringLiteral("Ответы11"));
    const QList<QFrame *> frames =
        addNumberedFrames(pathFrame, m, QStringLiteral("Отв"), 4, {5600, 300});
    for (size_t i = 0; i < paths_.size(); ++i) {
        QFrame *frame = frames[static_cast<qsizetype>(i)];
        auto *path = new QLabel(frame);
        path->setObjectName(QStringLiteral("от%1").arg(i + 1));
        path->setFont(valueFont());
        Colours::setTextColour(path, Colours::darkBlue);
        frame->layout()->addWidget(path);
        paths_[i] = path;
    }
    addToFrame(view.task, pathFrame, Qt::AlignHCenter);

    OptionStyle style;
    style.size = {600, 380};
    view.setOptions(addOptions(view.answers, m, QStringLiteral("о"),
                               {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4")},
                               style),
                    frames);

    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("  Отметим, что в операционной системе Windows вместо слова "
                           "\"каталог\" применяется слово \"папка\". Подняться на один уровень "
                           "вверх означает перейти в папку, расположенную левее в полном пути к "
                           "данной папке (каталогу); спуститься означает перейти в папку, "
                           "расположенную правее."));

    // The example, its two directories in red.
    auto *example = new QLabel(view.explanations[1]);
    example->setObjectName(QStringLiteral("Label7"));
    example->setTextFormat(Qt::RichText);
    example->setWordWrap(true);
    Colours::setTextColour(example, Colours::taskBlue);
    const auto red = [](const QString &text) {
        return QStringLiteral("<span style=\"color:#ff0000\">%1</span>").arg(text.toHtmlEscaped());
    };
    example->setText(
        QStringLiteral("&nbsp;&nbsp;&nbsp;Рассмотрим пример. Перемещение на один уровень вверх в "
                       "каталоге (папке) ") +
        red(QStringLiteral("С:\\Физика\\Динамика\\А3")) +
        QStringLiteral(" означает переход в каталог (папку) ") +
        red(QStringLiteral("С:\\Физика\\Динамика")) + QStringLiteral("."));
    addToFrame(view.explanations[1], example);
}

void DirectoryPath::drawTask(RandomSource &random)
{
    model_.draw(random);
    const DirectoryDataSet &set = model_.current();
    start_->setText(set.start);
    descent_->setText(set.descent);
    for (size_t i = 0; i < paths_.size(); ++i)
        paths_[i]->setText(set.paths[i]);
}

} // namespace zorbiks
