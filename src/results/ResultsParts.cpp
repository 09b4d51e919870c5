#include "results/ResultsParts.h"

#include "screen/Colours.h"
#include "screen/Fonts.h"

#include <QGroupBox>
#include <QLabel>

namespace zorbiks {

QGroupBox *makeYellowFrame(const QString &name, const QSizeF &twips, const ScreenMetrics &metrics,
                           QWidget *parent)
{
    auto *frame = new QGroupBox(parent);
    frame->setObjectName(name);
    Colours::setBackground(frame, Colours::lightYellow);
    frame->resize(metrics.px(twips));
    return frame;
}

QLabel *makeWrappedLabel(const QString &name, const QString &text, const QColor &colour,
                         QWidget *parent, bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    if (bold)
        label->setFont(arialFont(9.75, true));
    Colours::setTextColour(label, colour);
    return label;
}

} // namespace zorbiks
