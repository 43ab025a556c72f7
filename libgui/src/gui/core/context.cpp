#include "context.h"

#include "hub.h"
#include "message.h"
#include "utils.h"

#include "client/utils/desktoputils.h"

#include <QApplication>
#include <QDebug>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>

namespace Gui {

namespace {

Context *processContext = nullptr;
QPointer<Client::DesktopUtils> processDesktopUtils;

template<typename T>
T read(T Context::*member)
{
    Context *context = Context::instance();
    return context ? context->*member : T();
}

template<typename T>
void write(T Context::*member, T value)
{
    if (Context *context = Context::instance())
        context->*member = value;
}

QWidget *boxParent(QWidget *parent)
{
    return parent ? parent : Context::mainWidget();
}

} // namespace

Context::Context(QObject *parent)
    : QObject(parent)
{
    processContext = this;
}

Context::~Context()
{
    if (processContext == this)
        processContext = nullptr;
}

Context *Context::instance()
{
    return processContext;
}

Network *Context::network()
{
    return read(&Context::m_network);
}

void Context::setNetwork(Network *network)
{
    write(&Context::m_network, network);
}

QQmlEngine *Context::qmlEngine()
{
    return read(&Context::m_qmlEngine);
}

void Context::setQmlEngine(QQmlEngine *engine)
{
    write(&Context::m_qmlEngine, engine);
}

MainWindow *Context::mainWindow()
{
    return read(&Context::m_mainWindow);
}

QWidget *Context::mainWidget()
{
    return read(&Context::m_mainWidget);
}

ShellWindow *Context::shellWindow()
{
    return read(&Context::m_shellWindow);
}

void Context::registerMainWindow(MainWindow *window, QWidget *widget, ShellWindow *shell)
{
    write(&Context::m_mainWindow, window);
    write(&Context::m_mainWidget, widget);
    write(&Context::m_shellWindow, shell);
}

MainToolBar *Context::mainToolBar()
{
    return read(&Context::m_mainToolBar);
}

void Context::setMainToolBar(MainToolBar *toolBar)
{
    write(&Context::m_mainToolBar, toolBar);
}

MainTabWidget *Context::mainTabWidget()
{
    return read(&Context::m_mainTabWidget);
}

void Context::setMainTabWidget(MainTabWidget *tabWidget)
{
    write(&Context::m_mainTabWidget, tabWidget);
}

Global *Context::global()
{
    return read(&Context::m_global);
}

Hub *Context::hub()
{
    return read(&Context::m_hub);
}

void Context::registerGlobal(Global *global, Hub *hub)
{
    write(&Context::m_global, global);
    write(&Context::m_hub, hub);
}

QString Context::language()
{
    return read(&Context::m_language);
}

void Context::setLanguage(const QString &language)
{
    write(&Context::m_language, language);
}

QString Context::buildDateTime()
{
    return read(&Context::m_buildDateTime);
}

void Context::setBuildDateTime(const QString &buildDateTime)
{
    write(&Context::m_buildDateTime, buildDateTime);
}

Client::DesktopUtils *Context::desktopUtils()
{
    return processDesktopUtils;
}

void Context::setDesktopUtils(Client::DesktopUtils *desktopUtils)
{
    processDesktopUtils = desktopUtils;
}

void Context::showBox(QMessageBox::Icon icon, const QString &text, QWidget *parent)
{
    Message::showTitled(icon, boxParent(parent), QApplication::applicationDisplayName(), text);
}

void Context::critical(const QString &text, QWidget *parent)
{
    showBox(QMessageBox::Critical, text, parent);
}

void Context::information(const QString &text, QWidget *parent)
{
    showBox(QMessageBox::Information, text, parent);
}

void Context::warning(const QString &text, QWidget *parent)
{
    showBox(QMessageBox::Warning, text, parent);
}

int Context::question(const QString &text, QWidget *parent)
{
    return Message::showTitled(QMessageBox::Question, boxParent(parent), QApplication::applicationDisplayName(),
                               text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

void Context::setFontSize(int size)
{
    QFont font = QApplication::font();
    font.setPointSize(size);
    QApplication::setFont(font);
}

QObject *Context::createQmlFrame(const QString &url, const QVariantMap &options)
{
    Hub *host = hub();
    return host ? host->hostQmlFrame(url, options) : nullptr;
}

QObject *Context::createQmlObject(const QString &url, const QVariantMap &initialProperties)
{
    QQmlEngine *engine = qmlEngine();
    if (!engine)
        return nullptr;
    QQmlComponent component(engine, QUrl(url));
    // A component that failed to compile cannot create anything (and must not be asked to).
    QObject *object = component.isError() ? nullptr : component.createWithInitialProperties(initialProperties);
    if (component.isError())
        qCritical().noquote() << "Failed to create QML object from URL" << url
                              << "(" + Utils::qmlErrorsText(component.errors()) + ")";
    return object;
}

void Context::showFrame(Frame *frame, const QVariantMap &settings)
{
    if (Hub *host = hub())
        host->hostFrame(frame, settings);
}

void Context::saveFrameSettings(Frame *frame)
{
    Hub *host = hub();
    if (frame && host)
        host->storeFrameSettings(frame);
}

} // namespace Gui
