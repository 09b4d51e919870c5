#include "drawing/NumberedFrames.h"

#include "screen/DisplayScale.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace zorbiks {

namespace {

void retainSizeWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

QList<QFrame *> addNumberedFrames(QWidget *container, const ScreenMetrics &metrics,
                                  const QString &prefix, int count, const QSizeF &size, int columns)
{
    auto *grid = new QGridLayout(container);
    grid->setContentsMargins(DisplayScale::margins(6, 2, 6, 4));
    grid->setSpacing(DisplayScale::px(2));
    QList<QFrame *> frames;
    for (int i = 0; i < count; ++i) {
        auto *frame = new QFrame(container);
        frame->setObjectName(prefix + QString::number(i + 1));
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setFixedSize(metrics.px(size));
        retainSizeWhenHidden(frame);
        auto *row = new QHBoxLayout(frame);
        row->setContentsMargins(DisplayScale::margins(6, 0, 6, 0));
        row->setSpacing(DisplayScale::px(12));
        auto *number = new QLabel(QString::number(i + 1), frame);
        number->setObjectName(frame->objectName() + QStringLiteral("номер"));
        number->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        row->addWidget(number);
        grid->addWidget(frame, i / columns, i % columns);
        frames.append(frame);
    }
    return frames;
}

QList<QGroupBox *> addNumberedGroups(QWidget *container, const ScreenMetrics &metrics,
                                     const QString &prefix, int count, const QSizeF &size,
                                     int columns,
                                     const std::function<QWidget *(QGroupBox *, int)> &content)
{
    auto *grid = new QGridLayout(container);
    grid->setContentsMargins(DisplayScale::margins(4, 4, 4, 4));
    grid->setSpacing(DisplayScale::px(4));
    QList<QGroupBox *> frames;
    for (int i = 0; i < count; ++i) {
        auto *frame = new QGroupBox(QString::number(i + 1), container);
        frame->setObjectName(prefix + QString::number(i + 1));
        frame->setFixedSize(metrics.px(size));
        retainSizeWhenHidden(frame);
        auto *inner = new QHBoxLayout(frame);
        inner->setContentsMargins(DisplayScale::margins(2, 2, 2, 2));
        inner->addWidget(content(frame, i));
        grid->addWidget(frame, i / columns, i % columns);
        frames.append(frame);
    }
    return frames;
}

} // namespace zorbiks
