#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QVersionNumber>

namespace Gui {

// Reading the update manifest: which company servers may update, and which published updates
// suit a channel and the running version. An entry's "size" and "sha256" are objects keyed by
// operating system. Nothing of an entry reaches a path or a text before its version is checked.
class UpdateManifest
{
public:
    // The operating-system key of this program's archives: "windows".
    static QString os();

    // The entry's "version" when it is a plain dotted number ("1.7.0"), else a null version.
    static QVersionNumber version(const QJsonObject &entry);
    // The archive size: a whole JSON number from 1 to 2147483647, else 0.
    static qint64 size(const QJsonObject &entry);
    // The archive's SHA-256 digest as lower-case hex; empty when the manifest gives none.
    static QByteArray digest(const QJsonObject &entry);

    // Whether "companies" has an object whose "host" is exactly host.
    static bool listsCompany(const QJsonObject &manifest, const QString &host);
    // The entries to offer, newest first: latest mode takes the newer ones up to the first that
    // is not newer; previous mode takes the first older one. Only "release" entries, and "beta"
    // ones on the beta channel, with a valid version and size count.
    static QJsonArray offers(const QJsonArray &updates, bool latest, const QString &channel,
                             const QVersionNumber &running);
};

} // namespace Gui
