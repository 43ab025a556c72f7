#include "guisettings.h"

#include "gui/core/global.h"
#include "gui/core/guisession.h"

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
    GuiSession *session = Global::currentGuiSession();
    if (!session)
        return false;
    loadSettings(session->frameSettings(settingsName()));
    return true;
}

bool GuiSettings::saveToGuiSession() const
{
    GuiSession *session = Global::currentGuiSession();
    if (!session)
        return false;
    session->setFrameSettings(settingsName(), saveSettings());
    return true;
}

} // namespace Gui::Helper
