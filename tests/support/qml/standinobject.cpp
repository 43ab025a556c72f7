#include "standinobject.h"

#include <QPointer>

namespace {
// Objects are kept guarded: a call may outlive the object it named.
QVariant guarded(const QVariant &value)
{
    if (value.userType() == QMetaType::QObjectStar)
        return QVariant::fromValue(QPointer<QObject>(value.value<QObject *>()));
    return value;
}

QVariant unguarded(const QVariant &value)
{
    if (value.userType() == qMetaTypeId<QPointer<QObject>>())
        return QVariant::fromValue(value.value<QPointer<QObject>>().data());
    return value;
}

QVariantMap readable(const QVariant &call)
{
    QVariantMap map = call.toMap();
    QVariantList args;
    for (const QVariant &arg : map.value(QStringLiteral("args")).toList())
        args.append(unguarded(arg));
    map.insert(QStringLiteral("args"), args);
    return map;
}
} // namespace

StandinObject::StandinObject(QObject *parent)
    : QObject(parent)
{
}

QVariantList StandinObject::calls() const
{
    QVariantList result;
    for (const QVariant &call : m_calls)
        result.append(readable(call));
    return result;
}

QVariantList StandinObject::callsOf(const QString &name) const
{
    QVariantList result;
    for (const QVariant &call : m_calls) {
        const QVariantMap map = readable(call);
        if (map.value(QStringLiteral("name")).toString() == name)
            result.append(QVariant(map.value(QStringLiteral("args"))));
    }
    return result;
}

QVariantList StandinObject::ownedObjects() const
{
    QVariantList result;
    for (QObject *child : children())
        result.append(QVariant::fromValue(child));
    return result;
}

void StandinObject::clearCalls()
{
    m_calls.clear();
    emit callsChanged();
}

void StandinObject::record(const QString &name, const QVariantList &args)
{
    QVariantList kept;
    for (const QVariant &arg : args)
        kept.append(guarded(arg));
    m_calls.append(QVariantMap{{QStringLiteral("name"), name}, {QStringLiteral("args"), kept}});
    emit callsChanged();
}
