#include "guisettings.h"

#include "gui/core/context.h"
#include "gui/core/hub.h"

#include <QMetaObject>
#include <QWidget>

namespace Gui::Helper {

GuiSettings::GuiSettings(QWidget *widget)
    : AbstractHelper(widget)
{
}

GuiSettings::~GuiSettings() = default;

QString GuiSettings::settingsName() const
{
    if (!widget())
        return QString();
    QString name = QString::fromLatin1(widget()->metaObject()->className());
    if (!name.isEmpty())
        name[0] = name.at(0).toLower();
    return name;
}

void GuiSettings::loadSettings(const QVariantMap &)
{
}

QVariantMap GuiSettings::saveSettings() const
{
    return QVariantMap();
}

bool GuiSettings::isGuiSessionMode() const
{
    return m_guiSessionMode;
}

void GuiSettings::setGuiSessionMode(bool mode)
{
    m_guiSessionMode = mode;
}

bool GuiSettings::loadFromGuiSession()
{
    Hub *hub = Context::hub();
    if (!hub)
        return false;
    loadSettings(hub->storedSettings(settingsName()));
    return true;
}

bool GuiSettings::saveToGuiSession() const
{
    Hub *hub = Context::hub();
    if (!hub)
        return false;
    hub->storeSettings(settingsName(), saveSettings());
    return true;
}

} // namespace Gui::Helper
