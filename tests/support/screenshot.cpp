#include "screenshot.h"

#include "timelimit.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

bool saveScreenshot(QWidget *widget, const QString &name)
{
    return saveScreenshot(widget->grab().toImage(), name);
}

bool saveScreenshot(const QImage &image, const QString &name)
{
    const QString folder = qEnvironmentVariable("KORIV_SCREENSHOT_DIR", QDir::tempPath());
    QDir().mkpath(folder);
    return !image.isNull() && image.save(folder + QLatin1Char('/') + name);
}

QImage shownImage(const QWidget *widget)
{
    const QWidget *window = widget->window();
    if (!window->windowHandle())
        return QImage();
    const QImage whole = window->screen()->grabWindow(window->winId()).toImage();
    return whole.isNull() ? whole : whole.copy(areaIn(widget, window));
}

QImage paintedImage(const QWidget *window, const QPoint &margin)
{
    const QColor background = window->palette().color(QPalette::Window);
    QImage shown;
    const bool painted = QTest::qWaitFor([&] {
        shown = shownImage(window);
        return shown.rect().contains(margin) && nearColour(shown.pixelColor(margin), background);
    }, timeLimit(5000));
    return painted ? shown : QImage();
}

QRect areaIn(const QWidget *widget, const QWidget *container)
{
    return QRect(widget->mapTo(container, QPoint(0, 0)), widget->size());
}

bool nearColour(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

int countNear(const QImage &image, const QRect &area, const QColor &colour, int tolerance)
{
    const QRect inside = area.intersected(image.rect());
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += nearColour(image.pixelColor(x, y), colour, tolerance) ? 1 : 0;
    }
    return count;
}

int inkWidth(const QImage &image, const QRect &area, const QColor &background, int tolerance)
{
    const QRect inside = area.intersected(image.rect());
    int first = -1;
    int last = -1;
    for (int x = inside.left(); x <= inside.right(); ++x) {
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            if (!nearColour(image.pixelColor(x, y), background, tolerance)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

int textInkWidth(const QWidget *widget, const QString &text, int tolerance)
{
    // The font set in full: a painter takes only the properties a font sets, the others from its
    // default.
    QFont font;
    font.fromString(widget->font().toString());
    const QFontMetrics metrics(widget->font());
    QImage image(metrics.horizontalAdvance(text) + 2 * metrics.height(), 2 * metrics.height(), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(widget->logicalDpiX() / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(metrics.height(), metrics.height() + metrics.ascent() / 2), text);
    painter.end();
    return inkWidth(image, image.rect(), Qt::white, tolerance);
}
