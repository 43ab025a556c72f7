#include "peakmemory.h"

#include <QByteArray>
#include <QFile>

#include <malloc.h>

namespace PeakMemory {

namespace {

qint64 statusBytes(const char *key, const QString &process = QStringLiteral("self"))
{
    QFile status(QStringLiteral("/proc/") + process + QStringLiteral("/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
}

} // namespace

bool reset()
{
    malloc_trim(0);
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

qint64 current()
{
    return statusBytes("VmRSS");
}

qint64 peak()
{
    return statusBytes("VmHWM");
}

qint64 peakOf(qint64 pid)
{
    return pid > 0 ? statusBytes("VmHWM", QString::number(pid)) : 0;
}

} // namespace PeakMemory
