#include "screenshot.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

bool saveScreenshot(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("KORIV_SCREENSHOT_DIR", QDir::tempPath());
    QDir().mkpath(folder);
    return widget->grab().save(folder + QLatin1Char('/') + name);
}
