#include "global.h"

#include "gui/core/context.h"
#include "gui/core/shellwindow.h"
#include "gui/core/utils.h"
#include "gui/frame/frame.h"
#include "gui/frame/framecreators.h"
#include "gui/frame/maintabwidget.h"
#include "gui/frame/qmlhost.h"
#include "gui/security/securitylookup.h"
#include "gui/settings/settings.h"
#include "gui/update/updater.h"
#include "gui/widget/dataloading.h"
#include "gui/widget/toastwindow.h"

#include "client/controller/auth.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"

#include <QVariant>

namespace Gui {

using namespace Client::Controller;

namespace {

const QString ReceiverKey = QStringLiteral("RECEIVER");

bool isOwnAnswer(const ItemController *controller, const QVariantMap &params)
{
    return params.value(ReceiverKey).toString() == controller->objectNumber();
}

UserSession *session()
{
    return SpSingleton<UserSession>::instance();
}

} // namespace

Global::Global(QObject *parent)
    : QObject(parent)
    , m_guiSession(new GuiSession)
{
    connect(session(), &UserSession::saOpen, this, &Global::onSaOpen);
    connect(session(), &UserSession::srClosed, this, &Global::onSrClosed);
}

Global::~Global()
{
    if (Context::global() == this)
        Context::setGlobal(nullptr);
    if (m_loadingWindow)
        m_loadingWindow->destroy();
    delete m_securityLookup;
    delete m_frameCreators;
    delete m_frames;
    delete m_guiSession;
    delete m_style;
    delete m_updater;
    delete m_toolBar;
    delete m_auth;
    delete m_securityOptionGroup;
    delete m_securityOptionType;
    delete m_securityOption;
    delete m_userGroup;
    delete m_user;
    delete m_userGuiSession;
}

void Global::createControllers()
{
}

void Global::loadControllers(int, const QVariantMap &)
{
}

User *Global::createUser()
{
    return new User;
}

FrameCreators *Global::createFrameCreators()
{
    return new FrameCreators;
}

void Global::initialize()
{
    m_scaleFactor = Settings::scaleFactor();
    m_auth = new Auth;
    connect(m_auth, &Auth::saFailed, this, &Global::onSaFailed);
    m_securityLookup = new SecurityLookup(this);
    m_style = new Style;
    m_frames = new Frames;
    m_frameCreators = createFrameCreators();
    const QList<ItemController *> optionValues{userGroupSecurityOption(), userSecurityOption()};
    for (ItemController *values : optionValues)
        connect(values, &ItemController::saListInfo, this,
                [this, values](const QVariantMap &params) { onSoListInfo(values, params); });
    m_updater = new Updater;
    m_toolBar = new ToolBar;
    registerController(userGroupSecurityOption());
    registerController(userSecurityOption());
    createSharedControllers();
    createControllers();
}

void Global::createSharedControllers()
{
    m_userGroup = new UserGroup;
    registerController(m_userGroup);
    m_userGroup->originalModel()->addRow(
        {{QStringLiteral("id"), QStringLiteral("1")}, {QStringLiteral("name"), Utils::bracketed(tr("All groups"))}});
    m_userGroup->proxyModel()->sortRows(QStringLiteral("name"), Qt::AscendingOrder);
    m_user = createUser();
    registerController(m_user);
    m_userGuiSession = new UserGuiSession;
    registerController(m_userGuiSession);
    m_securityOptionGroup = new SecurityOptionGroup;
    registerController(m_securityOptionGroup);
    m_securityOptionType = new SecurityOptionType;
    registerController(m_securityOptionType);
    m_securityOption = new SecurityOption;
    registerController(m_securityOption);
}

void Global::registerController(DesktopController *controller, bool forwardRows)
{
    if (!controller)
        return;
    controller->setUseTrGetList(true);
    if (forwardRows) {
        connect(controller, &ItemController::saListInfo, this, [controller](const QVariantMap &params) {
            if (isOwnAnswer(controller, params) && controller->originalModel())
                controller->originalModel()->addRow(params);
        });
    }
    // The controller sorts its own list at its end already (ItemController::onSaGetList).
    connect(this, &Global::soReceived, controller,
            [this, controller](const QString &sog, const QString &operation) {
                updateModelOnSo(sog, operation, controller);
            });
    m_loading.insert(controller, connect(controller, &ItemController::saGetList, this,
                                         [this, controller](const QVariantMap &params) {
                                             incrementLoadingController(controller, params);
                                         }));
    ++m_registered;
}

UserGroupSecurityOption *Global::userGroupSecurityOption() const
{
    return SpSingleton<UserGroupSecurityOption>::instance();
}

UserSecurityOption *Global::userSecurityOption() const
{
    return SpSingleton<UserSecurityOption>::instance();
}

qint64 Global::ownerId()
{
    return session()->rstIdOwner().toLongLong();
}

int Global::utcOffset()
{
    return session()->utcOffset().toInt();
}

GuiSession *Global::currentGuiSession()
{
    Global *global = Context::global();
    return global ? global->guiSession() : nullptr;
}

Frames *Global::currentFrames()
{
    Global *global = Context::global();
    return global ? global->frames() : nullptr;
}

void Global::onSaOpen(QVariantMap params)
{
    if (m_firstOpen) {
        m_firstOpen = false;
        if (params.value(QStringLiteral("RES")).toString() == QLatin1String("50")) {
            Context::information(tr("You have old version! Please update your application"));
            openDownloadPage();
            emit closing();
            return;
        }
        if (params.value(QStringLiteral("isNewVersionAvailable")).toString() == QLatin1String("1"))
            Context::information(tr("New version is available! Please update your application in the near future"));
        m_loadingWindow = new DataLoading;
        m_loadingWindow->show();
        requestFirstLists(params);
    } else if (m_loadingWindow) {
        // The connection dropped before the shared lists were in: they are asked for again, or
        // the loading window would stay for good.
        requestFirstLists(params);
    } else {
        loadControllers(1, params);
    }
    loadControllers(2, params);
}

void Global::requestFirstLists(const QVariantMap &params)
{
    m_securityOptionGroup->trGetList({}, true);
    m_securityOptionType->trGetList({}, true);
    m_securityOption->trGetList({}, true);
    userGroupSecurityOption()->trGetList(
        {{QStringLiteral("rst_id_group"), session()->rstIdGroup().toLongLong()}}, true);
    userSecurityOption()->trGetList({{QStringLiteral("rst_id_owner"), ownerId()}}, true);
    m_user->trGetList({}, true);
    m_userGroup->trGetList({}, true);
    loadControllers(0, params);
    m_userGuiSession->trGetList({{QStringLiteral("rst_id_owner"), ownerId()}}, true);
}

void Global::incrementLoadingController(DesktopController *sender, const QVariantMap &params)
{
    // Only the controller's own list counts; a refused list ends as well as a complete one.
    if (!isOwnAnswer(sender, params))
        return;
    const bool refused = params.value(QStringLiteral("RES")).toString() == QLatin1String("0");
    if (!refused && params.value(QStringLiteral("STATE")).toString() != QLatin1String("end"))
        return;
    disconnect(m_loading.take(sender));
    ++m_loaded;
    if (m_loadingWindow && m_registered > 0)
        m_loadingWindow->setValue(int(double(m_loaded) / m_registered * 100));
    const QString answering = params.value(QStringLiteral("FN")).toString().section(QLatin1Char('_'), 0, 0);
    if (answering == m_userGuiSession->name())
        finishLoading();
}

void Global::finishLoading()
{
    // Lists still due no longer count: the window is gone.
    for (const QMetaObject::Connection &connection : qAsConst(m_loading))
        disconnect(connection);
    m_loading.clear();
    if (m_loadingWindow)
        m_loadingWindow->destroy();
    onDataLoaded();
}

void Global::onDataLoaded()
{
    if (ShellWindow *window = Context::shellWindow())
        window->rebuildGuiSessionMenu();
    const qint64 id = m_userGuiSession->proxyModel()
                          ->data(QStringLiteral("is_default"), QStringLiteral("1"), QStringLiteral("id"))
                          .toLongLong();
    if (id != 0)
        m_guiSession->switchCurrent(int(id));
    if (Settings::checkUpdatesOnStartup())
        checkForUpdatesOnStartup();
}

void Global::checkForUpdatesOnStartup()
{
    m_updater->checkWithChannel(true, true);
}

void Global::openDownloadPage()
{
    m_updater->openDownloadPage();
}

void Global::onSoListInfo(ItemController *sender, const QVariantMap &params)
{
    OriginalModel *values = sender->originalModel();
    if (!isOwnAnswer(sender, params) || !values || !values->dataAtLeastLoaded())
        return;
    values->addRow(params);
    const QString code = m_securityOption->originalModel()
                             ->data(QStringLiteral("id"), params.value(QStringLiteral("rst_id_so")).toString(),
                                    QStringLiteral("code"))
                             .toString();
    // "<controller>.crud.<operation>"; a row of an unknown option or a code of another form
    // names no controller right.
    const QStringList parts = code.split(QLatin1Char('.'));
    if (parts.size() < 3)
        return;
    emit soReceived(parts.at(0), parts.at(2));
}

void Global::updateModelOnSo(const QString &sog, const QString &operation, DesktopController *controller)
{
    if (!controller || controller->name() != sog || operation != QLatin1String("read"))
        return;
    OriginalModel *model = controller->originalModel();
    if (!model)
        return;
    if (!controller->useTrGetList() || !controller->hasReadRight()) {
        model->clear();
        model->setMaxDtUtcLastUpdate(0);
        return;
    }
    QVariantMap params = controller->getMapParamsFromTrGetList();
    params.insert(QStringLiteral("dt_utc_last_update"), QVariant::fromValue<qint64>(model->maxDtUtcLastUpdate() + 1));
    // What is held stays: only newer rows come.
    params.insert(QStringLiteral("_do_not_clear_model"), QStringLiteral("1"));
    controller->trGetList(params, false);
}

void Global::onSaFailed(QVariantMap params)
{
    if (params.value(QStringLiteral("RES")).toString() != QLatin1String("30"))
        return;
    Context::information(tr("This account made other connection to the server"));
    emit closing();
}

void Global::onSrClosed()
{
    Context::information(tr("Your session closed on server side"));
    emit closing();
}

QObject *Global::createQmlFrame(const QString &url, const QVariantMap &properties)
{
    return Context::createQmlFrame(url, properties);
}

void Global::removeTab(QObject *item, QObject *parentItem)
{
    MainTabWidget *tabs = Context::mainTabWidget();
    if (!tabs)
        return;
    // The opener's tab is shown in place of the page's own; another tab shown stays.
    const int parentIndex = tabs->indexOfQmlItem(parentItem);
    if (parentIndex >= 0 && tabs->indexOfQmlItem(item) == tabs->currentIndex())
        tabs->setCurrentIndex(parentIndex);
    // Nothing holds the item (a second close): nothing is removed.
    tabs->removeQmlItemTab(item);
}

void Global::setTabTitle(QObject *item, const QString &title)
{
    MainTabWidget *tabs = Context::mainTabWidget();
    const int index = tabs ? tabs->indexOfQmlItem(item) : -1;
    if (index >= 0)
        tabs->setTabText(index, title);
}

QObject *Global::tabQmlItem(int index)
{
    MainTabWidget *tabs = Context::mainTabWidget();
    return tabs ? tabs->qmlItem(index) : nullptr;
}

QObject *Global::currentQmlItem()
{
    MainTabWidget *tabs = Context::mainTabWidget();
    return tabs ? tabs->qmlItem(tabs->currentIndex()) : nullptr;
}

bool Global::securityState(DesktopController *controller, const QString &operation)
{
    return m_securityLookup->securityState(controller, operation);
}

bool Global::securityStateByName(const QString &name, const QString &operation)
{
    return m_securityLookup->securityStateByName(name, operation);
}

QString Global::securityValue(DesktopController *controller, const QString &operation)
{
    return m_securityLookup->securityValue(controller, operation);
}

void Global::pushToast(QObject *toast)
{
    m_toasts.append(toast);
}

void Global::popToast()
{
    if (!m_toasts.isEmpty())
        m_toasts.removeLast();
}

int Global::toastCount()
{
    return m_toasts.size();
}

void Global::setScaleFactor(double scaleFactor)
{
    if (qFuzzyCompare(m_scaleFactor, scaleFactor))
        return;
    m_scaleFactor = scaleFactor;
    emit scaleFactorChanged(scaleFactor);
}

Frames *Global::frameList() const
{
    return m_frames;
}

FrameCreators *Global::frameFactory() const
{
    return m_frameCreators;
}

QVariantMap Global::storedSettings(const QString &name) const
{
    return m_guiSession->frameSettings(name);
}

void Global::storeSettings(const QString &name, const QVariantMap &settings)
{
    m_guiSession->setFrameSettings(name, settings);
}

QObject *Global::hostQmlFrame(const QString &url, const QVariantMap &options)
{
    return QmlHost::openFrame(url, options);
}

void Global::hostFrame(Frame *frame, const QVariantMap &settings)
{
    QmlHost::showFrame(frame, settings);
}

void Global::storeFrameSettings(Frame *frame)
{
    m_guiSession->setFrameSettings(frame->settingsName(), frame->saveSettings());
}

void Global::changeScaleFactor(double scaleFactor)
{
    setScaleFactor(scaleFactor);
}

int Global::stackToast(ToastWindow *toast)
{
    pushToast(toast);
    connect(toast, &ToastWindow::finished, this, &Global::popToast);
    return toastCount();
}

} // namespace Gui
