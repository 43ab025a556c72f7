#include "updater.h"

#include "updatemanifest.h"
#include "updates.h"

#include "gui/controller/network.h"
#include "gui/core/context.h"
#include "gui/core/message.h"
#include "gui/settings/settings.h"

#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"
#include "common/core/utils/jsontext.h"
#include "common/core/utils/unziparchive.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>

#ifndef KORIV_UPDATE_SERVER_URL
#define KORIV_UPDATE_SERVER_URL "http://127.0.0.1"
#endif

namespace Gui {

namespace {

const QString LoaderName = QStringLiteral("loader.exe");

QString applicationName()
{
    return QCoreApplication::applicationName();
}

// A root address without a scheme is taken as plain HTTP.
QUrl rootUrl(const QString &text)
{
    QString root = text.trimmed();
    while (root.endsWith(QLatin1Char('/')))
        root.chop(1);
    return QUrl::fromUserInput(root);
}

// A new folder below the temporary one, left in place; empty when none could be made.
QString makeTempFolder()
{
    QTemporaryDir folder(QDir::tempPath() + QLatin1Char('/') + applicationName() + QStringLiteral("-XXXXXX"));
    folder.setAutoRemove(false);
    return folder.isValid() ? folder.path() : QString();
}

void warn(const QString &location, const QString &message)
{
    Logger::instance(0)->warning(Common::warningLine(location, message));
}

} // namespace

Updater::Updater(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); })
    , m_userAgent(QStringLiteral("%1/%2 (Qt; Updater)").arg(applicationName(), QCoreApplication::applicationVersion()))
    , m_serverUrl(rootUrl(QStringLiteral(KORIV_UPDATE_SERVER_URL)))
    , m_installFolder(QCoreApplication::applicationDirPath())
{
    // Redirects are followed, but never from HTTPS down to HTTP.
    m_network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    connect(m_network, &QNetworkAccessManager::finished, this, &Updater::onReplyFinished);
}

Updater::~Updater()
{
    // Replies still running end without reaching this half-destroyed object.
    m_network->disconnect(this);
    delete m_network;
    if (m_pendingFolder.isEmpty()) {
        if (!m_tempFolder.isEmpty())
            QDir(m_tempFolder).removeRecursively();
        return;
    }
    // The loader takes the unpacked update from the temporary folder.
    QProcess::startDetached(loaderPath(), {m_pendingFolder, m_installFolder, QCoreApplication::applicationFilePath()});
}

void Updater::setServerUrl(const QUrl &url)
{
    m_serverUrl = rootUrl(url.toString());
}

void Updater::setInstallFolder(const QString &folder)
{
    m_installFolder = folder;
}

QString Updater::loaderPath() const
{
    return m_installFolder + QLatin1Char('/') + LoaderName;
}

QString Updater::baseUrl() const
{
    return m_serverUrl.toString() + QStringLiteral("/download/") + applicationName();
}

QString Updater::manifestUrl() const
{
    return baseUrl() + QStringLiteral("/update/manifest.json");
}

QString Updater::installerUrl(const QString &version) const
{
    const QVersionNumber number = QVersionNumber::fromString(version);
    if (number.isNull())
        return QString();
    return baseUrl() + QStringLiteral("/install/") + currentOS() + QLatin1Char('/') + applicationName()
        + QStringLiteral("Setup-") + number.toString() + QStringLiteral(".exe");
}

QString Updater::downloadPageUrl() const
{
    return baseUrl() + QStringLiteral("/install/") + currentOS();
}

void Updater::setUrlOpener(UrlOpener opener)
{
    m_openUrl = std::move(opener);
}

void Updater::openDownloadPage()
{
    const QString url = downloadPageUrl();
    if (m_openUrl(QUrl(url)))
        return;
    Message::showSelectable(QMessageBox::Warning, Context::mainWidget(), QGuiApplication::applicationDisplayName(),
                            tr("The download page could not be opened. Open this address in a browser:\n%1").arg(url));
}

QString Updater::currentOS() const
{
    return UpdateManifest::os();
}

bool Updater::checkWorkDirWritable() const
{
    QTemporaryFile probe(m_installFolder + QStringLiteral("/check"));
    return probe.open();
}

QNetworkReply *Updater::get(const QString &url)
{
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("User-Agent", m_userAgent.toUtf8());
    return m_network->get(request);
}

void Updater::checkWithChannel(bool latest, bool silent)
{
    m_silent = silent;
    const Network *network = Context::network();
    check(latest, Settings::updateChannel(), network ? network->host() : QString());
}

void Updater::check(bool latest, const QString &channel, const QString &companyHost)
{
    m_latest = latest;
    m_channel = channel;
    m_companyHost = companyHost;
    // A newer check replaces one still running; the old reply ends unheard.
    if (QNetworkReply *old = m_manifestReply.data()) {
        m_manifestReply = nullptr;
        old->abort();
    }
    m_manifestReply = get(manifestUrl());
}

void Updater::download(const QJsonObject &manifest)
{
    m_entry = manifest.value(QStringLiteral("updates")).toArray().at(0).toObject();
    const QVersionNumber version = UpdateManifest::version(m_entry);
    if (version.isNull()) {
        fail(tr("The update has no valid version"));
        return;
    }
    if (QNetworkReply *old = m_archiveReply.data()) {
        m_archiveReply = nullptr;
        old->abort();
    }
    m_fileName = applicationName() + QStringLiteral("Update-") + version.toString() + QStringLiteral(".zip");
    m_archiveReply = get(baseUrl() + QStringLiteral("/update/") + currentOS() + QLatin1Char('/') + m_fileName);
    connect(m_archiveReply, &QNetworkReply::downloadProgress, this, &Updater::downloadProgress);
}

