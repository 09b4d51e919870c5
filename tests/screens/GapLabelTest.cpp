// Value labels laid over the gaps of a text, whatever the text's width.

#include "support/TestMain.h"

#include "drawing/GapLabel.h"
#include "drawing/TaskText.h"
#include "drawing/TextLayout.h"

#include <QTest>

using namespace zorbiks;

namespace {

// What Qt has posted since the overlays changed: their layout requests.
void flushLayoutRequests()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

// The overlay has the size its contents ask for and lies centred in the
// blanks between `gapStart` and `gapEnd`, on their line.
void verifyOverGap(const GapLabel &text, const QWidget *value, qsizetype gapStart, qsizetype gapEnd)
{
    QCOMPARE(value->size(), value->sizeHint());
    const QRectF from = text.characterRect(gapStart);
    const QRectF to = text.characterRect(gapEnd);
    QCOMPARE(from.top(), to.top());
    QVERIFY(value->x() >= from.left() && value->geometry().right() < to.left());
    QVERIFY(qAbs(value->geometry().center().x() + 0.5 - (from.left() + to.left()) / 2) <= 1);
    QVERIFY(qAbs(value->geometry().center().y() + 0.5 - from.center().y()) <= 1);
}

} // namespace

class GapLabelTest : public QObject {
    Q_OBJECT
private slots:
    void gapStaysOnOneLineAtEveryWidth()
    {
        // Wherever the lines break, the overlay lies inside the label, over
        // its gap, and clear of the words on both sides.
        QWidget window;
        GapLabel text(QStringLiteral("alpha beta gamma delta epsilon                zeta eta "
                                     "theta iota kappa lambda mu nu xi omicron"),
                      &window);
        window.show();
        auto *value = new QLabel(QStringLiteral("12 34"));
        text.placeAfter(value, QStringLiteral("epsilon"));
        const qsizetype before = text.text().indexOf(QStringLiteral("epsilon")) + 7;
        const qsizetype after = text.text().indexOf(QStringLiteral("zeta"));
        for (int width = 160; width <= 500; width += 7) {
            text.resize(width, text.heightForWidth(width));
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

    void overlayKeepsToItsGapByItself_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("hiddenMeanwhile");
        QTest::newRow("longer text") << QStringLiteral("1234567") << 0.0 << false;
        QTest::newRow("shorter text") << QStringLiteral("1") << 0.0 << false;
        QTest::newRow("larger font") << QStringLiteral("12") << 14.0 << false;
        QTest::newRow("longer text, frame shown later") << QStringLiteral("1234567") << 0.0 << true;
        QTest::newRow("larger font, frame shown later") << QStringLiteral("12") << 14.0 << true;
    }

    void overlayKeepsToItsGapByItself()
    {
        // Nobody tells the label that its overlay changed: it sizes and
        // places the overlay again itself, also when its frame was hidden
        // while the overlay changed and is shown only afterwards.
        QFETCH(QString, value);
        QFETCH(double, points);
        QFETCH(bool, hiddenMeanwhile);
        QWidget window;
        window.resize(500, 200);
        auto *frame = new QWidget(&window);
        frame->setGeometry(0, 0, 500, 200);
        auto *text =
            new GapLabel(QStringLiteral("Площадь участка равна                     квадратным "
                                        "метрам, а его периметр ещё не известен."),
                         frame);
        text->setGeometry(0, 0, 400, text->heightForWidth(400));
        auto *number = new QLabel(QStringLiteral("12"));
        text->placeAfter(number, QStringLiteral("равна"));
        window.show();
        flushLayoutRequests();
        const qsizetype gapStart = text->text().indexOf(QStringLiteral("равна")) + 5;
        const qsizetype gapEnd = text->text().indexOf(QStringLiteral("квадратным"));
        verifyOverGap(*text, number, gapStart, gapEnd);

        if (hiddenMeanwhile)
            frame->hide();
        number->setText(value);
        if (points > 0) {
            QFont font = number->font();
            font.setPointSizeF(points);
            number->setFont(font);
        }
        flushLayoutRequests();
        if (hiddenMeanwhile)
            frame->show();
        verifyOverGap(*text, number, gapStart, gapEnd);
    }

    void gapForTheWidestValueHoldsEachValue()
    {
        // A gap made for the widest of a label's values, in a text of
        // another font, holds whichever of them the draw writes, clear of
        // the words on both sides.
        const QStringList values = {QStringLiteral("C:\\Физика"),
                                    QStringLiteral("C:\\Физика\\Электродинамика\\Практика"),
                                    QStringLiteral("Тесты"), QStringLiteral("WWWWWW")};
        QFont textFont(QStringLiteral("Arial"));
        textFont.setPointSizeF(9.75);
        QFont valueFont = textFont;
        valueFont.setPointSizeF(12);
        valueFont.setBold(true);
        QWidget window;
        auto *text = new GapLabel(QStringLiteral("Каталог   открыт."), &window);
        text->setFont(textFont);
        text->setGeometry(0, 0, 700, text->heightForWidth(700));
        auto *value = new QLabel;
        value->setFont(valueFont);
        text->placeAfter(value, QStringLiteral("Каталог"));
        text->setValues(value, values);
        window.show();
        const QRectF from = text->characterRect(text->text().indexOf(QLatin1Char(' ')));
        const QRectF to = text->characterRect(text->text().indexOf(QStringLiteral("открыт")));
        for (const QString &shown : values) {
            value->setText(shown);
            flushLayoutRequests();
            QVERIFY2(value->x() >= from.left() && value->x() + value->width() <= to.left(),
                     qPrintable(shown));
        }
    }

    void gapIsMadeForTheWidestValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("airBefore");
        QTest::addColumn<bool>("airAfter");
        const QString address = QStringLiteral("Доступ к файлу              , находящемуся");
        QTest::newRow("fewer blanks than the value needs")
            << QStringLiteral("не удовлетворяют условию  , которое является обязательным")
            << QStringLiteral("условию") << QStringLiteral("X < 7") << true << false;
        QTest::newRow("against the comma after it")
            << address << QStringLiteral("файлу") << QStringLiteral("doc.net") << true << false;
        QTest::newRow("a shorter value against the comma")
            << address << QStringLiteral("файлу") << QStringLiteral("ab.ru") << true << false;
        QTest::newRow("more blanks than the value needs")
            << QStringLiteral("Сколько записей удовлетворяют условию:                            "
                              "          В ответе укажите одно число.")
            << QStringLiteral("условию:") << QStringLiteral("Пол = м ИЛИ Химия>Биология?") << true
            << true;
        QTest::newRow("at the start of a line")
            << QStringLiteral("равна\n                 бит/c.") << QStringLiteral("\n")
            << QStringLiteral("98304") << false << true;
    }

