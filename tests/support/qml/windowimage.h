#pragma once

#include <QColor>
#include <QImage>
#include <QQuickView>
#include <QRect>
#include <QScreen>

#include <functional>

// What a test window shows: the offscreen platform keeps it in its backing store.
inline QImage grabView(QQuickView &view)
{
    return view.screen()->grabWindow(view.winId()).toImage();
}

// Whether some pixel of the image inside area passes test.
inline bool holdsColour(const QImage &image, const QRect &area, const std::function<bool(const QColor &)> &test)
{
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (test(image.pixelColor(x, y)))
                return true;
        }
    }
    return false;
}
