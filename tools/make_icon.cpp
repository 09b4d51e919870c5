// Draws the program's icon: a blue tile with a sheet of paper whose answer
// lines are ticked off by a green check mark. One description of the shapes
// gives both the scalable SVG file and the PNG sizes of the icon theme.
//
// usage: make_icon <folder>   (writes zorbiks.svg and zorbiks-<n>.png)

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr double unit = 256.0; // the icon's own coordinates

struct Shapes {
    QRectF tile{8, 8, 240, 240};
    double tileRadius = 44;
    QColor tileTop{0x2f, 0x6f, 0xd6};
    QColor tileBottom{0x1b, 0x3f, 0x8f};
    QRectF sheet{58, 40, 140, 176};
    double sheetRadius = 10;
    QColor sheetColour{0xfb, 0xfb, 0xf4};
    QList<QLineF> lines{{80, 78, 176, 78}, {80, 110, 176, 110}, {80, 142, 150, 142}};
    QColor lineColour{0x9a, 0xa9, 0xc4};
    double lineWidth = 10;
    QList<QPointF> tick{{104, 176}, {132, 204}, {214, 112}};
    QColor tickColour{0x2e, 0xb8, 0x4b};
    double tickWidth = 26;
};

QString colour(const QColor &c)
{
    return c.name();
}

QString svg(const Shapes &s)
{
    QString text;
    QTextStream out(&text);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
           "viewBox=\"0 0 256 256\">\n"
        << "  <defs><linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
        << "<stop offset=\"0\" stop-color=\"" << colour(s.tileTop) << "\"/>"
        << "<stop offset=\"1\" stop-color=\"" << colour(s.tileBottom) << "\"/>"
        << "</linearGradient></defs>\n"
        << "  <rect x=\"" << s.tile.x() << "\" y=\"" << s.tile.y() << "\" width=\""
        << s.tile.width() << "\" height=\"" << s.tile.height() << "\" rx=\"" << s.tileRadius
        << "\" fill=\"url(#tile)\"/>\n"
        << "  <rect x=\"" << s.sheet.x() << "\" y=\"" << s.sheet.y() << "\" width=\""
        << s.sheet.width() << "\" height=\"" << s.sheet.height() << "\" rx=\"" << s.sheetRadius
        << "\" fill=\"" << colour(s.sheetColour) << "\"/>\n";
    for (const QLineF &line : s.lines)
        out << "  <line x1=\"" << line.x1() << "\" y1=\"" << line.y1() << "\" x2=\"" << line.x2()
            << "\" y2=\"" << line.y2() << "\" stroke=\"" << colour(s.lineColour)
            << "\" stroke-width=\"" << s.lineWidth << "\" stroke-linecap=\"round\"/>\n";
    out << "  <polyline points=\"";
    for (const QPointF &point : s.tick)
        out << point.x() << ',' << point.y() << ' ';
    out << "\" fill=\"none\" stroke=\"" << colour(s.tickColour) << "\" stroke-width=\""
        << s.tickWidth << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n"
        << "</svg>\n";
    return text;
}

QImage png(const Shapes &s, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / unit, size / unit);
    QLinearGradient gradient(s.tile.topLeft(), s.tile.bottomLeft());
    gradient.setColorAt(0, s.tileTop);
    gradient.setColorAt(1, s.tileBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRoundedRect(s.tile, s.tileRadius, s.tileRadius);
    painter.setBrush(s.sheetColour);
    painter.drawRoundedRect(s.sheet, s.sheetRadius, s.sheetRadius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(s.lineColour, s.lineWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLines(s.lines);
    painter.setPen(QPen(s.tickColour, s.tickWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(s.tick.data(), static_cast<int>(s.tick.size()));
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    const Shapes shapes;
    QFile file(folder.filePath(QStringLiteral("zorbiks.svg")));
    if (!file.open(QIODevice::WriteOnly) || file.write(svg(shapes).toUtf8()) < 0)
        return 1;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        if (!png(shapes, size).save(folder.filePath(QStringLiteral("zorbiks-%1.png").arg(size))))
            return 1;
    }
    return 0;
}
