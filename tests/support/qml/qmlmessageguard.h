#pragma once

#include <QStringList>
#include <QtGlobal>

// While it lives, every warning and error message (the QML engine's included) that no expect()
// announced is kept as unexpected; messages still reach the previous handler. Tests check
// takeUnexpected() is empty after each function.
class QmlMessageGuard
{
public:
    QmlMessageGuard();
    ~QmlMessageGuard();

    // The next message containing fragment is expected.
    void expect(const QString &fragment);
    QStringList takeUnexpected();
    // Expected fragments that never came.
    QStringList takeMissing();
    // Messages of the offscreen platform about what it cannot do with windows.
    static bool isPlatformNoise(const QString &text);

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text);
    void take(QtMsgType type, const QString &text);

    static QmlMessageGuard *s_current;
    QtMessageHandler m_previous = nullptr;
    QStringList m_expected;
    QStringList m_unexpected;
};
