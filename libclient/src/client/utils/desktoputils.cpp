#include "desktoputils.h"

#include "client/controller/desktopcontroller.h"
#include "client/controller/usersession.h"
#include "common/core/logger/logger.h"
#include "common/core/singleton/spsingleton.h"
#include "daywatch.h"
#include "focusinview.h"
#include "tableexport.h"
#include "textbound.h"

#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QDirIterator>
#include <QGuiApplication>
#include <QQmlContext>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVersionNumber>

namespace Client {

namespace {

int sessionOffsetMinutes()
{
    bool ok = false;
    const int minutes = SpSingleton<Controller::UserSession>::instance()->utcOffset().toInt(&ok);
    return ok ? minutes : 0;
}

// Whether path is root itself or lies below it; both canonical.
bool isWithin(const QString &path, const QString &root, bool rootItself)
{
    if (root.isEmpty())
        return false;
    if (path == root)
        return rootItself;
    return path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}

} // namespace

DesktopUtils::DesktopUtils(QObject *parent)
    : Utils(parent)
{
}

DesktopUtils::~DesktopUtils()
{
    if (m_cursorPushed)
        QGuiApplication::restoreOverrideCursor();
}

QDateTime DesktopUtils::currentDateTime()
{
    const Controller::UserSession *session = SpSingleton<Controller::UserSession>::instance();
    return QDateTime::fromMSecsSinceEpoch(session->currentMSecsSinceEpoch(), Qt::OffsetFromUTC,
                                          sessionOffsetMinutes() * 60);
}

QDate DesktopUtils::today()
{
    if (!m_today) {
        m_today = new DayWatch([this] { return currentDateTime(); }, this);
        connect(m_today, &DayWatch::dateChanged, this, &DesktopUtils::todayChanged);
        // A session opened anew brings the server's clock and the user's offset.
        connect(SpSingleton<Controller::UserSession>::instance(), &Controller::UserSession::sessionChanged, m_today,
                &DayWatch::recheck);
    }
    return m_today->date();
}

void DesktopUtils::setExportDir(const QString &path)
{
    m_exportDir = QDir(path);
    m_exportDir.mkpath(QStringLiteral("."));
    m_exportDir.makeAbsolute();
}

QString DesktopUtils::exportDir() const
{
    return m_exportDir.absolutePath();
}

QString DesktopUtils::qtVersion() const
{
    return QStringLiteral("5.15.0");
}

void DesktopUtils::setCursorShape(Qt::CursorShape shape)
{
    if (shape == m_cursorShape)
        return;
    m_cursorShape = shape;
    if (shape == Qt::ArrowCursor) {
        if (m_cursorPushed)
            QGuiApplication::restoreOverrideCursor();
        m_cursorPushed = false;
    } else if (m_cursorPushed) {
        QGuiApplication::changeOverrideCursor(QCursor(shape));
    } else {
        QGuiApplication::setOverrideCursor(QCursor(shape));
        m_cursorPushed = true;
    }
    emit cursorShapeChanged(shape);
}

QString DesktopUtils::freeFileName(const QDir &folder, const QString &baseName)
{
    QString path = folder.filePath(baseName + QStringLiteral(".xlsx"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder.filePath(QStringLiteral("%1_%2.xlsx").arg(baseName).arg(n));
    return path;
}

void DesktopUtils::setUrlOpener(UrlOpener opener)
{
    m_openUrl = std::move(opener);
}

QVariantMap DesktopUtils::writeToExcel(const QVariantMap &table)
{
    const auto failed = [](const QString &error) {
        Logger::instance(0)->warning(QStringLiteral("Table export failed: %1").arg(error));
        return QVariantMap{{QStringLiteral("written"), false}, {QStringLiteral("error"), error}};
    };
    auto *controller = qobject_cast<Controller::DesktopController *>(
        table.value(QStringLiteral("controller")).value<QObject *>());
    if (!controller || !controller->proxyModel() || !controller->originalModel())
        return failed(QStringLiteral("the table has no controller with its rows and view"));
    const QString exportName = table.value(QStringLiteral("exportName")).toString();
    QDir dir = m_exportDir;
    dir.mkpath(QStringLiteral("tables"));
    dir.cd(QStringLiteral("tables"));
    if (!exportName.isEmpty()) {
        dir.mkpath(exportName);
        dir.cd(exportName);
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QString baseName = QStringLiteral("%1_%2_%3_%4_%5_%6_%7")
                                 .arg(exportName)
                                 .arg(now.date().day())
                                 .arg(now.date().month())
                                 .arg(now.date().year())
                                 .arg(now.time().hour())
                                 .arg(now.time().minute())
                                 .arg(now.time().second());
    const QString path = freeFileName(dir, baseName);
    TableExport workbook(controller->proxyModel(), table.value(QStringLiteral("table")).toList(),
                         sessionOffsetMinutes());
    if (!workbook.save(path))
        return failed(workbook.errorString());
    const QUrl url = QUrl::fromLocalFile(path);
    const bool opened = m_openUrl ? m_openUrl(url) : QDesktopServices::openUrl(url);
    return {{QStringLiteral("written"), true},
            {QStringLiteral("path"), QDir::toNativeSeparators(path)},
            {QStringLiteral("opened"), opened},
            {QStringLiteral("cut"), workbook.cutCells()}};
}

QString DesktopUtils::urlToPath(const QUrl &url) const
{
    return url.toLocalFile();
}

QString DesktopUtils::pathToDir(const QString &filePath) const
{
    return QFileInfo(filePath).absolutePath();
}

bool DesktopUtils::resourceExists(const QUrl &url) const
{
    return url.scheme() == QLatin1String("qrc") && QFileInfo::exists(QLatin1Char(':') + url.path());
}

QString DesktopUtils::idToString(QObject *object) const
{
    const QQmlContext *context = object ? qmlContext(object) : nullptr;
    return context ? context->nameForObject(object) : QString();
}

QObject *DesktopUtils::findChildByName(QObject *rootObject, const QString &name) const
{
    return rootObject ? rootObject->findChild<QObject *>(name) : nullptr;
}

QList<QObject *> DesktopUtils::findChildrenByName(QObject *rootObject, const QString &name) const
{
    return rootObject ? rootObject->findChildren<QObject *>(name) : QList<QObject *>();
}

Qt::KeyboardModifiers DesktopUtils::keyboardModifiers() const
{
    return QGuiApplication::keyboardModifiers();
}

Qt::MouseButtons DesktopUtils::mouseButtons() const
{
    return QGuiApplication::mouseButtons();
}

bool DesktopUtils::isControlPressed() const
{
    return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
}

bool DesktopUtils::isAltPressed() const
{
    return QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier;
}

bool DesktopUtils::isShiftPressed() const
{
    return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
}

QObject *DesktopUtils::boundText(QObject *area, int length, int lineLength)
{
    return TextBound::attach(area, length, lineLength);
}

QObject *DesktopUtils::keepFocusInView(QObject *flickable)
{
    return FocusInView::attach(flickable);
}

int DesktopUtils::fittingEnd(const QString &value, int length, int lineLength) const
{
    return TextBound::fittingEnd(value, length, lineLength);
}

QString DesktopUtils::getClipboardText() const
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void DesktopUtils::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

int DesktopUtils::compareVersions(const QString &v1, const QString &v2) const
{
    return QVersionNumber::compare(QVersionNumber::fromString(v1), QVersionNumber::fromString(v2));
}

void DesktopUtils::setMetrics(bool enabled)
{
    qputenv("metrics", enabled ? "1" : "0");
    qInfo().noquote() << QStringLiteral("Metrics") << (enabled ? QStringLiteral("enabled") : QStringLiteral("disabled"));
}

QString DesktopUtils::getLogPath() const
{
    return Logger::instance(0)->path();
}

bool DesktopUtils::removeDir(const QString &dirPath)
{
    const QFileInfo target(dirPath);
    const QString path = target.canonicalFilePath();
    // QDir("") is the working folder: only a folder named in full is taken.
    if (dirPath.isEmpty() || target.isRelative() || !target.isDir() || path.isEmpty()) {
        Logger::instance(0)->warning(QStringLiteral("Folder not removed, not an existing absolute folder: '%1'").arg(dirPath));
        return false;
    }
    const auto canonical = [](const QString &folder) { return QFileInfo(folder).canonicalFilePath(); };
    const bool allowed = isWithin(path, canonical(exportDir()), true) || isWithin(path, canonical(getLogPath()), true)
        || isWithin(path, canonical(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)), false)
        || isWithin(path, canonical(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)), false)
        || isWithin(path, canonical(QDir::tempPath()), false);
    if (!allowed) {
        Logger::instance(0)->warning(QStringLiteral("Folder not removed, outside the program's folders: '%1'").arg(dirPath));
        return false;
    }
    return QDir(path).removeRecursively();
}

qlonglong DesktopUtils::getDirSize(const QString &dirPath) const
{
    qlonglong total = 0;
    QDirIterator files(dirPath, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        total += files.fileInfo().size();
    }
    return total;
}

QString DesktopUtils::loadImageToBase64(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll().toBase64());
}

QByteArray DesktopUtils::fromBase64(const QString &base64) const
{
    return QByteArray::fromBase64(base64.toUtf8());
}

QString DesktopUtils::toBase64(const QByteArray &bin) const
{
    return QString::fromLatin1(bin.toBase64());
}

bool DesktopUtils::saveBinaryFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        Logger::instance(0)->warning(QStringLiteral("Failed to open file for writing: %1").arg(path));
        return false;
    }
    if (file.write(data) != data.size() || !file.commit()) {
        Logger::instance(0)->warning(QStringLiteral("Failed to write file: %1").arg(path));
        return false;
    }
    return true;
}

} // namespace Client
