#include "qmlmessageguard.h"

QmlMessageGuard *QmlMessageGuard::s_current = nullptr;

QmlMessageGuard::QmlMessageGuard()
{
    s_current = this;
    m_previous = qInstallMessageHandler(&QmlMessageGuard::handler);
}

QmlMessageGuard::~QmlMessageGuard()
{
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
}

void QmlMessageGuard::expect(const QString &fragment)
{
    m_expected.append(fragment);
}

QStringList QmlMessageGuard::takeUnexpected()
{
    QStringList result;
    result.swap(m_unexpected);
    return result;
}

QStringList QmlMessageGuard::takeMissing()
{
    QStringList result;
    result.swap(m_expected);
    return result;
}

bool QmlMessageGuard::isPlatformNoise(const QString &text)
{
    // Qt's animation timer stopping, from a queued call, the driver that a window's render loop
    // stopped when the window went: Qt's own bookkeeping, seen when the machine runs slowly
    // (under the sanitizers).
    return text.contains(QLatin1String("This plugin does not support"))
        || text == QLatin1String("QUnifiedTimer::stopAnimationDriver: driver is not running");
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
    QmlMessageGuard *guard = s_current;
    if (guard)
        guard->take(type, text);
    if (guard && guard->m_previous)
        guard->m_previous(type, context, text);
}
