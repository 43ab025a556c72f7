// The program as main() starts it, in this process and offscreen, with the operator cancelling
// the sign-in dialog: the program ends by itself, and neither a main window nor the application's
// Global ever exists. A run of its own, so that nothing of a signed-in run exists beforehand.
#include "startup/startup.h"

#include "modalwatchdog.h"
#include "shell/context.h"
#include "shell/global.h"
#include "shell/mainwindow.h"
#include "standinserver.h"
#include "startuprun.h"

#include "gui/dialog/login.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QtTest>

#include <memory>

class TestStartupCancel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cancelledSignInCreatesNoWindow();

private:
    StandinServer m_server;
    ModalWatchdog m_watchdog;
};

void TestStartupCancel::initTestCase()
{
    QVERIFY(m_server.start({"--user", "admin:" + passwordDigest("morning shift")}));
    writeOperatorSettings(m_server.port(), "admin");
    m_watchdog.allowOpen("Gui::Dialog::Login");
}

void TestStartupCancel::cancelledSignInCreatesNoWindow()
{
    Startup startup;
    QPointer<Gui::Dialog::Login> dialog = startup.loginDialog();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    QVERIFY(!startup.mainWindow());
    QVERIFY(!Context::global());

    // The operator types the password and then presses Cancel.
    dialog->passwordEdit()->setText("morning shift");
    QPushButton *cancel = dialog->buttonBox()->button(QDialogButtonBox::Cancel);
    QVERIFY(cancel && cancel->isVisible());
    QTimer::singleShot(0, cancel, [cancel] { QTest::mouseClick(cancel, Qt::LeftButton); });
    QCOMPARE(runUntil([] { return false; }), 0);

    QTRY_VERIFY(!dialog);
    QVERIFY(!startup.mainWindow());
    QVERIFY(!Context::global());
    QVERIFY(!Gui::Context::global());
    for (QWidget *top : QApplication::topLevelWidgets()) {
        QVERIFY2(!qobject_cast<MainWindow *>(top), "a main window was made");
        QVERIFY(top->findChildren<Global *>().isEmpty());
    }
    QVERIFY(qApp->findChildren<Global *>().isEmpty());
    QQmlContext *context = startup.engine()->rootContext();
    QVERIFY(!context->contextProperty("GLOBAL").isValid());
    QVERIFY(!context->contextProperty("mainWindow").isValid());
    // Nothing was sent: no sign-in, no lists.
    QCOMPARE(m_server.count(StandinServer::isEvent("connected")), 0);
    VERIFY_NO_MODAL(m_watchdog);
}

int main(int argc, char *argv[])
{
    return runStartupTest(argc, argv, [] { return std::make_unique<TestStartupCancel>(); });
}

#include "tst_startupcancel.moc"
