#include "drawing/TaskText.h"

#include "drawing/GapLabel.h"
#include "screen/DisplayScale.h"

#include <QVBoxLayout>

namespace zorbiks {

namespace {

QVBoxLayout *layoutOf(QWidget *frame)
{
    if (auto *layout = qobject_cast<QVBoxLayout *>(frame->layout()))
        return layout;
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(DisplayScale::margins(8, 4, 8, 4));
    layout->setSpacing(DisplayScale::px(2));
    layout->addStretch(1);
    return layout;
}

} // namespace

void addToFrame(QWidget *frame, QWidget *widget, Qt::Alignment alignment)
{
    QVBoxLayout *layout = layoutOf(frame);
    // Before the closing stretch.
    layout->insertWidget(layout->count() - 1, widget, 0, alignment);
}

GapLabel *addText(QWidget *frame, const QString &name, const QString &text, const QColor &colour)
{
    auto *label = new GapLabel(text, frame);
    label->setObjectName(name);
    Colours::setTextColour(label, colour);
    addToFrame(frame, label);
    return label;
}

QLabel *addValue(GapLabel *text, const QString &name, const QString &before, int occurrence,
                 const QColor &colour)
{
    auto *value = new QLabel(text);
    value->setObjectName(name);
    value->setFont(text->font());
    Colours::setTextColour(value, colour);
    text->placeAfter(value, before, occurrence);
    return value;
}

} // namespace zorbiks
