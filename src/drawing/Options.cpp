#include "drawing/Options.h"

#include "screen/Colours.h"
#include "screen/Fonts.h"
#include "screen/HoverLabel.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace zorbiks {

namespace {

HoverLabel *makeOption(QWidget *frame, const ScreenMetrics &metrics, const QString &name,
                       const QString &caption, const OptionStyle &style, const QString &toolTip)
{
    auto *label = new HoverLabel(caption, frame);
    label->setObjectName(name);
    if (!toolTip.isEmpty())
        label->setToolTip(toolTip);
    QFont font = label->font();
    font.setPointSizeF(scaledPoints(style.pointSize));
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(style.wordWrap);
    label->setCentredWords(style.wordWrap);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    Colours::setTextColour(label, Colours::darkBlue);
    Colours::setDisabledTextColour(label, QColor(150, 150, 170));
    label->setFixedSize(metrics.px(style.size));
    // Options that are hidden leave their places empty.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    return label;
}

} // namespace

QList<HoverLabel *> addOptions(QWidget *frame, const ScreenMetrics &metrics, const QString &prefix,
                               const QStringList &captions, const OptionStyle &style,
                               Qt::Orientation orientation, const QStringList &toolTips)
{
    auto *layout = new QBoxLayout(
        orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, frame);
    layout->setContentsMargins(DisplayScale::margins(6, 4, 6, 4));
    QList<HoverLabel *> options;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        HoverLabel *label = makeOption(frame, metrics, prefix + QString::number(i + 1), captions[i],
                                       style, toolTips.value(i));
        layout->addWidget(label, 0, Qt::AlignCenter);
        options.append(label);
    }
    return options;
}

QList<HoverLabel *> addOptionColumns(QWidget *frame, const ScreenMetrics &metrics,
                                     const QString &prefix, const QStringList &captions,
                                     const OptionStyle &style, int perColumn)
{
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(DisplayScale::margins(6, 4, 6, 4));
    QList<HoverLabel *> options;
    for (int i = 0; i < captions.size(); ++i) {
        HoverLabel *label = makeOption(frame, metrics, prefix + QString::number(i + 1), captions[i],
                                       style, QString());
        grid->addWidget(label, i % perColumn, i / perColumn, Qt::AlignCenter);
        options.append(label);
    }
    return options;
}

} // namespace zorbiks
