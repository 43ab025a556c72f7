#pragma once

#include <QString>

class QWidget;

// Saves a grab of the widget as name (a .png) in $KORIV_SCREENSHOT_DIR, or the temporary folder;
// false when it could not be written.
bool saveScreenshot(QWidget *widget, const QString &name);
