#pragma once

#include <QStringList>
#include <QtGlobal>

// While it lives and is installed, every warning and error message (the QML engine's included)
// that no expect() announced is kept as unexpected; messages still reach the previous handler.
// Tests check takeUnexpected() is empty after each function. QTest::qExec installs a handler of
// its own that passes nothing on: a guard made before it (a test object's member) installs
// itself from within the run, with install().
class QmlMessageGuard
{
public:
    explicit QmlMessageGuard(bool installNow = true);
    ~QmlMessageGuard();

    // Puts the guard in front of the handler in place now; again after another took its place.
    void install();

    // The next message containing fragment is expected.
    void expect(const QString &fragment);
    QStringList takeUnexpected();
    // Expected fragments that never came.
    QStringList takeMissing();
    // Messages of the window platform that say nothing of the program.
    static bool isPlatformNoise(const QString &text);

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text);
    void take(QtMsgType type, const QString &text);

    static QmlMessageGuard *s_current;
    QtMessageHandler m_previous = nullptr;
    bool m_installed = false;
    // The guard that was current when this one was installed: it is again once this one goes.
    QmlMessageGuard *m_outer = nullptr;
    QStringList m_expected;
    QStringList m_unexpected;
};
