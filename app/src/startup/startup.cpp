#include "startup.h"

#include "buildstamp.h"
#include "translations.h"

#include "controller/qmltypes.h"
#include "messagedispatcher.h"
#include "network.h"
#include "shell/context.h"
#include "shell/global.h"
#include "shell/mainwindow.h"
#include "shell/qwidgetcreator.h"

#include "gui/controller/abstractcontroller.h"
#include "gui/core/boxstack.h"
#include "gui/core/focusedwheel.h"
#include "gui/core/plainmessageboxes.h"
#include "gui/core/shortcutprecedence.h"
#include "gui/dialog/login.h"
#include "gui/settings/settings.h"
#include "gui/style/style.h"

#include "client/controller/auth.h"
#include "client/controller/desktopcontroller.h"
#include "client/controller/security/usergroupsecurityoption.h"
#include "client/controller/security/usersecurityoption.h"
#include "client/controller/usersession.h"
#include "client/net/qmlnetwork.h"
#include "client/utils/desktoputils.h"
#include "client/utils/imageproviderwrapper.h"
#include "client/utils/photoimageprovider.h"
#include "common/core/componentversion.h"
#include "common/core/logger/logger.h"
#include "common/core/singleton/spsingleton.h"
#include "common/net/netdto.h"

#include <QApplication>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QUrl>

#include <exception>

namespace {

const int DefaultPort = 40300;

Network *network()
{
    return SpSingleton<Network>::instance();
}

// What a failed start tells: in the log, and in a box over whatever window there is.
void reportFailure(const QString &text)
{
    Logger::instance(0)->warning(text);
    if (QApplication::instance())
        Gui::Context::critical(QCoreApplication::translate("Startup", "The program could not start: %1").arg(text));
}

} // namespace

void Startup::prepare()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    new Context;
}

int Startup::runGuarded(const std::function<int()> &body)
{
    try {
        return body();
    } catch (const std::exception &error) {
        reportFailure(QString::fromUtf8(error.what()));
    }
    return 1;
}

Startup::Startup()
    : Startup(Options())
{
}

Startup::Startup(const Options &options)
{
    registerMetaTypes();
    setComponentVersion(0, QVersionNumber(1, 6, 0));
    setComponentVersion(10, QVersionNumber(1, 0, 15));
    setComponentVersion(11, QVersionNumber(1, 0, 16));
    setApplicationIdentity();
    m_settings = std::make_unique<Gui::Settings>();
    createLogger();
    startNetwork(options);
    createAuth();
    m_language = Translations::chooseLanguage(QLocale::system().name());
    m_translations = Translations::install(m_language);
    applyLook();
    m_desktopUtils = std::make_unique<Client::DesktopUtils>(QCoreApplication::instance());
    m_desktopUtils->setExportDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
                                 + QCoreApplication::applicationName() + QStringLiteral("Reports"));
    m_imageProvider = std::make_unique<Client::ImageProviderWrapper>();
    m_widgetCreator = std::make_unique<QWidgetCreator>();
    registerQmlTypes();
    createQmlEngine();
    setContextProperties();
    registerInContext();
    Gui::Style::loadFonts();
    openLoginDialog();
}

Startup::~Startup()
{
    delete m_mainWindow;
    delete m_login;
}

void Startup::registerMetaTypes()
{
    qRegisterMetaType<NetDTO>("NetDTO");
    qRegisterMetaType<QList<NetDTO>>("QList<NetDTO>");
    qRegisterMetaType<Client::Controller::DesktopController *>("Client::Controller::DesktopController*");
}

