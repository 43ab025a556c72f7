#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>

#include <functional>
#include <mutex>

// Writes diagnostic records to dated log files (one per start and per day) and echoes warnings
// on qWarning(). Loggers are kept in a process-wide registry by number; the system uses 0.
class Logger
{
public:
    using Clock = std::function<QDateTime()>;

    Logger(const QString &path, const QString &level, bool enabled, const QString &fileDateFormat,
           bool dirMode, Clock clock = {});
    virtual ~Logger();

    void debug(const QString &message);
    void warning(const QString &message);

    QString path() const;
    QString fileName() const;
    QString level() const;
    bool isEnabled() const;
    // Whether debug records are written: callers skip building costly texts when not.
    bool writesDebug() const;

    // Registry: the logger under id, or a disabled placeholder stored there when there is none.
    static Logger *instance(int id);
    // Registry create side: registers a configured logger under id. A placeholder that an early
    // caller left there is configured in place, so pointers to it stay valid.
    static Logger *instance(int id, const QString &path, const char *level, bool enabled,
                            const char *fileDateFormat, bool dirMode);

    // The record text "\n[TYPE] time\nmessage\n".
    static QString recordText(const QString &type, const QDateTime &time, const QString &message);

private:
    void configure(const QString &path, const QString &level, bool enabled,
                   const QString &fileDateFormat, bool dirMode);
    bool writesWarning() const;
    QString write(const QString &type, const QString &message);
    void openLocked();
    QDateTime now() const;

    QString m_path;
    QFile m_file;
    QDateTime m_rotateAt;
    QString m_level;
    QString m_fileDateFormat;
    bool m_enabled = false;
    bool m_dirMode = false;
    bool m_placeholder = false;
    Clock m_clock;
    mutable std::mutex m_mutex;
};
