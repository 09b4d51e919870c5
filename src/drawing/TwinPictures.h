#pragma once

// Answer options shown as pictures, each with a highlighted twin in the same
// place. At rest the plain pictures show; moving the mouse over one puts its
// twin in its place, and only the twins take clicks. Moving over the frame
// outside the pictures puts the plain pictures back, until an option has
// been clicked on the current task: from then on the highlighted twins stay.

#include "screen/Pictures.h"

#include <QObject>

namespace zorbiks {

class TwinPictures : public QObject {
    Q_OBJECT
public:
    struct Option {
        QString plainName;
        QString twinName;
        Picture::Painter plain;
        Picture::Painter twin;
    };

    // Places the pictures side by side in `frame`, `size` pixels each,
    // `gap` apart, starting at `topLeft`.
    TwinPictures(QWidget *frame, const QList<Option> &options, const QSize &size, int gap,
                 const QPoint &topLeft);

    // The highlighted twins (they take the clicks) and the plain pictures.
    const QList<Picture *> &twins() const { return twin_; }
    const QList<Picture *> &plains() const { return plain_; }
    Picture *plain(int index) const { return plain_[index]; }
    Picture *twin(int index) const { return twin_[index]; }

    // A new task: the plain pictures show, the twins wait hidden (enabled)
    // in their places, nothing has been clicked.
    void reset();

    // A rounded box holding a text in dark blue: pale yellow, or filled with
    // a light-blue gradient when highlighted. The text is drawn in a font
    // scaled to the box, so it stays crisp at any size.
    static Picture::Painter textBox(const QString &text, bool highlighted);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPlainPictures();

    QWidget *frame_;
    QList<Picture *> plain_;
    QList<Picture *> twin_;
    bool clicked_ = false;
};

} // namespace zorbiks
