#include "qmlmessageguard.h"

QmlMessageGuard *QmlMessageGuard::s_current = nullptr;

QmlMessageGuard::QmlMessageGuard(bool installNow)
{
    s_current = this;
    if (installNow)
        install();
}

QmlMessageGuard::~QmlMessageGuard()
{
    // The previous handler returns only while the guard's is in place: a test run that ended
    // has put back its own already.
    if (m_installed && !m_outer) {
        const QtMessageHandler current = qInstallMessageHandler(m_previous);
        if (current != &QmlMessageGuard::handler)
            qInstallMessageHandler(current);
    }
    if (s_current == this)
        s_current = m_outer;
}

void QmlMessageGuard::install()
{
    if (s_current != this)
        m_outer = s_current;
    s_current = this;
    const QtMessageHandler previous = qInstallMessageHandler(&QmlMessageGuard::handler);
    if (previous != &QmlMessageGuard::handler)
        m_previous = previous;
    else if (m_outer)
        m_previous = m_outer->m_previous;
    m_installed = true;
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
    // What the offscreen platform cannot do with windows; Qt's animation timer when a window
    // stops rendering; an X server without a window manager refusing a focus request.
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
    QmlMessageGuard *guard = s_current;
    if (guard)
        guard->take(type, text);
    if (guard && guard->m_previous)
        guard->m_previous(type, context, text);
}
