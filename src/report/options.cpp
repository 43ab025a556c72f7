#include "options.h"

#include <QJsonArray>
#include <QVariant>

#include <cmath>

namespace Report {

Options::Options(const QJsonObject &options)
    : m_options(options)
{
}

QString Options::textOf(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (!value.isDouble())
        return QString();
    // A whole number parsed from JSON text keeps all its 64 bits.
    const QVariant exact = value.toVariant();
    if (exact.userType() == QMetaType::LongLong)
        return QString::number(exact.toLongLong());
    const double number = value.toDouble();
    if (std::trunc(number) == number && std::fabs(number) < 9.0e15)
        return QString::number(qint64(number));
    return QString::number(number, 'g', 17);
}

qint64 Options::longLongOf(const QJsonValue &value)
{
    if (value.isDouble()) {
        const QVariant exact = value.toVariant();
        if (exact.userType() == QMetaType::LongLong)
            return exact.toLongLong();
        const double number = value.toDouble();
        return std::isfinite(number) && std::fabs(number) < 9.2e18 ? qint64(number) : 0;
    }
    return value.toString().trimmed().toLongLong();
}

QString Options::text(const QString &key) const
{
    return textOf(m_options.value(key));
}

qint64 Options::toLongLong(const QString &key) const
{
    return longLongOf(m_options.value(key));
}

QStringList Options::texts(const QString &key) const
{
    QStringList result;
    const QJsonArray array = m_options.value(key).toArray();
    for (const QJsonValue &value : array)
        result.append(textOf(value));
    return result;
}

QVariantMap Options::periodBinds() const
{
    return {{QStringLiteral(":dt_utc_insert_start"), text(QStringLiteral("dt_utc_insert_start"))},
            {QStringLiteral(":dt_utc_insert_end"), text(QStringLiteral("dt_utc_insert_end"))}};
}

} // namespace Report
