#include "guisession.h"

namespace Gui {

GuiSession::GuiSession(QObject *parent)
    : QObject(parent)
{
}

GuiSession::~GuiSession() = default;

QVariantMap GuiSession::frameSettings(const QString &name) const
{
    return m_frameSettings.value(name).toMap();
}

void GuiSession::setFrameSettings(const QString &name, const QVariantMap &settings)
{
    if (!settings.isEmpty())
        m_frameSettings.insert(name, settings);
}

} // namespace Gui
