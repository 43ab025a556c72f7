#include "netdto.h"

#include <QJsonDocument>

NetDTO::NetDTO(const QVariantMap &map)
    : m_mapParams(map)
    , m_values(map)
{
}

void NetDTO::insert(const QString &key, const QVariant &value)
{
    m_mapParams.insert(key, value.toString());
    m_values.insert(key, value);
    m_insertedKeys.insert(key);
}

QJsonObject NetDTO::stringParams() const
{
    QJsonObject strings;
    for (const QString &key : m_insertedKeys)
        strings.insert(key, m_mapParams.value(key).toString());
    return strings;
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
    appendTo(text);
    return text;
}

namespace {

// Appends the value with "#" and "=" escaped, without copying it when there is nothing to escape.
void appendEscaped(QString &text, const QString &value)
{
    const QChar *begin = value.constData();
    const QChar *end = begin + value.size();
    const QChar *from = begin;
    for (const QChar *c = begin; c != end; ++c) {
        if (*c == QLatin1Char('#') || *c == QLatin1Char('=')) {
            text.append(from, int(c - from));
            text += QLatin1Char('/');
            from = c;
        }
    }
    if (from == begin)
        text += value;
    else
        text.append(from, int(end - from));
}

} // namespace

void NetDTO::appendTo(QString &text) const
{
    for (auto it = m_mapParams.cbegin(); it != m_mapParams.cend(); ++it) {
        text += QLatin1Char('#');
        text += it.key();
        text += QLatin1Char('=');
        const QVariant &value = it.value();
        if (value.userType() == QMetaType::QString)
            appendEscaped(text, *static_cast<const QString *>(value.constData()));
        else
            appendEscaped(text, value.toString());
    }
}

QJsonObject NetDTO::toJson() const
{
    QJsonObject params = jsonParams();
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
