#pragma once

#include "shell/mainwindow.h"

#include "gui/dialog/login.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class QQmlApplicationEngine;

namespace Client {
class DesktopUtils;
class ImageProviderWrapper;
namespace Controller {
class Auth;
}
}

namespace Gui {
class BoxStack;
class FocusedWheel;
class PlainMessageBoxes;
class ShortcutPrecedence;
class Settings;
}

class QWidgetCreator;

// The program's start: the process-wide objects in their fixed order (settings, log, the network
// with its pong handling, translations, look, the QML engine and what pages find in it), then the
// sign-in dialog, and once the operator is signed in the main window. Destroying it takes its
// objects down in the reverse order. The registry and the application object come before it.
class Startup : public QObject
{
    Q_OBJECT

public:
    // Connection timings other than the network's own (zero keeps them); tests shorten them.
    struct Options
    {
        std::chrono::milliseconds pingInterval{0};
        std::chrono::milliseconds pongTimeout{0};
    };

    // What comes before the application object: high-DPI scaling and the registry.
    static void prepare();
    // Runs body; an exception escaping it is logged and shown in a message box, and gives 1.
    static int runGuarded(const std::function<int()> &body);

    Startup();
    explicit Startup(const Options &options);
    ~Startup() override;

    // The sign-in dialog while it is open (it deletes itself when closed).
    Gui::Dialog::Login *loginDialog() const { return m_login; }
    MainWindow *mainWindow() const { return m_mainWindow; }
    QQmlApplicationEngine *engine() const { return m_engine.get(); }
    QString language() const { return m_language; }
    QStringList installedTranslations() const { return m_translations; }

public slots:
    // The sign-in dialog's result: 0 ends the program, any other opens a new main window.
    void onLoginFinished(int result);

private:
    void registerMetaTypes();
    void setApplicationIdentity();
    void createLogger();
    void startNetwork(const Options &options);
    void createAuth();
    void applyLook();
    void createQmlEngine();
    void setContextProperties();
    void registerInContext();
    void openLoginDialog();
    void openMainWindow();

    std::unique_ptr<Gui::Settings> m_settings;
    std::unique_ptr<Gui::PlainMessageBoxes> m_plainMessageBoxes;
    std::unique_ptr<Gui::ShortcutPrecedence> m_shortcutPrecedence;
    std::unique_ptr<Gui::FocusedWheel> m_focusedWheel;
    std::unique_ptr<Gui::BoxStack> m_boxStack;
    std::unique_ptr<Client::Controller::Auth> m_auth;
    QString m_language;
    QStringList m_translations;
    std::unique_ptr<Client::DesktopUtils> m_desktopUtils;
    std::unique_ptr<Client::ImageProviderWrapper> m_imageProvider;
    std::unique_ptr<QWidgetCreator> m_widgetCreator;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QPointer<Gui::Dialog::Login> m_login;
    QPointer<MainWindow> m_mainWindow;
};
