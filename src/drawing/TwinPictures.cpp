#include "drawing/TwinPictures.h"

#include "screen/Colours.h"

#include <QEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace zorbiks {

TwinPictures::TwinPictures(QWidget *frame, const QList<Option> &options, const QSize &size, int gap,
                           const QPoint &topLeft)
    : QObject(frame)
    , frame_(frame)
{
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QRect place(topLeft + QPoint(int(i) * (size.width() + gap), 0), size);
        auto *plain = new Picture(options[i].plain, size, frame);
        plain->setObjectName(options[i].plainName);
        plain->setGeometry(place);
        plain->setMouseTracking(true);
        plain->installEventFilter(this);
        auto *twin = new Picture(options[i].twin, size, frame);
        twin->setObjectName(options[i].twinName);
        twin->setGeometry(place);
        twin->setCursor(Qt::PointingHandCursor);
        twin->installEventFilter(this);
        twin->hide();
        plain_.append(plain);
        twin_.append(twin);
    }
    frame->setMouseTracking(true);
    frame->installEventFilter(this);
}

void TwinPictures::reset()
{
    clicked_ = false;
    for (qsizetype i = 0; i < twin_.size(); ++i) {
        twin_[i]->setGeometry(plain_[i]->geometry());
        twin_[i]->setEnabled(true);
    }
    showPlainPictures();
}

void TwinPictures::showPlainPictures()
{
    for (qsizetype i = 0; i < twin_.size(); ++i) {
        twin_[i]->hide();
        plain_[i]->show();
    }
}

// The place of `watched` among `pictures`, or -1; the filter also watches
// the frame, which is no picture, so the object is compared as it is.
static qsizetype indexOf(const QList<Picture *> &pictures, const QObject *watched)
{
    for (qsizetype i = 0; i < pictures.size(); ++i)
        if (pictures[i] == watched)
            return i;
    return -1;
}

bool TwinPictures::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove &&
        static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton) {
        if (watched == frame_) {
            if (!clicked_)
                showPlainPictures();
            return false; // the frame's own hover handling runs as well
        }
        const qsizetype index = indexOf(plain_, watched);
        if (index >= 0 && plain_[index]->isVisible()) {
            plain_[index]->hide();
            twin_[index]->show();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
        indexOf(twin_, watched) >= 0)
        clicked_ = true;
    return false;
}

Picture::Painter TwinPictures::textBox(const QString &text, bool highlighted)
{
    return [text, highlighted](QPainter &painter, const QRectF &area) {
        const QRectF box = area.adjusted(1.5, 1.5, -1.5, -1.5);
        const double radius = box.height() * 0.25;
        if (highlighted) {
            QLinearGradient fill(box.topLeft(), box.bottomLeft());
            fill.setColorAt(0, QColor(235, 240, 255));
            fill.setColorAt(1, QColor(150, 180, 255));
            painter.setBrush(fill);
            painter.setPen(QPen(QColor(40, 60, 170), 1.5));
        } else {
            painter.setBrush(QColor(255, 255, 215));
            painter.setPen(QPen(QColor(150, 150, 110), 1));
        }
        painter.drawRoundedRect(box, radius, radius);
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setPixelSize(std::max(8, int(box.height() * 0.42)));
        // Narrow boxes take a smaller font so that the text fits.
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        if (width > box.width() * 0.9)
            font.setPixelSize(std::max(6, int(font.pixelSize() * box.width() * 0.9 / width)));
        painter.setFont(font);
        painter.setPen(Colours::darkBlue);
        painter.drawText(box, Qt::AlignCenter, text);
    };
}

} // namespace zorbiks