void Updater::onReplyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply == m_manifestReply) {
        m_manifestReply = nullptr;
        handleManifest(reply);
    } else if (reply == m_archiveReply) {
        m_archiveReply = nullptr;
        handleArchive(reply);
    }
}

void Updater::handleManifest(QNetworkReply *reply)
{
    if (reply->error() != QNetworkReply::NoError) {
        tellAboutCheck(QMessageBox::Critical, reply->errorString());
        return;
    }
    QString error;
    QString repeated;
    const QJsonDocument document = Common::readJson(reply->readAll(), &error, &repeated);
    if (document.isNull()) {
        tellAboutCheck(QMessageBox::Critical, tr("Error parse document: ") + error);
        return;
    }
    if (!repeated.isEmpty())
        warn(COMMON_LOCATION, QStringLiteral("The update manifest: %1").arg(repeated));
    QJsonObject manifest = document.object();
    if (!UpdateManifest::listsCompany(manifest, m_companyHost)) {
        tellAboutCheck(QMessageBox::Information, tr("Updates for your company is not available"));
        return;
    }
    const QJsonArray offered = UpdateManifest::offers(manifest.value(QStringLiteral("updates")).toArray(), m_latest,
                                                      m_channel, QVersionNumber::fromString(QCoreApplication::applicationVersion()));
    if (offered.isEmpty()) {
        tellAboutCheck(QMessageBox::Information,
                       m_latest ? tr("Latest version is installed") : tr("Previous version is absent"));
        return;
    }
    manifest.insert(QStringLiteral("updates"), offered);
    offer(manifest);
}

void Updater::offer(const QJsonObject &manifest)
{
    for (const QJsonValue &entry : manifest.value(QStringLiteral("updates")).toArray()) {
        if (UpdateManifest::digest(entry.toObject()).isEmpty()) {
            warn(COMMON_LOCATION, QStringLiteral("The update manifest gives no SHA-256 digest of version %1: "
                                                 "its archive is checked by size only")
                                      .arg(UpdateManifest::version(entry.toObject()).toString()));
        }
    }
    if (m_dialog)
        m_dialog->close();
    m_dialog = new Updates(this, manifest);
    m_dialog->show();
}

void Updater::handleArchive(QNetworkReply *reply)
{
    if (reply->error() != QNetworkReply::NoError) {
        fail(reply->errorString());
        return;
    }
    const QByteArray archive = reply->readAll();
    const qint64 size = UpdateManifest::size(m_entry);
    if (archive.size() < size) {
        fail(tr("The update download is incomplete: %1 of %2 bytes").arg(archive.size()).arg(size));
        return;
    }
    const QByteArray digest = UpdateManifest::digest(m_entry);
    if (!digest.isEmpty() && QCryptographicHash::hash(archive, QCryptographicHash::Sha256).toHex() != digest) {
        fail(tr("The update archive does not match its SHA-256 digest"));
        return;
    }
    if (!install(archive))
        return;
    if (m_dialog)
        m_dialog->close();
    emit restart();
}

bool Updater::install(const QByteArray &archive)
{
    // Made for the first download only, so that no start of the program leaves it to clean up.
    if (m_tempFolder.isEmpty())
        m_tempFolder = makeTempFolder();
    const QString archivePath = m_tempFolder + QLatin1Char('/') + m_fileName;
    QFile file(archivePath);
    if (m_tempFolder.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(archive) != archive.size()) {
        fail(tr("Error opening temporary file: ") + archivePath);
        return false;
    }
    file.close();
    // The archive holds its files under its own name without ".zip", the loader among them.
    const QString folder = archivePath.chopped(4);
    QDir(folder).removeRecursively();
    const bool unpacked = unzipArchive(archivePath, m_tempFolder);
    QFile::remove(archivePath);
    if (!unpacked) {
        QDir(folder).removeRecursively();
        fail(tr("The update archive could not be unpacked"));
        return false;
    }
    const QString newLoader = folder + QLatin1Char('/') + LoaderName;
    if (!QFileInfo(newLoader).isFile()) {
        QDir(folder).removeRecursively();
        fail(tr("Loader not found"));
        return false;
    }
    if (!placeLoader(newLoader)) {
        QDir(folder).removeRecursively();
        fail(tr("The loader could not be put in place: ") + loaderPath());
        return false;
    }
    m_pendingFolder = folder;
    return true;
}

// The installed loader is replaced only by a complete copy of the new one.
bool Updater::placeLoader(const QString &newLoader)
{
    const QString target = loaderPath();
    const QString copy = target + QStringLiteral(".new");
    QFile::remove(copy);
    if (!QFile::copy(newLoader, copy))
        return false;
    if (QFile::exists(target) && !QFile::remove(target)) {
        QFile::remove(copy);
        return false;
    }
    if (!QFile::rename(copy, target))
        return false;
    QFile::remove(newLoader);
    return true;
}

void Updater::tellAboutCheck(QMessageBox::Icon icon, const QString &text)
{
    if (m_silent)
        return;
    if (icon == QMessageBox::Critical)
        Context::critical(text);
    else
        Context::information(text);
}

void Updater::fail(const QString &text)
{
    warn(COMMON_LOCATION, text);
    Context::critical(text, m_dialog);
}

} // namespace Gui
