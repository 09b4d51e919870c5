#include "tasks/logic/TruthTable.h"

#include "drawing/BorderedGrid.h"
#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "drawing/TwinPictures.h"
#include "screen/Fonts.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

namespace {

ExerciseTraits truthTableTraits()
{
    return {.kind = ExerciseKind::Choice,
            .frame = {.taskSize = {10400, 750},
                      .explanationCaptions = {QStringLiteral(" Пояснение 1"),
                                              QStringLiteral(" Пояснение 2")},
                      .explanationSizes = {{10400, 1150}, {10400, 700}}},
            .choice = {.size = {6900, 1450},
                       .wrongHidesOption = true,
                       .wrongHidesCompanion = true,
                       .hoverColours = false},
            .leaving = {.menuShowsPicture = QStringLiteral("логика")}};
}

const QString negation = QStringLiteral("¬");

QLabel *symbolLabel(const QString &text, QWidget *parent, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->setContentsMargins(0, 0, 0, 0);
    label->setMargin(0);
    Colours::setTextColour(label, Colours::valueRed);
    label->adjustSize();
    return label;
}

// A text of one line in the explanations' small font, over which small
// symbols are laid.
GapLabel *symbolText(const QString &text, const QFont &font, QWidget *parent = nullptr)
{
    auto *label = new GapLabel(text, parent);
    label->setWordWrap(false);
    label->setFont(font);
    Colours::setTextColour(label, Colours::valueRed);
    label->adjustSize();
    return label;
}

// A value label laid over a text's gap, sized to its text.
QLabel *gapValue(const QString &text, const QString &name, const QFont &font)
{
    auto *label = symbolLabel(text, nullptr, font);
    label->setObjectName(name);
    return label;
}

} // namespace

const std::array<QString, 4> &TruthTableModel::expressions()
{
    static const std::array<QString, 4> texts = {
        QStringLiteral("X & ¬Y"), QStringLiteral("X \\/ ¬Y"), QStringLiteral("¬X & Y"),
        QStringLiteral("¬X \\/ Y")};
    return texts;
}

const std::array<std::array<int, 4>, 4> &TruthTableModel::columns()
{
    static const std::array<std::array<int, 4>, 4> table = {{
        {0, 0, 1, 0},
        {1, 0, 1, 1},
        {0, 1, 0, 0},
        {1, 1, 0, 1},
    }};
    return table;
}

TruthTable::TruthTable()
    : Exercise(truthTableTraits())
{}

