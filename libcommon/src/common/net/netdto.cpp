#include "netdto.h"

#include "common/core/utils/jsontext.h"

#include <QDebug>
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

// The value's text, without a copy when it holds one.
const QString &textOf(const QVariant &value, QString &converted)
{
    if (value.userType() == QMetaType::QString)
        return *static_cast<const QString *>(value.constData());
    converted = value.toString();
    return converted;
}

// Writes the value with "#" and "=" escaped; returns the end of what it wrote.
QChar *writeEscaped(QChar *out, const QString &value)
{
    for (const QChar c : value) {
        if (c == QLatin1Char('#') || c == QLatin1Char('='))
            *out++ = QLatin1Char('/');
        *out++ = c;
    }
    return out;
}

} // namespace

void NetDTO::appendTo(QString &text) const
{
    // Written straight into the text, which grows ahead of each entry by the most it can take
    // (every value character escaped) and is cut to what was written at the end.
    int written = text.size();
    QString converted;
    for (auto it = m_mapParams.cbegin(); it != m_mapParams.cend(); ++it) {
        const QString &key = it.key();
        const QString &value = textOf(it.value(), converted);
        const int most = written + 2 + key.size() + 2 * value.size();
        if (most > text.size())
            text.resize(qMax(most, 2 * text.size()));
        QChar *out = text.data() + written;
        *out++ = QLatin1Char('#');
        out = std::copy(key.cbegin(), key.cend(), out);
        *out++ = QLatin1Char('=');
        out = writeEscaped(out, value);
        written = int(out - text.constData());
    }
    text.resize(written);
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
        QString repeated;
        const QJsonDocument document = Common::readJson(meta.toString().toUtf8(), nullptr, &repeated);
        if (!repeated.isEmpty())
            qWarning().noquote() << "Message meta:" << repeated;
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
