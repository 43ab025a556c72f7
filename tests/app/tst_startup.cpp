// The program as main() starts it, in this process and offscreen, against the stand-in over
// PostgreSQL: the sign-in dialog with the local server chosen, the sign-in with the password's
// digest, the session opened with the program's version, the first lists in their order, the
// main window after the loading window, and pings answered for three cycles.
#include "startup/startup.h"

#include "modalwatchdog.h"
#include "scratchdatabase.h"
#include "shell/context.h"
#include "shell/global.h"
#include "shell/mainwindow.h"
#include "shell/qwidgetcreator.h"
#include "standinserver.h"
#include "startuprun.h"
#include "timelimit.h"

#include "gui/dialog/login.h"
#include "gui/mainwindow/mainmenu.h"
#include "gui/mainwindow/maintoolbar.h"
#include "gui/style/style.h"

#include "client/controller/security/usergroupsecurityoption.h"
#include "client/controller/security/usersecurityoption.h"
#include "client/utils/desktoputils.h"
#include "common/core/singleton/spsingleton.h"
#include "common/core/componentversion.h"
#include "common/core/logger/logger.h"
#include "common/core/utils/utils.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QQmlAbstractUrlInterceptor>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {

const QString Login = QStringLiteral("admin");
const QString Password = QStringLiteral("morning shift");
// Stretched with the tests' waits: a pong comes after the answers sent before it, which take long
// to read on a loaded machine while the first lists arrive. The pong time-out stays below the ping
// interval, so that only the pongs keep the connection.
const int PingMs = 2000;
const std::chrono::milliseconds PingInterval = timeLimit(std::chrono::milliseconds(PingMs));
const std::chrono::milliseconds PongTimeout = timeLimit(std::chrono::milliseconds(PingMs * 4 / 5));

QStringList listRequests(const StandinServer &server)
{
    QStringList names;
    for (const QJsonObject &event : server.events()) {
        const QString fn = event.value("message").toObject().value("FN").toString();
        if (event.value("event") == "message" && fn.endsWith("_trGetList"))
            names.append(fn.section('_', 0, 0));
    }
    return names;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void startsAtTheSignInDialog();
    void signInOpensTheMainWindow();
    void pingsKeepTheConnection();
    void signedInAgainReplacesTheWindow();
    void rejectionWithAWindowEndsTheProgram();

private:
    std::unique_ptr<ScratchDatabase> m_database;
    StandinServer m_server;
    ModalWatchdog m_watchdog;
    std::unique_ptr<Startup> m_startup;
};

void TestStartup::initTestCase()
{
    m_database = std::make_unique<ScratchDatabase>("startup");
    QVERIFY2(m_database->isOpen(), qPrintable(m_database->error()));
    m_server.setEnvironment(m_database->environment());
    Utils utils;
    QVERIFY(m_server.start({"--database", "--user", Login + ":" + utils.getPwdHash(Password)}));

    writeOperatorSettings(m_server.port(), Login);

    m_watchdog.allowOpen("Gui::DataLoading");
    m_watchdog.allowOpen("Gui::Dialog::Login");
    Startup::Options options;
    options.pingInterval = PingInterval;
    options.pongTimeout = PongTimeout;
    m_startup = std::make_unique<Startup>(options);
}

void TestStartup::cleanupTestCase()
{
    m_startup.reset();
    VERIFY_NO_MODAL(m_watchdog);
}

