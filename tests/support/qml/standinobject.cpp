#include "standinobject.h"

StandinObject::StandinObject(QObject *parent)
    : QObject(parent)
{
}

QVariantList StandinObject::callsOf(const QString &name) const
{
    QVariantList result;
    for (const QVariant &call : m_calls) {
        const QVariantMap map = call.toMap();
        if (map.value(QStringLiteral("name")).toString() == name)
            result.append(QVariant(map.value(QStringLiteral("args"))));
    }
    return result;
}

void StandinObject::clearCalls()
{
    m_calls.clear();
    emit callsChanged();
}

void StandinObject::record(const QString &name, const QVariantList &args)
{
    m_calls.append(QVariantMap{{QStringLiteral("name"), name}, {QStringLiteral("args"), args}});
    emit callsChanged();
}
