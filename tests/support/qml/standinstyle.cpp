#include "standinstyle.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QTemporaryDir>

namespace {

// A white triangle pointing the way of its name.
QImage arrow(const QString &name)
{
    QImage image(9, 9, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    QPolygonF shape;
    if (name.contains(QLatin1String("up")))
        shape << QPointF(0, 7) << QPointF(9, 7) << QPointF(4.5, 2);
    else if (name.contains(QLatin1String("down")))
        shape << QPointF(0, 2) << QPointF(9, 2) << QPointF(4.5, 7);
    else if (name.contains(QLatin1String("left")))
        shape << QPointF(7, 0) << QPointF(7, 9) << QPointF(2, 4.5);
    else
        shape << QPointF(2, 0) << QPointF(2, 9) << QPointF(7, 4.5);
    painter.drawPolygon(shape);
    return image;
}

QImage handle()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x30, 0x30, 0x30));
    painter.setBrush(QColor(0x70, 0x70, 0x70));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 4, 4);
    return image;
}

} // namespace

QUrl StandinStyle::image(const QString &name)
{
    static QTemporaryDir folder;
    static QHash<QString, QUrl> drawn;
    if (!drawn.contains(name)) {
        const QString path = folder.filePath(name + QStringLiteral(".png"));
        (name.startsWith(QLatin1String("arrow")) ? arrow(name) : handle()).save(path);
        drawn.insert(name, QUrl::fromLocalFile(path));
    }
    return drawn.value(name);
}
