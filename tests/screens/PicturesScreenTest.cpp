#include "support/TestMain.h"

#include "screen/Pictures.h"

#include <QPainter>
#include <QTest>

using namespace zorbiks;

class PicturesScreenTest : public QObject {
    Q_OBJECT
private slots:
    // A cached picture looks the same as one drawn every time, and is drawn
    // again only when its size changes.
    void aCachedPictureIsDrawnOncePerSize()
    {
        int drawn = 0;
        const auto grid = [&drawn](QPainter &painter, const QRectF &area) {
            ++drawn;
            painter.fillRect(area, Qt::white);
            painter.setPen(Qt::blue);
            for (double y = area.top() + 7; y < area.bottom(); y += 7)
                painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y + 3));
        };
        Picture plain(grid, QSize(60, 40));
        Picture cached(grid, QSize(60, 40));
        cached.setCached(true);
        QCOMPARE(cached.grab().toImage(), plain.grab().toImage());
        drawn = 0;
        cached.grab();
        cached.grab();
        QCOMPARE(drawn, 0);
        cached.resize(80, 50);
        plain.resize(80, 50);
        QCOMPARE(cached.grab().toImage(), plain.grab().toImage());
        QCOMPARE(drawn, 2);
    }
};

ZORBIKS_TEST(PicturesScreenTest)
#include "PicturesScreenTest.moc"
