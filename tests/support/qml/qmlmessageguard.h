#pragma once

#include <QStringList>
#include <QtGlobal>

// While it is installed, every warning and error message (the QML engine's included) that no
// expect() announced is kept as unexpected, the window platform's noise left aside; messages
// still go on to the handler the guard was put in front of. Tests check takeUnexpected() is
// empty after each function. Of several installed guards, the one installed last takes the
// messages; the one below takes them again once it goes, in whatever order guards go.
// QTest::qExec installs a handler of its own that passes nothing on and, when the run ends, puts
// back the one it found: a guard made before the run (a test object's member) installs itself
// from within the run, and sees nothing after it. A guard installed before a run sees nothing of
// the run either: install none there.
class QmlMessageGuard
{
public:
    explicit QmlMessageGuard(bool installNow = true);
    ~QmlMessageGuard();
    Q_DISABLE_COPY(QmlMessageGuard)

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
    // Takes the guard out of the installed ones; what it replaced returns when its handler is
    // still the one in place.
    void uninstall();

    // The handler this guard's install() replaced; null when that was a guard's.
    QtMessageHandler m_replaced = nullptr;
    // Where messages go on from this guard; null for the standard error output.
    QtMessageHandler m_forward = nullptr;
    QStringList m_expected;
    QStringList m_unexpected;
};
