#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

class QDialog;

// The update server on 127.0.0.1: a folder served over HTTP by tests/support/update_fixture.py,
// holding the manifest and the archives below "/download/KorivAdmin".
class UpdateServer
{
public:
    UpdateServer() = default;
    ~UpdateServer();

    bool start();
    QUrl url() const;
    QString updateFolder() const;
    QString archiveFolder() const;
    bool setManifest(const QByteArray &text);
    void removeManifest();
    // Writes the archive of a version with its files under folder; its bytes, empty on failure.
    // "truncated" archives are sent half, announced whole; "truncated-unannounced" ones half
    // without a length.
    QByteArray addArchive(const QString &version, const QString &kind, const QString &folder = QString());

    // The company host the manifests of these helpers let update.
    static QString companyHost();
    // One "updates" entry of a manifest.
    static QJsonObject entry(const QString &version, const QString &channel = QStringLiteral("release"),
                             const QJsonValue &size = 1000);
    static QByteArray manifest(const QJsonArray &updates, const QString &host = companyHost());
    // The versions an Updates dialog offers, from its notes.
    static QStringList offeredVersions(QDialog *dialog);

private:
    static QString fixtureScript();

    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
};
