// Value labels laid over the gaps of a text, whatever the text's width.

#include "support/TestMain.h"

#include "drawing/GapLabel.h"

#include <QTest>

using namespace zorbiks;

class GapLabelTest : public QObject {
    Q_OBJECT
private slots:
    void gapStaysOnOneLineAtEveryWidth()
    {
        // Wherever the lines break, the overlay lies inside the label, over
        // its gap, and clear of the words on both sides.
        GapLabel text(QStringLiteral("alpha beta gamma delta epsilon                zeta eta "
                                     "theta iota kappa lambda mu nu xi omicron"));
        auto *value = new QLabel(QStringLiteral("12 34"));
        text.placeAfter(value, QStringLiteral("epsilon"));
        const qsizetype before = text.text().indexOf(QStringLiteral("epsilon")) + 7;
        const qsizetype after = text.text().indexOf(QStringLiteral("zeta"));
        for (int width = 160; width <= 500; width += 7) {
            text.resize(width, text.heightForWidth(width));
            text.placeOverlays(); // a hidden label gets no resize events
            const QRect at = value->geometry();
            QVERIFY2(at.left() >= 0 && at.right() < width, qPrintable(QString::number(width)));
            const QRectF end = text.characterRect(before);
            const QRectF next = text.characterRect(after);
            QCOMPARE(end.top(), next.top());
            QVERIFY(at.left() >= end.left() && at.right() <= next.left());
        }
    }

    void wideOverlayAtTheEndStartsAfterTheWords()
    {
        GapLabel text(QStringLiteral("Для какого числа истинно выражение:    "));
        text.resize(600, text.heightForWidth(600));
        auto *value = new QLabel(QStringLiteral("(X > 2) /\\ ((X < 4) \\/ (X > 4))"));
        text.placeAfter(value, QStringLiteral("выражение:"));
        const qsizetype colon = text.text().indexOf(QLatin1Char(':'));
        QVERIFY(value->x() >= text.characterRect(colon + 1).left());
    }

    void heightFollowsTheLabelsOwnWidth()
    {
        GapLabel text(QStringLiteral("one two three four five six seven eight nine ten"));
        text.setMaximumWidth(60);
        QCOMPARE(text.heightForWidth(600), text.heightForWidth(60));
    }
};

ZORBIKS_TEST(GapLabelTest)
#include "GapLabelTest.moc"
