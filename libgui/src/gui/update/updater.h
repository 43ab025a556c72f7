#pragma once

#include <QJsonObject>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace Gui {

class Updates;

// Keeps the program up to date from the update server: reads the manifest, offers the versions
// that suit the channel and the running version in the Updates dialog, downloads the chosen
// archive, checks it against the manifest's size and SHA-256 digest, unpacks it and puts its
// loader beside the executable. When the updater is destroyed with an update pending it starts
// the loader, which puts the update in place; otherwise it removes its temporary folder.
//
// The server's root address is a deployment value; when it is "https://" every request uses
// HTTPS and no redirect may lead to plain HTTP.
class Updater : public QObject
{
    Q_OBJECT

public:
    // Opens an address in the desktop's browser; false when nothing could open it.
    using UrlOpener = std::function<bool(const QUrl &)>;

    explicit Updater(QObject *parent = nullptr);
    ~Updater() override;

    // QDesktopServices::openUrl unless a test sets its own.
    void setUrlOpener(UrlOpener opener);

    // The update server's root, such as "https://updates.example.com".
    void setServerUrl(const QUrl &url);
    QUrl serverUrl() const { return m_serverUrl; }
    // The folder of the installed program, where the loader lives; the executable's by default.
    void setInstallFolder(const QString &folder);
    QString loaderPath() const;
    // The unpacked update the loader gets at shutdown; empty when none is pending.
    QString pendingUpdateFolder() const { return m_pendingFolder; }

    // Asks for the manifest; silent: no message about what the check finds.
    Q_INVOKABLE void checkWithChannel(bool latest, bool silent);
    Q_INVOKABLE void check(bool latest, const QString &channel, const QString &companyHost);
    // Downloads the first entry of the manifest's "updates"; failures are always reported.
    Q_INVOKABLE void download(const QJsonObject &manifest);
    Q_INVOKABLE QString installerUrl(const QString &version) const;
    Q_INVOKABLE QString downloadPageUrl() const;
    // Opens the download page in the browser; when none opens it, shows its address to copy.
    Q_INVOKABLE void openDownloadPage();
    Q_INVOKABLE QString currentOS() const;
    Q_INVOKABLE bool checkWorkDirWritable() const;

signals:
    void downloadProgress(qlonglong received, qlonglong total);
    // The loader is in place: the main window closes, and the update follows at shutdown.
    void restart();

private slots:
    void onReplyFinished(QNetworkReply *reply);

private:
    QString baseUrl() const;
    QString manifestUrl() const;
    QNetworkReply *get(const QString &url);
    void handleManifest(QNetworkReply *reply);
    void offer(const QJsonObject &manifest);
    void handleArchive(QNetworkReply *reply);
    // The checked archive body unpacked and its loader in place; false after reporting why not.
    bool install(const QByteArray &archive);
    bool placeLoader(const QString &newLoader);
    // Messages about a check (critical or information); quiet for the silent start-up check.
    void tellAboutCheck(QMessageBox::Icon icon, const QString &text);
    // Messages about a download the operator started.
    void fail(const QString &text);

    QNetworkAccessManager *m_network;
    UrlOpener m_openUrl;
    QPointer<QNetworkReply> m_manifestReply;
    QPointer<QNetworkReply> m_archiveReply;
    QString m_userAgent;
    QUrl m_serverUrl;
    QString m_installFolder;
    QString m_tempFolder;
    QString m_fileName;
    QJsonObject m_entry;
    QString m_pendingFolder;
    bool m_latest = true;
    QString m_channel;
    QString m_companyHost;
    bool m_silent = true;
    QPointer<Updates> m_dialog;
};

} // namespace Gui
