#pragma once

// A fixed text completed by small labels: raised exponents, lowered
// subscripts that name a number's base, and small texts written above
// chosen characters (the powers of two over binary digits, the groups of
// four digits over hexadecimal ones), with vertical lines between
// characters where a worked example splits a number into groups.
//
// The text stays as stored, blanks included: a raised or lowered label
// starts at the character it is given, usually the first blank after the
// number it belongs to; where the blanks are too narrow for the label (or a
// text above is wider than the characters under it, or a divider needs
// room), the blank is drawn wider. text() is the plain text; scripts() lists
// the small labels. All small labels of one text share one point size.

#include <QColor>
#include <QLabel>
#include <QList>

#include <QMap>
#include <optional>

class QTextLayout;

namespace zorbiks {

class ScriptText : public QLabel {
    Q_OBJECT
public:
    enum class Place { Raised, Lowered, Above };
    struct Script {
        Place place;
        qsizetype index;  // the character the label starts at (Above: the first it stands over)
        qsizetype length; // Above: how many characters it is centred over
        QString text;
        QColor colour; // invalid: the colour of the text
    };
    struct Divider {
        qsizetype index; // the line stands just before this character
        QColor colour;
        bool throughAbove; // also crosses the row of texts above the line
    };

    // Word-wrapped unless setWordWrap(false) keeps it on one line.
    explicit ScriptText(const QString &text, QWidget *parent = nullptr);

    void setScriptPointSize(double points); // 6.75 unless set

    // The index of the character right after the `occurrence`-th (0-based)
    // appearance of `before`; the end of the text when there is none.
    qsizetype indexAfter(const QString &before, int occurrence = 0) const;

    void addRaised(qsizetype index, const QString &script, const QColor &colour = {});
    void addLowered(qsizetype index, const QString &script, const QColor &colour = {});
    void addAbove(qsizetype index, qsizetype length, const QString &script,
                  const QColor &colour = {});
    // Shorthands: the label starts right after `before`.
    void addRaisedAfter(const QString &before, const QString &script, int occurrence = 0);
    void addLoweredAfter(const QString &before, const QString &script, int occurrence = 0);
    void addDivider(qsizetype index, const QColor &colour, bool throughAbove = false);

    const QList<Script> &scripts() const { return scripts_; }
    const QList<Divider> &dividers() const { return dividers_; }
    // The texts of the small labels of one place, in the order added.
    QStringList scriptTexts(Place place) const;
    // Where the i-th small label and the character at `index` are drawn
    // (the height of their font from ascent to descent).
    QRectF scriptRect(qsizetype i) const;
    QRectF characterRect(qsizetype index) const;

    bool hasHeightForWidth() const override { return wordWrap(); }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Room {
        double above = 0;  // the row of texts above every line
        double top = 0;    // room for raised labels
        double bottom = 0; // room for lowered labels
    };
    Room room() const;
    QFont scriptFont() const;
    std::optional<QPointF> scriptBaseline(const QTextLayout &layout, const Script &script) const;
    // Lays the text out at `width` (unbounded when not wrapped); returns the
    // height of all lines.
    double layOut(QTextLayout &layout, double width) const;
    // Extra width (pixels) after characters whose blanks must make room.
    QMap<qsizetype, double> widenings() const;
    void added();

    QList<Script> scripts_;
    QList<Divider> dividers_;
    double scriptPoints_ = 6.75;
};

} // namespace zorbiks