void TestStartup::startsAtTheSignInDialog()
{
    Gui::Dialog::Login *dialog = m_startup->loginDialog();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    QVERIFY(dialog->windowTitle().endsWith(" - Koriv Admin"));
    QCOMPARE(dialog->serverChoice()->currentText(), QString("Stand-in"));
    QCOMPARE(dialog->loginEdit()->text(), Login);
    QVERIFY(!m_startup->mainWindow());
    QVERIFY(!Context::global());
    QVERIFY(!QGuiApplication::quitOnLastWindowClosed());

    QCOMPARE(QCoreApplication::applicationName(), QString("KorivAdmin"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QString("Koriv Admin"));
    QCOMPARE(QCoreApplication::applicationVersion(), QString("1.6.0"));
    QCOMPARE(componentVersion(10), QVersionNumber(1, 0, 15));
    QCOMPARE(componentVersion(11), QVersionNumber(1, 0, 16));
    for (const char *type : {"NetDTO", "QList<NetDTO>", "Client::Controller::DesktopController*"})
        QVERIFY2(QMetaType::type(type) != QMetaType::UnknownType, type);

    // A stored language is used as it is.
    QCOMPARE(m_startup->language(), QString("en"));
    QCOMPARE(Gui::Context::language(), QString("en"));
    QCOMPARE(QQuickStyle::name(), QString("Material"));
    QCOMPARE(qgetenv("QT_QUICK_CONTROLS_MATERIAL_THEME"), QByteArray("Dark"));
    QCOMPARE(QApplication::palette().color(QPalette::Window), Gui::Style::darkPalette().color(QPalette::Window));
    QFile sheet(":/style/dark.qss");
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    QCOMPARE(qApp->styleSheet(), QString::fromUtf8(sheet.readAll()));

    QCOMPARE(Logger::instance(0)->path(),
             QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/log");
    QCOMPARE(Gui::Context::desktopUtils()->exportDir(),
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/KorivAdminReports");
    // The build stamp keeps the compiler's English form whatever the language.
    QVERIFY2(QRegularExpression("^[A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4} [0-2][0-9]:[0-5][0-9]:[0-6][0-9]$")
                 .match(Gui::Context::buildDateTime())
                 .hasMatch(),
             qPrintable(Gui::Context::buildDateTime()));

    // The engine takes the Material variants of the kit's files from its first file on.
    QCOMPARE(m_startup->engine()->urlInterceptor()->intercept(QUrl("qrc:/qml/components/base/ButtonExBase.qml"),
                                                              QQmlAbstractUrlInterceptor::QmlFile),
             QUrl("qrc:/qml/components/base/+material/ButtonExBase.qml"));
    QQmlContext *context = m_startup->engine()->rootContext();
    QCOMPARE(context->contextProperty("APP_HOST").toString(), QString("norvik"));
    QCOMPARE(context->contextProperty("installPath").toString(),
             QUrl::fromLocalFile(QCoreApplication::applicationDirPath()).toString() + "/");
    QVERIFY(context->contextProperty("installPath").toString().startsWith("file:///"));
    for (const char *name : {"NET", "USER_SESSION", "AUTH", "SETTINGS", "DESKTOP_UTILS", "QWIDGET_CREATOR",
                             "IMAGE_PROVIDER"})
        QVERIFY2(context->contextProperty(name).value<QObject *>(), name);
    // The program's own window host, with the change-password openers.
    QVERIFY(qobject_cast<QWidgetCreator *>(context->contextProperty("QWIDGET_CREATOR").value<QObject *>()));
    const QVariant isDebug = context->contextProperty("isDebug");
    QVERIFY(isDebug.isValid());
    QVERIFY(!isDebug.value<QObject *>());
    QVERIFY(!context->contextProperty("GLOBAL").isValid());
    // The process-wide option values hold the signed-in user's own rows only.
    for (auto *values : std::initializer_list<Client::Controller::OptionValueController *>{
             SpSingleton<Client::Controller::UserGroupSecurityOption>::instance(),
             SpSingleton<Client::Controller::UserSecurityOption>::instance()}) {
        QVERIFY(values->useTrGetList());
        QVERIFY(!values->isModelReceiveAll());
    }
    // Nothing talks to the server before the operator signs in.
    QCOMPARE(m_server.count(StandinServer::isEvent("connected")), 0);
}

void TestStartup::signInOpensTheMainWindow()
{
    QPointer<Gui::Dialog::Login> dialog = m_startup->loginDialog();
    dialog->passwordEdit()->setText(Password);
    QTimer::singleShot(0, dialog, &Gui::Dialog::Login::accept);
    // The dialog closing must not end the program: the loop runs on until the data is in.
    const int result = runUntil([this] {
        MainWindow *window = m_startup->mainWindow();
        return window && window->isVisible() && Context::global() && Context::global()->loadedCount() > 0
               && !Context::global()->loadingWindow();
    });
    QCOMPARE(result, 42);
    QTRY_VERIFY(!dialog);
    QVERIFY(QGuiApplication::quitOnLastWindowClosed());

    const QList<QJsonObject> auth = m_server.received("auth_trAuth");
    QCOMPARE(auth.size(), 1);
    QCOMPARE(auth.first().value("SIGN").toString(), Login);
    QCOMPARE(auth.first().value("SID").toString(), Utils().getPwdHash(Password));
    const QList<QJsonObject> open = m_server.received("userSession_trOpen");
    QCOMPARE(open.size(), 1);
    QCOMPARE(open.first().value("version").toString(), QString("1.6.0"));

    // The shell's lists, the application's catalogues, then the GUI sessions: each once.
    QCOMPARE(listRequests(m_server),
             (QStringList{"sog", "sot", "so", "ugso", "uso", "user", "ug", "driver", "company", "driverGroup", "dbg",
                          "dbt", "driverPaidServiceType", "carBrands", "carBodyTypes", "carColors", "city",
                          "notification", "notificationType", "cmpbg", "cmpbt", "userGuiSession"}));
    QCOMPARE(m_server.received("driver_trGetList").first().value("is_archived").toString(), QString("0"));
    Global *global = Context::global();
    QCOMPARE(m_server.received("notification_trGetList").first().value("rst_id_owner").toString(),
             QString::number(global->ownerId()));
    // Every list answered: the data-loading window counted each one.
    QTRY_COMPARE(global->loadedCount(), global->registeredCount());
    QVERIFY(global->securityState(global->driver(), "read"));
    QVERIFY(global->carColors()->originalModel()->rowCount() > 0);
    // The placeholder of a sorted list leads it.
    QCOMPARE(global->city()->proxyModel()->data(0, "id").toString(), QString("1"));

    MainWindow *window = m_startup->mainWindow();
    QQmlContext *context = m_startup->engine()->rootContext();
    QCOMPARE(context->contextProperty("GLOBAL").value<QObject *>(), global);
    QCOMPARE(context->contextProperty("mainWindow").value<QObject *>(), window);
    QCOMPARE(window->windowTitle(), QString("Koriv Admin"));
    QStringList menus;
    for (QAction *action : window->menuBar()->actions())
        menus.append(Gui::MainMenu::plainText(action->text()));
    QCOMPARE(menus, (QStringList{"File", "Company", "Driver", "User", "Address", "Payment", "Report", "Tools", "Help"}));
    // The tool bar of a new user: of Users, Drivers and the Launcher, the commands there are.
    Gui::MainToolBar *toolBar = window->mainToolBar();
    QVERIFY(toolBar && toolBar->toolBar()->isVisible());
    QCOMPARE(toolBar->commandIds(), (QStringList{"users", "drivers", "launcher"}));
    QStringList shown;
    for (QAction *button : toolBar->toolBar()->actions()) {
        if (button->isVisible() && !button->objectName().isEmpty())
            shown.append(button->objectName());
    }
    QCOMPARE(shown, (QStringList{"users", "drivers", "launcher"}));
    VERIFY_NO_MODAL(m_watchdog);
}

void TestStartup::pingsKeepTheConnection()
{
    const auto isPong = [](const QJsonObject &e) {
        return e.value("event") == "sent" && e.value("message").toObject().value("FN") == "userSession_saPing";
    };
    const int pings = m_server.count(StandinServer::isMessage("userSession_trPing"));
    const int pongs = m_server.count(isPong);
    QVERIFY(m_server.waitForCount(StandinServer::isMessage("userSession_trPing"), pings + 3, 6 * PingMs));
    QVERIFY(m_server.waitForCount(isPong, pongs + 3, 2 * PingMs));
    // One connection all along: the next ping comes after the time-out of the one before, over
    // the same connection.
    QVERIFY(m_server.waitForCount(StandinServer::isMessage("userSession_trPing"),
                                  m_server.count(StandinServer::isMessage("userSession_trPing")) + 1, 3 * PingMs));
    QCOMPARE(m_server.count(StandinServer::isEvent("connected")), 1);
    QCOMPARE(m_server.count(StandinServer::isEvent("disconnected")), 0);
}

void TestStartup::signedInAgainReplacesTheWindow()
{
    QPointer<MainWindow> first = m_startup->mainWindow();
    QPointer<Global> firstGlobal = Context::global();
    m_startup->onLoginFinished(QDialog::Accepted);
    QVERIFY(first.isNull());
    QVERIFY(firstGlobal.isNull());
    MainWindow *second = m_startup->mainWindow();
    QVERIFY(second && second->isVisible());
    QVERIFY(Context::global());
    QCOMPARE(Context::global()->parent(), second);
    QCOMPARE(m_startup->engine()->rootContext()->contextProperty("GLOBAL").value<QObject *>(), Context::global());
}

// A rejected sign-in once a main window stands ends the program too, and leaves the window as it
// is. (Cancelling the first sign-in is a run of its own: tst_startupcancel.)
void TestStartup::rejectionWithAWindowEndsTheProgram()
{
    MainWindow *window = m_startup->mainWindow();
    QTimer::singleShot(0, m_startup.get(), [this] { m_startup->onLoginFinished(QDialog::Rejected); });
    QCOMPARE(runUntil([] { return false; }), 0);
    QCOMPARE(m_startup->mainWindow(), window);
}

int main(int argc, char *argv[])
{
    return runStartupTest(argc, argv, [] { return std::make_unique<TestStartup>(); });
}

#include "tst_startup.moc"
