#pragma once

// The pictures of Зорбикс, drawn by the program itself: the exit cross, the
// logo, the title picture and the two verdict pictures. A picture is a
// widget that paints itself and reports clicks.

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace zorbiks {

class Picture : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter &painter, const QRectF &area)>;

    Picture(Painter painter, const QSize &size, QWidget *parent = nullptr);

    // A picture whose drawing depends on nothing but its size is drawn once
    // per size into a pixmap, which every later paint copies.
    void setCached(bool cached);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Painter painter_;
    bool cached_ = false;
    QPixmap cache_;
};

namespace Pictures {
void exitCross(QPainter &painter, const QRectF &area);
void logo(QPainter &painter, const QRectF &area);
void titlePicture(QPainter &painter, const QRectF &area);
void poorResult(QPainter &painter, const QRectF &area);
void goodResult(QPainter &painter, const QRectF &area);
} // namespace Pictures

// Shorthands that make a named picture of the usual size.
Picture *makeExitCross(const QString &name, QWidget *parent);
Picture *makeLogo(const QString &name, QWidget *parent);

} // namespace zorbiks
