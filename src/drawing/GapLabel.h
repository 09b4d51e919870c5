#pragma once

// A word-wrapped fixed text (or one on a single line, after
// setWordWrap(false)) with gaps of blanks over which value labels (or small
// pictures and symbols) are laid, as the task and explanation texts are
// built. The label paints its text itself, so it knows where every character
// stands and can place its overlays exactly over their gaps at any size and
// font. Line breaks (CR LF or LF) start new paragraphs.
//
// A value's gap (placeAfter) is as wide as the widest value that can stand
// in it, with a blank's width of air on each side, whatever number of blanks
// the text holds there; the text after it flows on. A value right before a
// closing punctuation mark (", . ; : ! ? )") stands against it, without the
// blank, and a gap at the start of a line has no blank before the value.
// Symbols laid into the text's own blanks (placeAt) and before characters
// (placeBefore) leave the text as it is.
//
// The overlays keep to their gaps by themselves: the label lays them again
// whenever one of them changes its text or size (Qt then posts the label a
// layout request), and whenever the label itself is resized, shown or given
// another font.

#include <QHash>
#include <QLabel>
#include <QList>

namespace zorbiks {

class GapLabel : public QLabel {
    Q_OBJECT
public:
    explicit GapLabel(const QString &text, QWidget *parent = nullptr);
    ~GapLabel() override;

    // Lays `overlay` (made a child of this label) over the text from the
    // character at `index`: its left edge at that character, vertically
    // centred on its line; centred in the run of blanks around `index` when
    // there is one. The blanks keep their width.
    void placeAt(QWidget *overlay, qsizetype index);
    // Lays `overlay` just before the character at `index`: its right edge
    // there, vertically centred on its line.
    void placeBefore(QWidget *overlay, qsizetype index);
    // Lays the value `overlay` into the gap that follows the `occurrence`-th
    // (0-based) appearance of `before`: the run of blanks after it becomes a
    // gap made for the value (see above).
    void placeAfter(QWidget *overlay, const QString &before, int occurrence = 0);
    // The texts that `label` (a value laid with placeAfter, or a label inside
    // one) can show: its gap is made for the widest of them. Without them
    // the gap is made for what the value shows now.
    void setValues(QLabel *label, const QStringList &values);

    // The top-left corner of the character at `index`, and its line's height.
    QRectF characterRect(qsizetype index) const;

    // Where the gap of a value laid with placeAfter lies, and the characters
    // on either side of it (a null character at the ends of a paragraph).
    struct Gap {
        QRectF rect; // null when the overlay has no gap
        QChar before, after;
    };
    Gap gapOf(const QWidget *overlay) const;
    // The ink of every visible character of the text, as laid out now.
    struct Glyph {
        qsizetype index;
        QRectF box;
    };
    QList<Glyph> glyphs() const;
    // The values laid with placeAfter, in the order they were laid.
    QList<QWidget *> values() const;

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
    enum class Placement { InBlanks, Before, Gap };
    struct Overlay {
        QWidget *widget;
        qsizetype index;
        Placement placement;
    };
    struct Lines;

    // Sizes the overlays to their contents and lays them over their gaps.
    void placeOverlays();
    // The text as it is laid out: the blanks of the gaps do not break lines.
    QString laidOutText() const;
    // The run of blanks around `index`: [first, end).
    std::pair<qsizetype, qsizetype> blanksAround(qsizetype index) const;
    // The width a value's gap is made for, and its air on either side.
    double widestWidth(const QWidget *overlay) const;
    double airBefore(qsizetype start) const;
    double airAfter(qsizetype end) const;
    // Every paragraph laid out in lines of `width` (wrapped or not), with
    // the gaps of the values made to their width.
    Lines layOut(double width) const;
    void add(const Overlay &overlay);
    // Moves the overlay to `left`, centred on the line of `line`.
    static void moveOverlay(QWidget *overlay, double left, const QRectF &line);

    // What a value label can show, and the width of the widest.
    struct Values {
        QStringList texts;
        int widest(const QLabel *label) const;
        mutable QString measuredFor;
        mutable int width = 0;
    };

    QList<Overlay> overlays_;
    QHash<const QLabel *, Values> values_;
};

} // namespace zorbiks
