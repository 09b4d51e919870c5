#pragma once

// A sample of formatted text, shown the way a word processor would show it:
// one paragraph in a style of its own (bold, italic, underlined, struck
// through), aligned left, centred, right or justified, word-wrapped in its
// box (or on one line). The lines it lays out can be read back, so that
// their places can be measured.

#include <QLabel>
#include <QList>
#include <QRectF>

namespace zorbiks {

// The four style flags of a font.
struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const FontStyle &, const FontStyle &) = default;
};

// Writes all four flags into the widget's font, so that no flag of an
// earlier style stays behind.
void setFontStyle(QWidget *widget, const FontStyle &style);
FontStyle fontStyleOf(const QFont &font);

class SampleText : public QLabel {
    Q_OBJECT
public:
    // The alignment is one of Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight
    // and Qt::AlignJustify (QLabel::setAlignment); word wrap is on.
    explicit SampleText(const QString &text, QWidget *parent = nullptr);

    // The laid-out lines in the widget's coordinates: where the text of each
    // line starts, its width and its line's height.
    QList<QRectF> lineRects() const;

    bool hasHeightForWidth() const override { return wordWrap(); }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace zorbiks
