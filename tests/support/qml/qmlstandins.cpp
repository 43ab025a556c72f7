#include "qmlstandins.h"

#include "gui/style/style.h"
#include "gui/style/windowscreen.h"
#include "drawncells.h"
#include "messageboxes.h"
#include "standincontroller.h"
#include "standindialog.h"
#include "standindesktoputils.h"
#include "standinglobal.h"
#include "standinmainwindow.h"
#include "standinrowmodel.h"
#include "standinusersession.h"
#include "standinwidgetcreator.h"
#include "testtime.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQml>

QmlStandins::QmlStandins(QObject *parent)
    : QObject(parent)
    , m_global(new StandinGlobal(this))
    , m_mainWindow(new StandinMainWindow(this))
    , m_widgetCreator(new StandinWidgetCreator(this))
    , m_desktopUtils(new StandinDesktopUtils(this))
    , m_userSession(new StandinUserSession(this))
{
}

void QmlStandins::install(QQmlEngine *engine)
{
    registerTypes();
    // The icon font of the kit's glyphs, as the shell loads it at start.
    static const bool fontsLoaded = (Gui::Style::loadFonts(), true);
    Q_UNUSED(fontsLoaded);
    m_global->setEngine(engine);
    Gui::Style::selectStyleFiles(engine);
    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("GLOBAL"), m_global);
    context->setContextProperty(QStringLiteral("mainWindow"), m_mainWindow);
    context->setContextProperty(QStringLiteral("QWIDGET_CREATOR"), m_widgetCreator);
    context->setContextProperty(QStringLiteral("DESKTOP_UTILS"), m_desktopUtils);
    context->setContextProperty(QStringLiteral("USER_SESSION"), m_userSession);
    context->setContextProperty(QStringLiteral("APP_HOST"), QStringLiteral("norvik"));
}

void QmlStandins::registerTypes()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    Gui::WindowScreen::registerQmlType();
    qmlRegisterType<StandinController>("Koriv.Test", 1, 0, "StandinController");
    qmlRegisterType<StandinRowModel>("Koriv.Test", 1, 0, "StandinRowModel");
    qmlRegisterSingletonType<MessageBoxes>("Koriv.Test", 1, 0, "MessageBoxes",
                                           [](QQmlEngine *, QJSEngine *) -> QObject * { return new MessageBoxes; });
    qmlRegisterSingletonType<DrawnCells>("Koriv.Test", 1, 0, "DrawnCells",
                                         [](QQmlEngine *, QJSEngine *) -> QObject * { return new DrawnCells; });
    qmlRegisterSingletonType<TestTime>("Koriv.Test", 1, 0, "TestTime",
                                       [](QQmlEngine *, QJSEngine *) -> QObject * { return new TestTime; });
    qmlRegisterUncreatableType<StandinDialog>("Koriv.Test", 1, 0, "StandinDialog", QStringLiteral("opened by QWIDGET_CREATOR"));
}
