#include "standinguisession.h"

void StandinGuiSession::setCurrentId(int id)
{
    if (m_currentId == id)
        return;
    m_currentId = id;
    emit currentIdChanged(id);
}

QVariantMap StandinGuiSession::frameSettings(const QString &name)
{
    record(QStringLiteral("frameSettings"), {name});
    return m_stored.value(name).toMap();
}

void StandinGuiSession::setFrameSettings(const QString &name, const QVariantMap &settings)
{
    record(QStringLiteral("setFrameSettings"), {name, settings});
    if (settings.isEmpty())
        return;
    m_stored.insert(name, settings);
    emit storedChanged();
}
