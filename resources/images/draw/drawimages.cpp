// Draws the images of the dark theme: the white arrows of sort indicators and scroll-bar buttons
// and the scroll-bar handles that the pages read through GLOBAL.style, and under "style/" the
// images of the dark style sheet (tab close buttons, header sort triangles, the tool bar's
// overflow button). Run by the build:
//   koriv-drawimages <output folder>
// writes one PNG per image under its resource name.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cstdio>
#include <functional>

namespace {

struct Drawing
{
    const char *name;
    QSize size;
    std::function<void(QPainter &, const QSize &)> draw;
};

// A solid white triangle filling the image, its tip at the given side.
void arrow(QPainter &painter, const QSize &size, Qt::Edge tip)
{
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal m = 0.2 * w;
    QPolygonF triangle;
    switch (tip) {
    case Qt::TopEdge:
        triangle << QPointF(m, h - 1.5 * m) << QPointF(w - m, h - 1.5 * m) << QPointF(w / 2, 1.5 * m);
        break;
    case Qt::BottomEdge:
        triangle << QPointF(m, 1.5 * m) << QPointF(w - m, 1.5 * m) << QPointF(w / 2, h - 1.5 * m);
        break;
    case Qt::LeftEdge:
        triangle << QPointF(w - 1.5 * m, m) << QPointF(w - 1.5 * m, h - m) << QPointF(1.5 * m, h / 2);
        break;
    case Qt::RightEdge:
        triangle << QPointF(1.5 * m, m) << QPointF(1.5 * m, h - m) << QPointF(w - 1.5 * m, h / 2);
        break;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(triangle);
}

// A rounded dark grip, lighter along its middle, with a light outline; drawn as a border image
// (the corners stay, the middle stretches along the bar).
void handle(QPainter &painter, const QSize &size, Qt::Orientation orientation)
{
    const QRectF body = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade = orientation == Qt::Horizontal ? QLinearGradient(0, 0, 0, size.height())
                                                          : QLinearGradient(0, 0, size.width(), 0);
    shade.setColorAt(0.0, QColor(0x3c, 0x3c, 0x3c));
    shade.setColorAt(0.5, QColor(0x6a, 0x6a, 0x6a));
    shade.setColorAt(1.0, QColor(0x3c, 0x3c, 0x3c));
    QPainterPath outline;
    outline.addRoundedRect(body, 4, 4);
    painter.setPen(QPen(QColor(0x8a, 0x8a, 0x8a), 1));
    painter.setBrush(shade);
    painter.drawPath(outline);
}

// The cross of a tab's close button: two diagonals, 12 by 12 pixels, in the middle.
void cross(QPainter &painter, const QSize &size, const QColor &colour)
{
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const qreal half = 6;
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    painter.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
}

// The same cross in a lighter grey, framed by a 24 by 24 square with slightly rounded corners.
void hoveredCross(QPainter &painter, const QSize &size)
{
    const QColor light(216, 216, 216);
    cross(painter, size, light);
    const QRectF frame(size.width() / 2.0 - 11, size.height() / 2.0 - 11, 22, 22);
    painter.setPen(QPen(light, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame, 3, 3);
}

// A sort triangle with hard edges, 104 pixels at its base and 52 high: each row two pixels
// narrower than the one before, centred in the image.
void triangle(QPainter &painter, const QSize &size, const QColor &colour, bool up)
{
    const int base = 104;
    const int height = base / 2;
    const int left = (size.width() - base) / 2;
    const int top = (size.height() - height) / 2;
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int row = 0; row < height; ++row) {
        const int y = up ? top + height - 1 - row : top + row;
        painter.fillRect(left + row, y, base - 2 * row, 1, colour);
    }
}

// Two light chevrons pointing right, as narrow as a tool bar's overflow button.
void chevrons(QPainter &painter, const QSize &size)
{
    const qreal middle = size.height() / 2.0;
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const qreal left : {1.5, 5.5})
        painter.drawPolyline(QPolygonF() << QPointF(left, middle - 3.5) << QPointF(left + 3, middle)
                                         << QPointF(left, middle + 3.5));
}

const QList<Drawing> &drawings()
{
    static const QList<Drawing> all{
        {"arrow-up-white.png", {32, 32}, [](QPainter &p, const QSize &s) { arrow(p, s, Qt::TopEdge); }},
        {"arrow-down-white.png", {32, 32}, [](QPainter &p, const QSize &s) { arrow(p, s, Qt::BottomEdge); }},
        {"arrow-left-white.png", {32, 32}, [](QPainter &p, const QSize &s) { arrow(p, s, Qt::LeftEdge); }},
        {"arrow-right-white.png", {32, 32}, [](QPainter &p, const QSize &s) { arrow(p, s, Qt::RightEdge); }},
        {"scrollbar-handle-horizontal-dark.png", {24, 12},
         [](QPainter &p, const QSize &s) { handle(p, s, Qt::Horizontal); }},
        {"scrollbar-handle-vertical-dark.png", {12, 24},
         [](QPainter &p, const QSize &s) { handle(p, s, Qt::Vertical); }},
        {"style/close-button.png", {32, 32},
         [](QPainter &p, const QSize &s) { cross(p, s, QColor(191, 191, 191)); }},
        {"style/close-button-hover.png", {32, 32}, [](QPainter &p, const QSize &s) { hoveredCross(p, s); }},
        {"style/combo-white.png", {121, 71}, [](QPainter &p, const QSize &s) { triangle(p, s, Qt::white, false); }},
        {"style/combo-white-up.png", {121, 71}, [](QPainter &p, const QSize &s) { triangle(p, s, Qt::white, true); }},
        // The dark grey is 89, 89, 89, a shade darker than the name says.
        {"style/combo-5b5b5b.png", {121, 71},
         [](QPainter &p, const QSize &s) { triangle(p, s, QColor(89, 89, 89), false); }},
        {"style/combo-5b5b5b-up.png", {121, 71},
         [](QPainter &p, const QSize &s) { triangle(p, s, QColor(89, 89, 89), true); }},
        {"style/toolbar-extension.png", {10, 16}, [](QPainter &p, const QSize &s) { chevrons(p, s); }},
    };
    return all;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const Drawing &drawing : drawings()) {
        QImage image(drawing.size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.draw(painter, drawing.size);
        painter.end();
        const QString path = out.filePath(QString::fromLatin1(drawing.name));
        if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
