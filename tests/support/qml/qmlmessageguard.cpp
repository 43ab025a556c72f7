#include "qmlmessageguard.h"

#include <QVector>

#include <cstdio>
#include <mutex>

namespace {

// The installed guards, in the order of their installing: the last one takes the messages.
// Messages come from any thread; the lock is the standard library's, which ThreadSanitizer sees.
struct Installed
{
    std::mutex mutex;
    QVector<QmlMessageGuard *> guards;
};

Installed &installed()
{
    static Installed state;
    return state;
}

// Whether the handler in place is this one; the one in place stays.
bool isInPlace(QtMessageHandler handler)
{
    const QtMessageHandler current = qInstallMessageHandler(handler);
    if (current == handler)
        return true;
    qInstallMessageHandler(current);
    return false;
}

} // namespace

QmlMessageGuard::QmlMessageGuard(bool installNow)
{
    if (installNow)
        install();
}

QmlMessageGuard::~QmlMessageGuard()
{
    std::lock_guard<std::mutex> lock(installed().mutex);
    uninstall();
}

void QmlMessageGuard::install()
{
    std::lock_guard<std::mutex> lock(installed().mutex);
    uninstall();
    const QtMessageHandler previous = qInstallMessageHandler(&QmlMessageGuard::handler);
    QVector<QmlMessageGuard *> &guards = installed().guards;
    if (previous == &QmlMessageGuard::handler) {
        // In front of another guard: the messages go on where that one's go.
        m_replaced = nullptr;
        m_forward = guards.isEmpty() ? nullptr : guards.last()->m_forward;
    } else {
        m_replaced = previous;
        m_forward = previous;
    }
    guards.append(this);
}

void QmlMessageGuard::uninstall()
{
    QVector<QmlMessageGuard *> &guards = installed().guards;
    const int index = guards.indexOf(this);
    if (index < 0)
        return;
    guards.remove(index);
    if (index < guards.size()) {
        // A guard installed over this one now stands on what this one replaced.
        QmlMessageGuard *above = guards.at(index);
        if (!above->m_replaced)
            above->m_replaced = m_replaced;
        return;
    }
    // A handler installed over this guard's, or one put back from below it (the end of a test
    // run), stays; while it was in place, the handler this guard replaced may have gone.
    if (m_replaced && isInPlace(&QmlMessageGuard::handler))
        qInstallMessageHandler(m_replaced);
}

void QmlMessageGuard::expect(const QString &fragment)
{
    std::lock_guard<std::mutex> lock(installed().mutex);
    m_expected.append(fragment);
}

QStringList QmlMessageGuard::takeUnexpected()
{
    std::lock_guard<std::mutex> lock(installed().mutex);
    QStringList result;
    result.swap(m_unexpected);
    return result;
}

QStringList QmlMessageGuard::takeMissing()
{
    std::lock_guard<std::mutex> lock(installed().mutex);
    QStringList result;
    result.swap(m_expected);
    return result;
}

bool QmlMessageGuard::isPlatformNoise(const QString &text)
{
    // What the offscreen platform cannot do with windows; Qt's animation timer stopping, from a
    // queued call, the driver that a window's render loop stopped when the window went (Qt's own
    // bookkeeping); an X server without a window manager refusing a focus request.
    return text.contains(QLatin1String("This plugin does not support"))
        || text.contains(QLatin1String("QUnifiedTimer::stopAnimationDriver: driver is not running"))
        || (text.contains(QLatin1String("XCB error: 8 (BadMatch)")) && text.contains(QLatin1String("(SetInputFocus)")));
}

void QmlMessageGuard::take(QtMsgType type, const QString &text)
{
    if ((type != QtWarningMsg && type != QtCriticalMsg && type != QtFatalMsg) || isPlatformNoise(text))
        return;
    for (int i = 0; i < m_expected.size(); ++i) {
        if (text.contains(m_expected.at(i))) {
            m_expected.removeAt(i);
            return;
        }
    }
    m_unexpected.append(text);
}

void QmlMessageGuard::handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    QtMessageHandler forward = nullptr;
    {
        std::lock_guard<std::mutex> lock(installed().mutex);
        const QVector<QmlMessageGuard *> &guards = installed().guards;
        if (!guards.isEmpty()) {
            guards.last()->take(type, text);
            forward = guards.last()->m_forward;
        }
    }
    if (forward)
        forward(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}
