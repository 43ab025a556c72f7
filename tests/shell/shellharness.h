#pragma once

#include "modalwatchdog.h"
#include "qmlmessageguard.h"
#include "tempsettings.h"
#include "testmainwindow.h"

#include "gui/settings/settings.h"

#include <QImage>
#include <QPointer>
#include <QQmlEngine>
#include <QString>

#include <memory>

class OptionRights;
class TestGlobal;

namespace Gui {
class Context;
class Network;
class QWidgetCreator;
}

// The test page of the shell's tests: a kit frame with a record id and an editing state.
inline const QString TestPageUrl = QStringLiteral("qrc:/qml/test/TestPage.qml");

// The shell as start-up builds it, over a scripted network: the registry, the main window with
// its GLOBAL, the shared QML engine with the context objects pages read (GLOBAL, mainWindow,
// QWIDGET_CREATOR, USER_SESSION, APP_HOST) and the Material style of the kit. Any QML warning is
// kept for the test to check, and so is any modal window (message boxes are answered); the
// settings file is a fresh temporary one. Given a network (a signed-in client's), the shell
// uses that one.
class ShellHarness
{
public:
    explicit ShellHarness(Gui::Network *network = nullptr);
    ~ShellHarness();

    TestMainWindow *window() const { return m_window; }
    TestGlobal *global() const;
    QQmlEngine &engine() { return *m_engine; }
    Gui::Network *network() const { return m_network; }
    Gui::QWidgetCreator *widgetCreator() const { return m_widgetCreator.get(); }
    OptionRights &rights() { return *m_rights; }
    QmlMessageGuard &messages() { return m_guard; }
    ModalWatchdog &watchdog() { return m_watchdog; }
    // Unexpected QML messages and modal windows since the last call; empty when clean.
    QString problems();

    // Closes every frame and makes a new main window with a new GLOBAL.
    void renewWindow();
    // The same, the window then shown; false when it never showed.
    bool showFreshWindow();
    // What the main window shows, its tab's page included.
    QImage grabMainWindow() const;
    // Saves an image under the screenshot folder of the build; false when there is none.
    static bool saveScreenshot(const QImage &image, const QString &name);
    // The page of a frame window as it shows.
    static QImage grabFrameWindow(QObject *frame);

    static void registerTypes();

private:
    void closeWindow();

    TempSettings m_settings;
    // Made after the temporary folder: it chooses the INI format there.
    Gui::Settings m_iniSettings;
    QmlMessageGuard m_guard;
    ModalWatchdog m_watchdog;
    std::unique_ptr<Gui::Context> m_context;
    std::unique_ptr<Gui::Network> m_ownNetwork;
    Gui::Network *m_network;
    std::unique_ptr<OptionRights> m_rights;
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<Gui::QWidgetCreator> m_widgetCreator;
    QPointer<TestMainWindow> m_window;
};