    void gapIsMadeForTheWidestValue()
    {
        // Whatever the number of blanks, the gap is as wide as the widest
        // value with a blank of air on each side (none at the start of a
        // line, none before a closing mark, which the value stands against),
        // and the words after it follow.
        QFETCH(QString, text);
        QFETCH(QString, before);
        QFETCH(QString, shown);
        QFETCH(bool, airBefore);
        QFETCH(bool, airAfter);
        const QStringList values = {QStringLiteral("doc.net"),
                                    QStringLiteral("Пол = ж ИЛИ Математика>Информатика?"),
                                    QStringLiteral("X < 7"), QStringLiteral("98304"), shown};
        QWidget window;
        auto *label = new GapLabel(text, &window);
        label->setGeometry(0, 0, 700, label->heightForWidth(700));
        auto *value = new QLabel(shown);
        label->placeAfter(value, before);
        label->setValues(value, values);
        window.show();
        flushLayoutRequests();

        int widest = 0;
        for (const QString &each : values)
            widest = std::max(widest, QLabel(each).sizeHint().width());
        const double blank = QFontMetricsF(label->font()).horizontalAdvance(QLatin1Char(' '));
        const qsizetype start = text.indexOf(before) + before.size();
        qsizetype end = start;
        while (text.at(end) == QLatin1Char(' '))
            ++end;
        const QRectF from = label->characterRect(start);
        const QRectF to = label->characterRect(end);
        QCOMPARE(from.top(), to.top());
        const double gap = (airBefore ? blank : 0) + widest + (airAfter ? blank : 0);
        QVERIFY2(qAbs(to.left() - from.left() - gap) <= 1,
                 qPrintable(QStringLiteral("%1 for %2").arg(to.left() - from.left()).arg(gap)));
        QCOMPARE(label->gapOf(value).rect.width(), to.left() - from.left());
        if (airAfter)
            QVERIFY(qAbs(value->x() - (from.left() + (airBefore ? blank : 0))) <= 1);
        else
            QVERIFY(qAbs(value->geometry().right() + 1 - to.left()) <= 1);
    }

    void oneLineLabelIsAsWideAsItsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("words") << QStringLiteral("1 = 0 и   0 = 1");
        QTest::newRow("leading blanks and runs")
            << QStringLiteral("  X \\/ Y = 1; X   Y = 0;    X \\/ Y = 1;   X    Y = 1");
        QTest::newRow("long") << QStringLiteral("Рассмотрим пример: если X = 0 и Y = 1, то "
                                                "значение выражения легко найти по таблице.");
    }

    void oneLineLabelIsAsWideAsItsText()
    {
        // Kept on one line, the label asks for the size a plain label of
        // the same text asks for, with overlays over it or not.
        QFETCH(QString, text);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(8.25);
        QLabel plain(text);
        plain.setFont(font);
        GapLabel line(text);
        line.setWordWrap(false);
        line.setFont(font);
        QCOMPARE(line.sizeHint(), plain.sizeHint());
        line.placeAt(new QLabel(QStringLiteral("&")), text.indexOf(QLatin1Char(' ')));
        QCOMPARE(line.sizeHint(), plain.sizeHint());
        QCOMPARE(line.heightForWidth(40), plain.sizeHint().height());
    }

    void symbolsLieBetweenAndBeforeCharacters_data()
    {
        QTest::addColumn<bool>("wrapped");
        QTest::newRow("one line") << false;
        QTest::newRow("wrapped") << true;
    }

    void symbolsLieBetweenAndBeforeCharacters()
    {
        // A sign laid into the blanks between two characters is centred
        // between them; one laid before a character ends where it begins.
        QFETCH(bool, wrapped);
        QWidget window;
        auto *text = new GapLabel(
            QStringLiteral("  X \\/ Y = 1; X   Y = 0;    X \\/ Y = 1;   X    Y = 1"), &window);
        text->setWordWrap(wrapped);
        text->setGeometry(0, 0, 400, text->heightForWidth(400));
        const QString &all = text->text();
        const qsizetype second = all.indexOf(QStringLiteral("X   Y"));
        const qsizetype last = all.lastIndexOf(QLatin1Char('X'));
        auto *sign = new QLabel(QStringLiteral("&"));
        auto *negation = new QLabel(QStringLiteral("¬"));
        text->placeAt(sign, second + 1);
        text->placeBefore(negation, last);
        window.show();
        flushLayoutRequests();

        const QRectF after = text->characterRect(second + 1);
        const QRectF before = text->characterRect(second + 4);
        QVERIFY(qAbs(sign->x() + sign->width() / 2.0 - (after.left() + before.left()) / 2) <= 1);
        QVERIFY(qAbs(sign->y() + sign->height() / 2.0 - after.center().y()) <= 1);
        const QRectF x = text->characterRect(last);
        QVERIFY(qAbs(negation->x() + negation->width() - x.left()) <= 1);
        QVERIFY(qAbs(negation->y() + negation->height() / 2.0 - x.center().y()) <= 1);
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
