#include "exercise/NumberedFrames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace zorbiks {

QList<QFrame *> addNumberedFrames(QWidget *container, const ScreenMetrics &metrics,
                                  const QString &prefix, int count, const QSizeF &size, int columns)
{
    auto *grid = new QGridLayout(container);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setSpacing(2);
    QList<QFrame *> frames;
    for (int i = 0; i < count; ++i) {
        auto *frame = new QFrame(container);
        frame->setObjectName(prefix + QString::number(i + 1));
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setFixedSize(metrics.px(size));
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
        auto *row = new QHBoxLayout(frame);
        row->setContentsMargins(6, 0, 6, 0);
        row->setSpacing(12);
        auto *number = new QLabel(QString::number(i + 1), frame);
        number->setObjectName(frame->objectName() + QStringLiteral("номер"));
        number->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        row->addWidget(number);
        grid->addWidget(frame, i / columns, i % columns);
        frames.append(frame);
    }
    return frames;
}

void setCompanions(QList<ChoiceOption> &options, const QList<QFrame *> &frames)
{
    for (qsizetype i = 0; i < options.size() && i < frames.size(); ++i)
        options[i].companion = frames[i];
}

} // namespace zorbiks
