// Every value laid over a gap of a text, on every question, with every data
// set, at every screen size: the value's ink never touches the text's
// glyphs or another value, and keeps air to the words beside it.

#include "support/TestMain.h"
#include "support/TestSupport.h"

#include "drawing/GapLabel.h"

#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

using namespace zorbiks;
using namespace zorbiks::test;

namespace {

// Showings of each question: more than any question has data sets, so that
// each draw of prepared data shows every set.
const int showings = 12;

// The bounding box of what a label paints of its text, without its
// background, in `to`'s coordinates (empty when it paints nothing).
QRectF inkOf(QLabel *label, QWidget *to)
{
    QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 96)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return QRectF(label->mapTo(to, QPoint(left, top)), QSizeF(right - left + 1, bottom - top + 1));
}

// The ink of a value: of the value itself and of every label inside it.
QList<QRectF> inksOf(QWidget *value, QWidget *to)
{
    QList<QLabel *> labels = value->findChildren<QLabel *>();
    if (auto *label = qobject_cast<QLabel *>(value))
        labels.prepend(label);
    QList<QRectF> inks;
    for (QLabel *label : std::as_const(labels)) {
        const QRectF ink = label->isVisibleTo(to) ? inkOf(label, to) : QRectF();
        if (!ink.isEmpty())
            inks.append(ink);
    }
    return inks;
}

bool overlaps(const QRectF &a, const QRectF &b)
{
    const QRectF both = a.intersected(b);
    return both.width() > 0.25 && both.height() > 0.25;
}

// Marks a value stands against, without air.
bool isClosingMark(QChar c)
{
    return QStringView(u",.;:!?)»”").contains(c);
}

bool isOpeningMark(QChar c)
{
    return QStringView(u"(«“").contains(c);
}

} // namespace

class ValuesInGapsTest : public QObject {
    Q_OBJECT
private slots:
    void everyValueFitsItsGap_data()
    {
        QTest::addColumn<QSize>("stage");
        for (const QSize size : {QSize(800, 600), QSize(1366, 768), QSize(1920, 1080)})
            QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())))
                << size;
    }

    void everyValueFitsItsGap()
    {
        // ZORBIKS_SCREENSHOTS=folder keeps a picture of every showing.
        QFETCH(QSize, stage);
        const QString shots = qEnvironmentVariable("ZORBIKS_SCREENSHOTS");
        if (!shots.isEmpty())
            QDir().mkpath(shots);
        for (const Question &question : Catalogue::questions()) {
            ExerciseRig rig(question, stage);
            QHash<QString, QRectF> gaps; // of each value, at the first showing
            for (int showing = 1; showing <= showings; ++showing) {
                rig.fakes.clock->time = rig.fakes.clock->time.addMSecs(7919);
                rig.open();
                for (QGroupBox *frame : rig.screen->findChildren<QGroupBox *>(
                         QRegularExpression(QStringLiteral("^Пояснение"))))
                    frame->show();
                QCoreApplication::sendPostedEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                const QString where = QStringLiteral("%1 at %2x%3, showing %4")
                                          .arg(question.code)
                                          .arg(stage.width())
                                          .arg(stage.height())
                                          .arg(showing);
                for (GapLabel *text : rig.screen->findChildren<GapLabel *>()) {
                    if (text->isVisibleTo(rig.screen))
                        verifyValues(text, where, gaps);
                }
                if (!shots.isEmpty())
                    rig.screen->grab().save(QStringLiteral("%1/%2x%3-%4-%5.png")
                                                .arg(shots)
                                                .arg(stage.width())
                                                .arg(stage.height())
                                                .arg(question.code)
                                                .arg(showing, 2, 10, QLatin1Char('0')));
            }
        }
    }

private:
    void verifyValues(GapLabel *text, const QString &where, QHash<QString, QRectF> &gaps)
    {
        const QList<GapLabel::Glyph> glyphs = text->glyphs();
        const double blank = QFontMetricsF(text->font()).horizontalAdvance(QLatin1Char(' '));
        const QList<QWidget *> values = text->values();
        QList<QRectF> valueInks;
        for (QWidget *overlay : text->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!overlay->isVisibleTo(text))
                continue;
            const QString name = where + QStringLiteral(", ") + text->objectName() +
                                 QStringLiteral(" / ") + overlay->objectName();
            const QList<QRectF> inks = inksOf(overlay, text);
            // No ink of it on a glyph of the text.
            for (const QRectF &ink : inks) {
                for (const GapLabel::Glyph &glyph : glyphs)
                    QVERIFY2(!overlaps(ink, glyph.box),
                             qPrintable(name + QStringLiteral(" covers «") +
                                        text->text().at(glyph.index) + QStringLiteral("»")));
            }
            if (!values.contains(overlay) || inks.isEmpty())
                continue;

            // A value: inside the label, on one line of its gap, a blank's
            // air from the words beside it (against a closing mark, clear of
            // it), clear of the other values; its gap the same whatever the
            // data set.
            const GapLabel::Gap gap = text->gapOf(overlay);
            QVERIFY2(!gap.rect.isNull(), qPrintable(name + QStringLiteral(": no gap")));
            const QString key =
                text->objectName() + QLatin1Char('/') + QString::number(values.indexOf(overlay));
            if (!gaps.contains(key))
                gaps.insert(key, gap.rect);
            QVERIFY2(gaps.value(key) == gap.rect,
                     qPrintable(name + QStringLiteral(": the gap moved with the data set: ") +
                                rectText(gap.rect) + QStringLiteral(", was ") +
                                rectText(gaps.value(key))));
            QRectF ink = inks.first();
            for (const QRectF &part : inks)
                ink |= part;
            QVERIFY2(ink.left() >= 0 && ink.right() <= text->width(),
                     qPrintable(name + QStringLiteral(" runs out of its text")));
            for (const QRectF &other : std::as_const(valueInks))
                QVERIFY2(!overlaps(ink.adjusted(-0.4 * blank, 0, 0.4 * blank, 0), other),
                         qPrintable(name + QStringLiteral(" touches another value")));
            valueInks.append(ink);
            double left = -1e9, right = 1e9;
            for (const GapLabel::Glyph &glyph : glyphs) {
                const double middle = glyph.box.center().y();
                if (middle < gap.rect.top() || middle > gap.rect.bottom())
                    continue; // another line
                if (glyph.box.right() <= ink.center().x())
                    left = std::max(left, glyph.box.right());
                else
                    right = std::min(right, glyph.box.left());
            }
            const double leftAir =
                gap.before.isNull() || isOpeningMark(gap.before) ? 0 : 0.4 * blank;
            const double rightAir =
                gap.after.isNull() || isClosingMark(gap.after) ? 0 : 0.4 * blank;
            QVERIFY2(
                ink.left() - left >= leftAir,
                qPrintable(name +
                           QStringLiteral(": no air before it (%1 px)").arg(ink.left() - left)));
            QVERIFY2(
                right - ink.right() >= rightAir,
                qPrintable(name +
                           QStringLiteral(": no air after it (%1 px)").arg(right - ink.right())));
        }
    }
};

ZORBIKS_TEST(ValuesInGapsTest)
#include "ValuesInGapsTest.moc"
