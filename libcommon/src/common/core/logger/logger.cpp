#include "logger.h"

#include "common/core/singleton/weakpointerex.h"
#include "credentialmask.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSharedPointer>

namespace {

QMap<int, QSharedPointer<Logger>> &registry()
{
    static QMap<int, QSharedPointer<Logger>> loggers;
    return loggers;
}

std::mutex &registryMutex()
{
    static std::mutex mutex;
    return mutex;
}

const QString defaultFileDateFormat = QStringLiteral("yyyy-MM-dd.hh-mm-ss");

} // namespace

Logger::Logger(const QString &path, const QString &level, bool enabled,
               const QString &fileDateFormat, bool dirMode, Clock clock)
    : m_clock(std::move(clock))
{
    configure(path, level, enabled, fileDateFormat, dirMode);
}

Logger::~Logger()
{
    if (m_file.isOpen())
        m_file.close();
}

void Logger::configure(const QString &path, const QString &level, bool enabled,
                       const QString &fileDateFormat, bool dirMode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_path = (!dirMode && !path.isEmpty()) ? path + QLatin1Char('.') : path;
    m_level = level;
    m_enabled = enabled;
    m_fileDateFormat = fileDateFormat;
    m_dirMode = dirMode;
    m_rotateAt = QDateTime();
    if (m_file.isOpen())
        m_file.close();
    if (m_enabled)
        openLocked();
}

QDateTime Logger::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

void Logger::openLocked()
{
    if (m_file.isOpen())
        m_file.close();
    const QDateTime time = now();
    const QString stamp = time.toString(m_fileDateFormat);
    const QString name = m_dirMode
        ? m_path + QDir::separator() + stamp + QLatin1String(".log")
        : QCoreApplication::applicationDirPath() + QLatin1String("/../log/") + m_path + stamp
            + QLatin1String(".log");
    m_file.setFileName(name);
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        m_rotateAt = QDateTime(time.date().addDays(1), QTime(0, 0), Qt::LocalTime);
    } else {
        qCritical().noquote() << "Failed to open log file. Loggin is out";
    }
}

QString Logger::recordText(const QString &type, const QDateTime &time, const QString &message)
{
    return QStringLiteral("\n[%1] %2%3\n")
        .arg(type, time.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss.zzz\n")), message);
}

QString Logger::write(const QString &type, const QString &message)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const QDateTime time = now();
    if (!m_rotateAt.isValid() || time >= m_rotateAt)
        openLocked();
    const QString record = recordText(type, time, Common::maskCredentials(message));
    if (!m_file.isWritable())
        return {};
    m_file.write(record.toUtf8());
    m_file.flush();
    return record;
}

bool Logger::writesDebug() const
{
    return m_enabled && (m_level == QLatin1String("full") || m_level == QLatin1String("debug"));
}

bool Logger::writesWarning() const
{
    return m_enabled && (m_level == QLatin1String("full") || m_level == QLatin1String("warning"));
}

void Logger::debug(const QString &message)
{
    if (writesDebug())
        write(QStringLiteral("DEBUG"), message);
}

void Logger::warning(const QString &message)
{
    QString record;
    if (writesWarning())
        record = write(QStringLiteral("WARNING"), message);
    // The echo never depends on whether the file could be written.
    if (record.isEmpty())
        record = recordText(QStringLiteral("WARNING"), now(), Common::maskCredentials(message));
    qWarning() << record;
}

QString Logger::path() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_path;
}

QString Logger::fileName() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_file.fileName();
}

QString Logger::level() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_level;
}

bool Logger::isEnabled() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_enabled;
}

Logger *Logger::instance(int id)
{
    std::lock_guard<std::mutex> lock(registryMutex());
    QSharedPointer<Logger> &stored = registry()[id];
    if (stored.isNull()) {
        stored.reset(new Logger(QString(), QStringLiteral("full"), false, defaultFileDateFormat, false));
        stored->m_placeholder = true;
    }
    return WeakPointerEx<Logger>(stored).data();
}

Logger *Logger::instance(int id, const QString &path, const char *level, bool enabled,
                         const char *fileDateFormat, bool dirMode)
{
    std::lock_guard<std::mutex> lock(registryMutex());
    QSharedPointer<Logger> &stored = registry()[id];
    if (stored.isNull()) {
        stored.reset(new Logger(path, QString::fromLatin1(level), enabled,
                                QString::fromLatin1(fileDateFormat), dirMode));
    } else if (stored->m_placeholder) {
        stored->configure(path, QString::fromLatin1(level), enabled,
                          QString::fromLatin1(fileDateFormat), dirMode);
        stored->m_placeholder = false;
    }
    return WeakPointerEx<Logger>(stored).data();
}
