#include "updateserver.h"

#include "testfiles.h"
#include "timelimit.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QPlainTextEdit>
#include <QRegularExpression>

UpdateServer::~UpdateServer()
{
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(timeLimit(3000)))
        m_process.kill();
}

QString UpdateServer::fixtureScript()
{
    return qEnvironmentVariable("KORIV_SOURCE_DIR") + "/tests/support/update_fixture.py";
}

bool UpdateServer::start()
{
    QDir().mkpath(archiveFolder());
    m_process.start("/usr/bin/python3", {"-B", fixtureScript(), "serve", m_root.path()});
    if (!m_process.waitForStarted(timeLimit(5000)) || !m_process.waitForReadyRead(timeLimit(5000)))
        return false;
    m_port = QJsonDocument::fromJson(m_process.readLine()).object().value("port").toInt();
    return m_port > 0;
}

QUrl UpdateServer::url() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port));
}

QString UpdateServer::updateFolder() const
{
    return m_root.path() + "/download/KorivAdmin/update";
}

QString UpdateServer::archiveFolder() const
{
    return updateFolder() + "/windows";
}

bool UpdateServer::setManifest(const QByteArray &text)
{
    return writeFile(updateFolder() + "/manifest.json", text);
}

void UpdateServer::removeManifest()
{
    QFile::remove(updateFolder() + "/manifest.json");
}

QByteArray UpdateServer::addArchive(const QString &version, const QString &kind, const QString &folder)
{
    const QString path = archiveFolder() + "/KorivAdminUpdate-" + version + ".zip";
    QFile::remove(path);
    QFile::remove(path + ".truncate");
    const int exit = QProcess::execute("/usr/bin/python3",
                                       {"-B", fixtureScript(), "archive", path,
                                        folder.isEmpty() ? "KorivAdminUpdate-" + version : folder,
                                        kind.startsWith("truncated") ? "good" : kind});
    if (kind.startsWith("truncated"))
        writeFile(path + ".truncate", kind == "truncated" ? "announced" : "unannounced");
    return exit == 0 ? readFile(path) : QByteArray();
}

QString UpdateServer::companyHost()
{
    return QStringLiteral("taxi.example");
}

QJsonObject UpdateServer::entry(const QString &version, const QString &channel, const QJsonValue &size)
{
    return {{"version", version},
            {"channel", channel},
            {"size", QJsonObject{{"windows", size}}},
            {"date", "2024-05-01"},
            {"description", "Notes of " + version}};
}

QByteArray UpdateServer::manifest(const QJsonArray &updates, const QString &host)
{
    const QJsonObject root{{"companies", QJsonArray{QJsonObject{{"host", "other.example"}}, QJsonObject{{"host", host}}}},
                           {"updates", updates}};
    return QJsonDocument(root).toJson();
}

QStringList UpdateServer::offeredVersions(QDialog *dialog)
{
    QStringList versions;
    const QRegularExpression line(QStringLiteral("^Version: (\\S+) \\("), QRegularExpression::MultilineOption);
    auto it = line.globalMatch(dialog->findChild<QPlainTextEdit *>()->toPlainText());
    while (it.hasNext())
        versions.append(it.next().captured(1));
    return versions;
}
