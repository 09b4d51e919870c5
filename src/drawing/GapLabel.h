#pragma once

// A word-wrapped fixed text (or one on a single line, after
// setWordWrap(false)) with gaps of blanks over which value labels (or small
// pictures and symbols) are laid, as the task and explanation texts are
// built. The
// label paints its text itself, so it knows where every character stands and
// can place its overlays exactly over their gaps at any size and font.
// Line breaks (CR LF or LF) start new paragraphs.
//
// The overlays keep to their gaps by themselves: the label lays them again
// whenever one of them changes its text or size (Qt then posts the label a
// layout request), and whenever the label itself is resized, shown or given
// another font.

#include <QLabel>
#include <QList>

namespace zorbiks {

class GapLabel : public QLabel {
    Q_OBJECT
public:
    explicit GapLabel(const QString &text, QWidget *parent = nullptr);

    // Lays `overlay` (made a child of this label) over the text from the
    // character at `index`: its left edge at that character, vertically
    // centred on its line; centred in the run of blanks around `index` when
    // there is one.
    void placeAt(QWidget *overlay, qsizetype index);
    // Lays `overlay` just before the character at `index`: its right edge
    // there, vertically centred on its line.
    void placeBefore(QWidget *overlay, qsizetype index);
    // Lays `overlay` over the gap that follows the `occurrence`-th (0-based)
    // appearance of `before`, one blank after it.
    void placeAfter(QWidget *overlay, const QString &before, int occurrence = 0);

    // The top-left corner of the character at `index`, and its line's height.
    QRectF characterRect(qsizetype index) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Sizes the overlays to their contents and lays them over their gaps.
    void placeOverlays();
    // The text as it is laid out: the blanks of the gaps do not break lines.
    QString laidOutText() const;

    struct Overlay {
        QWidget *widget;
        qsizetype index;
        bool endsBefore; // placeBefore
    };
    void add(const Overlay &overlay);
    // Moves the overlay to `left`, centred on the line of `line`.
    static void moveOverlay(QWidget *overlay, double left, const QRectF &line);
    QList<Overlay> overlays_;
};

} // namespace zorbiks
