#include "updatemanifest.h"

#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QRegularExpression>

#include <cmath>

namespace Gui {

namespace {

bool suitsChannel(const QJsonObject &entry, const QString &channel)
{
    const QString own = entry.value(QStringLiteral("channel")).toString();
    return own == QLatin1String("release") || (own == QLatin1String("beta") && channel == QLatin1String("beta"));
}

bool isValid(const QJsonObject &entry)
{
    if (UpdateManifest::version(entry).isNull()) {
        Logger::instance(0)->warning(Common::warningLine(
            COMMON_LOCATION, QStringLiteral("Update entry passed over: its version is no dotted number")));
        return false;
    }
    return UpdateManifest::size(entry) > 0;
}

} // namespace

QString UpdateManifest::os()
{
    return QStringLiteral("windows");
}

// Both results are built in place: with GCC 12 at -O2 a copied or moved QVersionNumber of Qt 5.15
// can lose its segments.
QVersionNumber UpdateManifest::version(const QJsonObject &entry)
{
    static const QRegularExpression dotted(QStringLiteral("^[0-9]+(\\.[0-9]+)*$"));
    const QString text = entry.value(QStringLiteral("version")).toString();
    if (!dotted.match(text).hasMatch())
        return QVersionNumber();
    return QVersionNumber::fromString(text);
}

qint64 UpdateManifest::size(const QJsonObject &entry)
{
    const QJsonValue value = entry.value(QStringLiteral("size")).toObject().value(os());
    if (!value.isDouble())
        return 0;
    const double bytes = value.toDouble();
    if (bytes != std::floor(bytes) || bytes < 1 || bytes > 2147483647.0)
        return 0;
    return qint64(bytes);
}

QByteArray UpdateManifest::digest(const QJsonObject &entry)
{
    return entry.value(QStringLiteral("sha256")).toObject().value(os()).toString().toLower().toLatin1();
}

bool UpdateManifest::listsCompany(const QJsonObject &manifest, const QString &host)
{
    for (const QJsonValue &company : manifest.value(QStringLiteral("companies")).toArray()) {
        if (company.toObject().value(QStringLiteral("host")).toString() == host)
            return true;
    }
    return false;
}

QJsonArray UpdateManifest::offers(const QJsonArray &updates, bool latest, const QString &channel,
                                  const QVersionNumber &running)
{
    QJsonArray offered;
    for (const QJsonValue &value : updates) {
        const QJsonObject entry = value.toObject();
        if (!suitsChannel(entry, channel) || !isValid(entry))
            continue;
        const QVersionNumber version = UpdateManifest::version(entry);
        if (latest) {
            if (version <= running)
                break;
            offered.append(entry);
        } else if (version < running) {
            offered.append(entry);
            break;
        }
    }
    return offered;
}

} // namespace Gui
