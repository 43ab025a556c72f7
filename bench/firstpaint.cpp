#include "firstpaint.h"

#include <QEvent>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

FirstPaint::FirstPaint(bool report, std::function<void()> then)
    : m_report(report)
    , m_then(std::move(then))
{
}

qint64 FirstPaint::clockNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double FirstPaint::peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

bool FirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_seen) {
        m_seen = true;
        if (m_report) {
            std::printf("%lld %.1f\n", static_cast<long long>(clockNs()), peakMiB());
            std::fflush(stdout);
        }
        QTimer::singleShot(0, m_then);
    }
    return QObject::eventFilter(watched, event);
}
