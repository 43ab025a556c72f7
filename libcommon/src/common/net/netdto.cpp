#include "netdto.h"

#include <QJsonDocument>

NetDTO::NetDTO(const QVariantMap &map)
    : m_mapParams(map)
    , m_jsonParams(QJsonObject::fromVariantMap(map))
{
}

void NetDTO::insert(const QString &key, const QVariant &value)
{
    const QString text = value.toString();
    m_mapParams.insert(key, text);
    m_stringParams.insert(key, text);
    m_jsonParams.insert(key, QJsonValue::fromVariant(value));
}

QString escapeValue(const QString &value)
{
    if (!value.contains(QLatin1Char('#')) && !value.contains(QLatin1Char('=')))
        return value;
    QString result = value;
    result.replace(QLatin1Char('#'), QLatin1String("/#"));
    result.replace(QLatin1Char('='), QLatin1String("/="));
    return result;
}

QString unescapeValue(const QString &value)
{
    if (!value.contains(QLatin1Char('/')))
        return value;
    QString result = value;
    result.replace(QLatin1String("/#"), QLatin1String("#"));
    result.replace(QLatin1String("/="), QLatin1String("="));
    return result;
}

QString NetDTO::toString() const
{
    QString text;
    text.reserve(m_mapParams.size() * 24);
    for (auto it = m_mapParams.cbegin(); it != m_mapParams.cend(); ++it) {
        text += QLatin1Char('#');
        text += it.key();
        text += QLatin1Char('=');
        text += escapeValue(it.value().toString());
    }
    return text;
}

QJsonObject NetDTO::toJson() const
{
    QJsonObject params = m_jsonParams;
    QJsonObject result;
    const QJsonValue controller = params.take(QStringLiteral("controller"));
    result.insert(QStringLiteral("controller"),
                  controller.isUndefined() ? QJsonValue(QJsonValue::Null) : controller);
    params.remove(QStringLiteral("SIGN"));
    auto move = [&params, &result](const QString &from, const QString &to) {
        if (params.contains(from))
            result.insert(to, params.take(from));
    };
    move(QStringLiteral("FN"), QStringLiteral("method"));
    move(QStringLiteral("method"), QStringLiteral("method"));
    move(QStringLiteral("receiver"), QStringLiteral("receiver"));
    if (params.contains(QStringLiteral("meta"))) {
        const QJsonValue meta = params.take(QStringLiteral("meta"));
        const QJsonDocument document = QJsonDocument::fromJson(meta.toString().toUtf8());
        result.insert(QStringLiteral("meta"), document.isObject() ? document.object() : QJsonObject());
    }
    move(QStringLiteral("RECEIVER"), QStringLiteral("receiver"));
    if (!params.isEmpty())
        result.insert(QStringLiteral("params"), params);
    return result;
}

void NetDTO::registerMetaTypes()
{
    qRegisterMetaType<NetDTO>("NetDTO");
    qRegisterMetaType<QList<NetDTO>>("QList<NetDTO>");
}
