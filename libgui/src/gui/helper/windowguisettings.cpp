#include "windowguisettings.h"

#include "gui/core/utils.h"

#include <QWidget>

namespace Gui::Helper {

WindowGuiSettings::WindowGuiSettings(QWidget *widget)
    : GuiSettings(widget)
{
}

WindowGuiSettings::~WindowGuiSettings() = default;

void WindowGuiSettings::loadSettings(const QVariantMap &settings)
{
    QWidget *w = widget();
    if (!w)
        return;
    const QVariantMap window = settings.value(QStringLiteral("window")).toMap();
    if (window.isEmpty()) {
        Utils::centerOnScreen(w);
        return;
    }
    const QSize size(window.value(QStringLiteral("width")).toInt(), window.value(QStringLiteral("height")).toInt());
    Utils::applyWindowState(w, window.value(QStringLiteral("state")).toInt(), size);
    Utils::moveOnScreen(w, QPoint(window.value(QStringLiteral("x")).toInt(), window.value(QStringLiteral("y")).toInt()));
}

QVariantMap WindowGuiSettings::saveSettings() const
{
    QWidget *w = widget();
    if (!w)
        return QVariantMap();
    const int state = int(w->windowState());
    QVariantMap window{{QStringLiteral("state"), state}};
    if (state != Qt::WindowMaximized) {
        window.insert(QStringLiteral("x"), w->x());
        window.insert(QStringLiteral("y"), w->y());
        window.insert(QStringLiteral("width"), w->width());
        window.insert(QStringLiteral("height"), w->height());
    }
    return QVariantMap{{QStringLiteral("window"), window}};
}

} // namespace Gui::Helper