void TruthTable::buildView(ExerciseView &view)
{
    const ScreenMetrics &m = view.metrics;
    addText(
        view.task, QStringLiteral("зад1"),
        QStringLiteral("Символом F обозначено одно из указанных ниже логических выражений от двух "
                       "аргументов X и Y. В следующей таблице приведены значения функции F для") +
            QStringLiteral("\r\n") +
            QStringLiteral(
                "всевозможных значений аргументов X и Y. Какое выражение соответствует F?"));

    // The truth table stands beside the options' frame; the draw keeps it
    // there after the frame has been laid out.
    answers_ = view.answers;
    const QList<QStringList> texts = {
        {"X", "Y", "F"}, {"0", "0", ""}, {"0", "1", ""}, {"1", "0", ""}, {"1", "1", ""}};
    table_ = new BorderedGrid(texts, m.px(QSizeF(480, 290)), view.answers->parentWidget());
    table_->setObjectName(QStringLiteral("Таблица"));
    const QStringList names = {QStringLiteral("Label8"), QStringLiteral("Label12"),
                               QStringLiteral("Label15"), QStringLiteral("Label18")};
    for (int r = 0; r < table_->rowCount(); ++r) {
        for (int c = 0; c < table_->columnCount(); ++c) {
            QLabel *cell = table_->cell(r, c);
            cell->setFont(arialFont(10, r == 0));
            if (r == 0)
                Colours::setBackground(cell, QColor(225, 225, 225));
        }
        if (r > 0) {
            values_[size_t(r - 1)] = table_->cell(r, 2);
            values_[size_t(r - 1)]->setObjectName(names[r - 1]);
        }
    }

    QList<TwinPictures::Option> options;
    for (int i = 0; i < 4; ++i) {
        const QString &expression = TruthTableModel::expressions()[size_t(i)];
        options.append({QStringLiteral("Отв%1").arg(i + 1), QStringLiteral("Отв1%1").arg(i + 1),
                        TwinPictures::textBox(expression, false),
                        TwinPictures::textBox(expression, true)});
    }
    const QSize size = m.px(QSizeF(1500, 620));
    const int gap = m.px(180);
    const QSize frame = m.px(traits_.choice.size);
    const int left = (frame.width() - 4 * size.width() - 3 * gap) / 2;
    pictures_ = new TwinPictures(view.answers, options, size, gap,
                                 QPoint(left, frame.height() - size.height() - m.px(150)));
    view.setOptions(pictures_->twins(), pictures_->plains());
    view.lastAnswerLabel = pictures_->twin(3);

    // Explanation 1: the three operations, with pictures of their signs.
    // The values over the gaps are a size smaller than the texts, so that
    // they fit between the words.
    const QFont textFont = arialFont(9.75);
    const QFont font = arialFont(8.25);
    GapLabel *first = addText(
        view.explanations[0], QStringLiteral("Label5"),
        QStringLiteral(
            " Последовательно проверяем предложенные логические выражения в каждой строке таблицы. "
            "При этом учитываем, что     - знак логического умножения, т.е.                        "
            "       ;      - знак логического сложения, т.е.                           ;         - "
            "знак логического отрицания, т.е.                       ."));
    first->setFont(textFont);
    first->placeAfter(symbolLabel(QStringLiteral("&"), nullptr, font), QStringLiteral("что"));
    first->placeAfter(symbolLabel(QStringLiteral("1&1=1, 1&0=0"), nullptr, font),
                      QStringLiteral("т.е."), 0);
    first->placeAfter(gapValue(QStringLiteral("\\/"), QStringLiteral("Label21"), font),
                      QStringLiteral(";"), 0);
    first->placeAfter(
        gapValue(QStringLiteral("1 \\/ 1 = 1,  1 \\/ 0 = 1"), QStringLiteral("Label20"), font),
        QStringLiteral("т.е."), 1);
    first->placeAfter(symbolLabel(negation, nullptr, font), QStringLiteral(";"), 1);
    // Not-1 equals 0 and not-0 equals 1: a negation sign before each
    // left-hand operand of `Label24`.
    auto *notRow = new QWidget;
    QLabel *leading = symbolLabel(negation, notRow, font);
    GapLabel *label24 = symbolText(QStringLiteral("1 = 0 и   0 = 1"), font, notRow);
    label24->setObjectName(QStringLiteral("Label24"));
    label24->move(leading->width(), 0);
    const QString &notText = label24->text();
    label24->placeBefore(symbolLabel(negation, nullptr, font),
                         notText.lastIndexOf(QLatin1Char('0'), notText.size() - 5));
    notRow->adjustSize();
    first->placeAfter(notRow, QStringLiteral("т.е."), 2);

    // Explanation 2: one row of the table worked through.
    GapLabel *second =
        addText(view.explanations[1], QStringLiteral("Label9"),
                QStringLiteral("    Рассмотрим пример: если                       , то :           "
                               "                                                          и т.д."));
    second->setFont(textFont);
    second->placeAfter(
        gapValue(QStringLiteral("    X = 0 и Y = 1"), QStringLiteral("Label22"), font),
        QStringLiteral("если"));
    GapLabel *label23 =
        symbolText(QStringLiteral("  X \\/ Y = 1; X   Y = 0;    X \\/ Y = 1;   X    Y = 1"), font);
    label23->setObjectName(QStringLiteral("Label23"));
    // Its items: X \/ Y; X & Y; ¬X \/ Y; ¬X & Y.
    const QString text23 = label23->text();
    QList<qsizetype> xs;
    for (qsizetype i = text23.indexOf(QLatin1Char('X')); i >= 0;
         i = text23.indexOf(QLatin1Char('X'), i + 1))
        xs.append(i);
    // A conjunction sign in the blanks after an X, a negation just before it.
    label23->placeAt(symbolLabel(QStringLiteral("&"), nullptr, font), xs[1] + 1);
    label23->placeBefore(symbolLabel(negation, nullptr, font), xs[2]);
    label23->placeBefore(symbolLabel(negation, nullptr, font), xs[3]);
    label23->placeAt(symbolLabel(QStringLiteral("&"), nullptr, font), xs[3] + 1);
    second->placeAfter(label23, QStringLiteral("то :"));
}

void TruthTable::resetOptions(const QList<ChoiceOption> &)
{
    // The plain pictures show, the twins wait hidden, and nothing has been
    // clicked on the new task.
    pictures_->reset();
}

void TruthTable::drawTask(RandomSource &random)
{
    model_.draw(random);
    for (size_t row = 0; row < 4; ++row)
        values_[row]->setText(QString::number(model_.column()[row]));
    // Beside the options' frame, on its left.
    table_->move(answers_->x() - table_->width() - answers_->width() / 20, answers_->y());
    table_->show();
}

} // namespace zorbiks