void Startup::setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Koriv"));
    QCoreApplication::setApplicationName(QStringLiteral("KorivAdmin"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Koriv Admin"));
    QCoreApplication::setApplicationVersion(componentVersion(0).toString());
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/icon.png")));
}

void Startup::createLogger()
{
    const bool enabled = Gui::Settings::value(QStringLiteral("logging"), QStringLiteral("enabled"), false).toBool();
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/log");
    Logger::instance(0, folder, "full", enabled, "yyyy-MM-dd.hh-mm-ss", true);
}

void Startup::startNetwork(const Options &options)
{
    Network *net = network();
    Common::AbstractController::setNetwork(net);
    Gui::Controller::AbstractController::setNetwork(net);
    net->setMessageDispatcher(QSharedPointer<Common::MessageDispatcher>(new MessageDispatcher));
    if (options.pingInterval.count() > 0)
        net->setPingInterval(options.pingInterval);
    if (options.pongTimeout.count() > 0)
        net->setPongTimeout(options.pongTimeout);
    net->setPingEnabled(true);
    net->start(QThread::NormalPriority);
    SpSingleton<Client::QmlNetwork>::instance();
}

void Startup::createAuth()
{
    m_auth = std::make_unique<Client::Controller::Auth>();
    connect(network(), &Common::ApiNetwork::fireTrAuth, m_auth.get(), &Client::Controller::Auth::trAuth);
    connect(m_auth.get(), &Client::Controller::Auth::saAuth, SpSingleton<Client::Controller::UserSession>::instance(),
            &Client::Controller::UserSession::trOpen);
}

void Startup::applyLook()
{
    QQuickStyle::setStyle(QStringLiteral("Material"));
    qputenv("QT_QUICK_CONTROLS_MATERIAL_THEME", "Dark");
    QApplication::setPalette(Gui::Style::darkPalette());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFile sheet(QStringLiteral(":/style/dark.qss"));
    // Without the sheet the widgets keep the plain dark palette.
    qApp->setStyleSheet(sheet.open(QIODevice::ReadOnly) ? QString::fromUtf8(sheet.readAll()) : QString());
    m_plainMessageBoxes = std::make_unique<Gui::PlainMessageBoxes>();
    m_shortcutPrecedence = std::make_unique<Gui::ShortcutPrecedence>();
    m_focusedWheel = std::make_unique<Gui::FocusedWheel>();
    m_boxStack = std::make_unique<Gui::BoxStack>();
    bool isNumber = false;
    const int fontSize = Gui::Settings::value(QStringLiteral("style"), QStringLiteral("fontSize"), 0).toInt(&isNumber);
    if (isNumber && fontSize != 0)
        Gui::Context::setFontSize(fontSize);
}

void Startup::createQmlEngine()
{
    m_engine = std::make_unique<QQmlApplicationEngine>();
    Gui::Style::selectStyleFiles(m_engine.get());
    m_engine->addImageProvider(QStringLiteral("photo"), m_imageProvider->takeProvider());
}

void Startup::setContextProperties()
{
    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("APP_HOST"), QStringLiteral("norvik"));
    context->setContextProperty(QStringLiteral("NET"), SpSingleton<Client::QmlNetwork>::instance());
    context->setContextProperty(QStringLiteral("USER_SESSION"), SpSingleton<Client::Controller::UserSession>::instance());
    context->setContextProperty(QStringLiteral("AUTH"), m_auth.get());
    context->setContextProperty(QStringLiteral("SETTINGS"), m_settings.get());
    context->setContextProperty(QStringLiteral("DESKTOP_UTILS"), m_desktopUtils.get());
    context->setContextProperty(QStringLiteral("QWIDGET_CREATOR"), m_widgetCreator.get());
    context->setContextProperty(QStringLiteral("installPath"),
                                QUrl::fromLocalFile(QCoreApplication::applicationDirPath()).toString() + QLatin1Char('/'));
    context->setContextProperty(QStringLiteral("IMAGE_PROVIDER"), m_imageProvider.get());
    // The process-wide option values are the signed-in user's own: they keep taking only those.
    SpSingleton<Client::Controller::UserGroupSecurityOption>::instance()->setUseTrGetList(true);
    SpSingleton<Client::Controller::UserSecurityOption>::instance()->setUseTrGetList(true);
    context->setContextProperty(QStringLiteral("isDebug"), QVariant::fromValue<QObject *>(nullptr));
}

void Startup::registerInContext()
{
    Gui::Context::setNetwork(network());
    Gui::Context::setQmlEngine(m_engine.get());
    Gui::Context::setDesktopUtils(m_desktopUtils.get());
    Gui::Context::setLanguage(m_language);
    Gui::Context::setBuildDateTime(buildStamp());
}

void Startup::openLoginDialog()
{
    // Until the main window stands, the dialog closing must not end the program.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_login = new Gui::Dialog::Login(DefaultPort);
    m_login->setTitleSuffix(QGuiApplication::applicationDisplayName());
    m_login->setResetPasswordVisible(false);
    connect(m_login, &QDialog::finished, this, &Startup::onLoginFinished);
    m_login->open();
}

void Startup::onLoginFinished(int result)
{
    if (result == 0) {
        QCoreApplication::quit();
        return;
    }
    if (runGuarded([this] {
            openMainWindow();
            return 0;
        })
        != 0)
        QCoreApplication::exit(1);
}

void Startup::openMainWindow()
{
    delete m_mainWindow;
    m_mainWindow = new MainWindow;
    m_mainWindow->createGlobal();
    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("mainWindow"), m_mainWindow.data());
    context->setContextProperty(QStringLiteral("GLOBAL"), Context::global());
    m_mainWindow->setup();
    m_mainWindow->show();
    QGuiApplication::setQuitOnLastWindowClosed(true);
}
