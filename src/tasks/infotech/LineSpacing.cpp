#include "tasks/infotech/LineSpacing.h"

#include "drawing/Options.h"
#include "drawing/SampleText.h"
#include "drawing/TaskText.h"
#include "screen/Fonts.h"

#include <QGroupBox>

namespace zorbiks {

// The sample lines, each centred horizontally, their tops `distance`
// pixels apart.
class LineStack final : public QWidget {
public:
    explicit LineStack(QWidget *parent)
        : QWidget(parent)
    {}

    void addLine(SampleText *line)
    {
        line->setParent(this);
        lines_.append(line);
        place();
    }
    const QList<SampleText *> &lines() const { return lines_; }

    void setTops(const QList<int> &tops)
    {
        tops_ = tops;
        place();
    }

protected:
    void resizeEvent(QResizeEvent *) override { place(); }

private:
    void place()
    {
        for (qsizetype i = 0; i < lines_.size(); ++i) {
            SampleText *line = lines_[i];
            line->adjustSize();
            line->move((width() - line->width()) / 2, tops_.value(i));
        }
    }

    QList<SampleText *> lines_;
    QList<int> tops_;
};

namespace {

ExerciseTraits lineSpacingTraits()
{
    return {.kind = ExerciseKind::Choice,
            .frame = {.taskSize = {10400, 2300}, .explanationSizes = {{10400, 600}}},
            .choice = {.caption = QStringLiteral("Ответы"),
                       .size = {4400, 700},
                       .hoverColour = Colours::optionBlue,
                       .restOpaque = true},
            .leaving = {.menuShowsPicture = QStringLiteral("инфор")}};
}

const double samplePoints = 9.75;

} // namespace

const std::array<double, 4> &LineSpacingModel::factors()
{
    static const std::array<double, 4> factors = {1, 1.5, 2, 3};
    return factors;
}

LineSpacing::LineSpacing()
    : Exercise(lineSpacingTraits())
{}

void LineSpacing::buildView(ExerciseView &view)
{
    metrics_ = view.metrics;
    addText(view.task, QStringLiteral("зад1"),
            QStringLiteral("  И8. Определите межстрочный интервал:"));

    lines_ = new LineStack(view.task);
    const std::array<std::pair<QString, QString>, 3> texts = {{
        {QStringLiteral("зад2"), QStringLiteral("   Важнейшей характеристикой, определяющей")},
        {QStringLiteral("зад3"),
         QStringLiteral("быстродействие процессора, является тактовая частота,")},
        {QStringLiteral("зад4"), QStringLiteral("то есть количество тактов в секунду")},
    }};
    for (const auto &[name, text] : texts) {
        auto *line = new SampleText(text);
        line->setObjectName(name);
        line->setWordWrap(false);
        line->setFont(arialFont(samplePoints));
        Colours::setTextColour(line, Qt::black);
        lines_->addLine(line);
    }
    // Room for the widest spacing.
    const double widest =
        LineSpacingModel::lineDistance(LineSpacingModel::factors().back(), samplePoints);
    lines_->setFixedHeight(metrics_.px(2 * widest) + lines_->lines().first()->sizeHint().height());
    addToFrame(view.task, lines_);

    OptionStyle style;
    style.size = {900, 420};
    view.setOptions(addOptions(view.answers, view.metrics, QStringLiteral("о"),
                               {QStringLiteral("   1   "), QStringLiteral(" 1,5  "),
                                QStringLiteral("   2   "), QStringLiteral("   3   ")},
                               style));

    addText(view.explanations[0], QStringLiteral("Label5"),
            QStringLiteral("  Межстрочный интервал - это отношение расстояния между строками к "
                           "высоте строчных букв"));
}

void LineSpacing::drawTask(RandomSource &random)
{
    model_.draw(random);
    // The spacing follows the font size the first line has now.
    const double points = lines_->lines().first()->font().pointSizeF();
    const double distance = LineSpacingModel::lineDistance(model_.factor(), points);
    QList<int> tops;
    for (qsizetype i = 0; i < lines_->lines().size(); ++i)
        tops.append(metrics_.px(i * distance));
    lines_->setTops(tops);
}

} // namespace zorbiks
