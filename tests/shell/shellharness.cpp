#include "shellharness.h"

#include "optionrights.h"
#include "testcontroller.h"
#include "testglobal.h"
#include "testmainwindow.h"

#include "gui/controller/abstractcontroller.h"
#include "gui/controller/network.h"
#include "gui/core/context.h"
#include "gui/frame/frames.h"
#include "gui/qml/qwidgetcreator.h"
#include "gui/shell/global.h"
#include "gui/style/style.h"
#include "gui/style/windowscreen.h"

#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "timelimit.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QQmlContext>
#include <QQmlFileSelector>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>
#include <QScreen>
#include <QStyleFactory>
#include <QtQml>
#include <QtTest>

ShellHarness::ShellHarness(Gui::Network *network)
    : m_context(std::make_unique<Gui::Context>())
    , m_ownNetwork(network ? nullptr : std::make_unique<Gui::Network>())
    , m_network(network ? network : m_ownNetwork.get())
{
    registerTypes();
    m_watchdog.allowOpen(QStringLiteral("Gui::DataLoading"));
    // No update check at start-up: tests ask for one where they want it.
    Gui::Settings::setValue(QStringLiteral("updating"), QStringLiteral("checkOnStartup"), false);
    // The look start-up gives the program: the icon fonts, Fusion with the dark palette.
    Gui::Style::loadFonts();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(Gui::Style::darkPalette());
    Common::AbstractController::setNetwork(m_network);
    Gui::Controller::AbstractController::setNetwork(m_network);
    Gui::Context::setNetwork(m_network);
    m_rights = std::make_unique<OptionRights>("2", "5");
    m_engine = std::make_unique<QQmlEngine>();
    new QQmlFileSelector(m_engine.get(), m_engine.get());
    m_widgetCreator = std::make_unique<Gui::QWidgetCreator>();
    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("QWIDGET_CREATOR"), m_widgetCreator.get());
    context->setContextProperty(QStringLiteral("USER_SESSION"),
                                SpSingleton<Client::Controller::UserSession>::instance());
    context->setContextProperty(QStringLiteral("APP_HOST"), QStringLiteral("norvik"));
    Gui::Context::setQmlEngine(m_engine.get());
    renewWindow();
}

ShellHarness::~ShellHarness()
{
    closeWindow();
    Gui::Context::setQmlEngine(nullptr);
    m_engine.reset();
}

void ShellHarness::registerTypes()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    Gui::WindowScreen::registerQmlType();
    qmlRegisterType<TestController>("Koriv.Shell", 1, 0, "TestRows");
}

TestGlobal *ShellHarness::global() const
{
    return m_window ? m_window->testGlobal() : nullptr;
}

void ShellHarness::closeWindow()
{
    if (!m_window)
        return;
    // Frame windows have no parent: they go before the engine does.
    if (Gui::Frames *frames = m_window->global()->frames()) {
        for (QObject *frame : frames->list()) {
            if (!frame->parent() && !qobject_cast<QWidget *>(frame))
                delete frame;
        }
    }
    delete m_window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ShellHarness::renewWindow()
{
    closeWindow();
    m_window = new TestMainWindow;
    m_window->createGlobal();
    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("mainWindow"), m_window.data());
    context->setContextProperty(QStringLiteral("GLOBAL"), m_window->global());
    m_window->setup();
}

bool ShellHarness::showFreshWindow()
{
    renewWindow();
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window, timeLimit(5000));
}

QString ShellHarness::problems()
{
    QStringList problems = m_guard.takeUnexpected();
    const QString modal = m_watchdog.problems();
    if (!modal.isEmpty())
        problems.append(modal);
    m_watchdog.reset();
    return problems.join(QLatin1Char('\n'));
}

namespace {

// What a window shows once it has been exposed and drawn; null when it never was.
QImage grabShown(QWindow *window)
{
    QImage image;
    if (!window || !QTest::qWaitForWindowExposed(window, timeLimit(2000)))
        return image;
    const bool drawn = QTest::qWaitFor(
        [&] {
            image = window->screen()->grabWindow(window->winId()).toImage();
            return !image.isNull();
        },
        timeLimit(2000));
    return drawn ? image : QImage();
}

} // namespace

QImage ShellHarness::grabMainWindow() const
{
    QImage image = m_window->grab().toImage();
    QPainter painter(&image);
    // A page in a tab is a window of its own inside the main window.
    for (QWidget *container : m_window->findChildren<QWidget *>()) {
        auto *view = qobject_cast<QQuickView *>(container->property("qmlView").value<QObject *>());
        if (view && container->isVisible())
            painter.drawImage(container->mapTo(m_window, QPoint(0, 0)) * image.devicePixelRatio(), grabShown(view));
    }
    return image;
}

QImage ShellHarness::grabFrameWindow(QObject *frame)
{
    return grabShown(qobject_cast<QQuickWindow *>(frame ? frame->property("window").value<QObject *>() : nullptr));
}

bool ShellHarness::saveScreenshot(const QImage &image, const QString &name)
{
    const QString dir = qEnvironmentVariable("KORIV_SCREENSHOT_DIR");
    if (dir.isEmpty() || image.isNull())
        return false;
    QDir().mkpath(dir);
    return image.save(QDir(dir).filePath(name));
}
