#include "screen/Pictures.h"

#include "screen/DisplayScale.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace zorbiks {

Picture::Picture(Painter painter, const QSize &size, QWidget *parent)
    : QWidget(parent)
    , painter_(std::move(painter))
{
    resize(size);
}

void Picture::setCached(bool cached)
{
    cached_ = cached;
    cache_ = QPixmap();
    update();
}

void Picture::paintEvent(QPaintEvent *)
{
    if (!cached_) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter_(painter, QRectF(rect()));
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull() || cache_.deviceIndependentSize() != QSizeF(size()) ||
        cache_.devicePixelRatio() != ratio) {
        cache_ = QPixmap((QSizeF(size()) * ratio).toSize());
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::transparent);
        QPainter painter(&cache_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter_(painter, QRectF(rect()));
    }
    QPainter(this).drawPixmap(0, 0, cache_);
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

namespace Pictures {

void exitCross(QPainter &painter, const QRectF &area)
{
    const QRectF box = area.adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(128, 0, 0), 1));
    painter.setBrush(QColor(230, 60, 50));
    painter.drawRoundedRect(box, 4, 4);
    painter.setPen(QPen(Qt::white, std::max(2.0, area.width() / 8), Qt::SolidLine, Qt::RoundCap));
    const QRectF inner = box.adjusted(box.width() * 0.28, box.height() * 0.28, -box.width() * 0.28,
                                      -box.height() * 0.28);
    painter.drawLine(inner.topLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomLeft());
}

void logo(QPainter &painter, const QRectF &area)
{
    const QRectF box = area.adjusted(1, 1, -1, -1);
    QRadialGradient glow(box.center(), box.width() / 2);
    glow.setColorAt(0, QColor(255, 240, 120));
    glow.setColorAt(1, QColor(240, 150, 20));
    painter.setPen(QPen(QColor(120, 60, 0), 1));
    painter.setBrush(glow);
    painter.drawEllipse(box);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(6, static_cast<int>(box.height() * 0.62)));
    painter.setFont(font);
    painter.setPen(QColor(30, 30, 140));
    painter.drawText(box, Qt::AlignCenter, QStringLiteral("З"));
}

void titlePicture(QPainter &painter, const QRectF &area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(70, 90, 230));
    sky.setColorAt(1, QColor(150, 200, 255));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(area, 16, 16);

    // Binary digits drifting behind the title.
    QFont digits(QStringLiteral("Arial"));
    digits.setPixelSize(std::max(8, static_cast<int>(area.height() / 9)));
    painter.setFont(digits);
    painter.setPen(QColor(255, 255, 255, 70));
    const QString row = QStringLiteral("1 0 1 1 0 0 1 0 1 1 1 0 1 0 0 1 0 1 1 0 1 0 1 1");
    for (int i = 0; i < 8; ++i)
        painter.drawText(
            QPointF(area.left() + 10 - (i % 3) * 9, area.top() + (i + 1) * area.height() / 8.5),
            row);

    const QRectF badge(area.left() + area.width() * 0.04, area.top() + area.height() * 0.2,
                       area.height() * 0.6, area.height() * 0.6);
    logo(painter, badge);

    QFont title(QStringLiteral("Arial"));
    title.setBold(true);
    title.setPixelSize(std::max(10, static_cast<int>(area.height() * 0.38)));
    painter.setFont(title);
    const QRectF text = area.adjusted(badge.right() - area.left() + area.width() * 0.03, 0, 0, 0);
    painter.setPen(QColor(20, 20, 90));
    painter.drawText(text.translated(2, 2), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Зорбикс"));
    painter.setPen(Qt::white);
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Зорбикс"));
}

namespace {

void face(QPainter &painter, const QRectF &area, const QColor &colour, bool smiling)
{
    const double side = std::min(area.width(), area.height()) - 2;
    const QRectF box(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    painter.setPen(QPen(colour.darker(160), 2));
    painter.setBrush(colour);
    painter.drawEllipse(box);
    painter.setBrush(colour.darker(300));
    const double eye = side * 0.1;
    painter.drawEllipse(QPointF(box.left() + side * 0.33, box.top() + side * 0.38), eye, eye);
    painter.drawEllipse(QPointF(box.left() + side * 0.67, box.top() + side * 0.38), eye, eye);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour.darker(300), std::max(2.0, side / 20), Qt::SolidLine, Qt::RoundCap));
    const QRectF mouth(box.left() + side * 0.28, box.top() + side * (smiling ? 0.42 : 0.66),
                       side * 0.44, side * 0.3);
    painter.drawArc(mouth, smiling ? 200 * 16 : 20 * 16, 140 * 16);
}

} // namespace

void poorResult(QPainter &painter, const QRectF &area)
{
    face(painter, area, QColor(170, 190, 255), false);
}

void goodResult(QPainter &painter, const QRectF &area)
{
    face(painter, area, QColor(255, 220, 90), true);
}

} // namespace Pictures

Picture *makeExitCross(const QString &name, QWidget *parent)
{
    auto *picture =
        new Picture(Pictures::exitCross, QSize(DisplayScale::px(24), DisplayScale::px(24)), parent);
    picture->setObjectName(name);
    picture->setCursor(Qt::PointingHandCursor);
    return picture;
}

Picture *makeLogo(const QString &name, QWidget *parent)
{
    auto *picture =
        new Picture(Pictures::logo, QSize(DisplayScale::px(22), DisplayScale::px(22)), parent);
    picture->setObjectName(name);
    return picture;
}

} // namespace zorbiks
