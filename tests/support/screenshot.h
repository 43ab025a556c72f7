#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// Saves a grab of the widget as name (a .png) in $KORIV_SCREENSHOT_DIR, or the temporary folder;
// false when it could not be written.
bool saveScreenshot(QWidget *widget, const QString &name);
bool saveScreenshot(const QImage &image, const QString &name);

// What the window system shows of a widget: the grab of its window (offscreen, the window's
// backing store), cut to the widget. Null when the window has nothing to show yet.
QImage shownImage(const QWidget *widget);
// The shown image of a window once it has painted itself: the window colour at the point of its
// margin given. Null when that does not happen within five seconds.
QImage paintedImage(const QWidget *window, const QPoint &margin);
// A widget's rectangle in the coordinates of another one that contains it.
QRect areaIn(const QWidget *widget, const QWidget *container);

// Whether two colours differ by at most tolerance in each channel.
bool nearColour(const QColor &a, const QColor &b, int tolerance = 6);
// How many pixels of area are near colour.
int countNear(const QImage &image, const QRect &area, const QColor &colour, int tolerance = 6);
// The width of what is drawn on background in area: from the first to the last column holding a
// pixel that is not near background; 0 when there is none.
int inkWidth(const QImage &image, const QRect &area, const QColor &background, int tolerance = 60);
// The ink width of one line of text drawn dark on light in the font and at the resolution of
// widget, measured as inkWidth does.
int textInkWidth(const QWidget *widget, const QString &text, int tolerance = 60);
