#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <cstddef>

class QQmlEngine;

namespace Client {
class DesktopUtils;
}

namespace Gui {

class Frame;
class Global;
class Hub;
class MainTabWidget;
class MainToolBar;
class MainWindow;
class Network;
class ShellWindow;

// The registry of the shell's process-wide objects, reached through static accessors, and the
// message boxes and window host every widget uses. The application creates it first thing and
// never deletes it; without one every accessor gives null.
//
// It sits below everything it registers. The parts below the main window and GLOBAL reach those
// two through the thin interfaces ShellWindow and Hub, never through their headers; their two
// setters are templates, so that the caller, which knows the class, hands the interface over with
// the object.
class Context : public QObject
{
    Q_OBJECT

public:
    explicit Context(QObject *parent = nullptr);
    ~Context() override;

    static Context *instance();

    static Network *network();
    static void setNetwork(Network *network);
    // The engine every QML frame shares.
    static QQmlEngine *qmlEngine();
    static void setQmlEngine(QQmlEngine *engine);
    static MainWindow *mainWindow();
    // The main window as a plain widget (the owner of message boxes, toasts and grouped windows)
    // and as the hubs reach it.
    static QWidget *mainWidget();
    static ShellWindow *shellWindow();
    template<typename Window>
    static void setMainWindow(Window *window)
    {
        registerMainWindow(window, window, window);
    }
    static void setMainWindow(std::nullptr_t) { registerMainWindow(nullptr, nullptr, nullptr); }
    static MainToolBar *mainToolBar();
    static void setMainToolBar(MainToolBar *toolBar);
    static MainTabWidget *mainTabWidget();
    static void setMainTabWidget(MainTabWidget *tabWidget);
    // GLOBAL, the object QML pages see; null before sign-in.
    static Global *global();
    // GLOBAL as the parts below it reach it; null before sign-in.
    static Hub *hub();
    template<typename G>
    static void setGlobal(G *global)
    {
        registerGlobal(global, global);
    }
    static void setGlobal(std::nullptr_t) { registerGlobal(nullptr, nullptr); }
    // The language start-up chose for the program's texts ("ru"); empty before it chose.
    static QString language();
    static void setLanguage(const QString &language);
    static QString buildDateTime();
    static void setBuildDateTime(const QString &buildDateTime);
    static Client::DesktopUtils *desktopUtils();
    static void setDesktopUtils(Client::DesktopUtils *desktopUtils);

    // Modal boxes titled with the application's display name over parent, or the main window.
    static void critical(const QString &text, QWidget *parent = nullptr);
    static void information(const QString &text, QWidget *parent = nullptr);
    static void warning(const QString &text, QWidget *parent = nullptr);
    // Yes and No; returns the button pressed.
    static int question(const QString &text, QWidget *parent = nullptr);

    // The application font takes this point size.
    static void setFontSize(int size);

    // Opens the page at a "qrc:" URL in a tab or a window of its own, or brings the same page
    // forward when it is open already; the page's root object, or null on failure (and without
    // GLOBAL, whose window host opens it).
    static QObject *createQmlFrame(const QString &url, const QVariantMap &options = QVariantMap());
    // A new object of the component at url on the shared engine (null or partial on errors).
    static QObject *createQmlObject(const QString &url, const QVariantMap &initialProperties);
    // Places and shows a widget frame; empty settings come from the current GUI session.
    static void showFrame(Frame *frame, const QVariantMap &settings = QVariantMap());
    // Stores a widget frame's settings in the current GUI session.
    static void saveFrameSettings(Frame *frame);

private:
    static void registerMainWindow(MainWindow *window, QWidget *widget, ShellWindow *shell);
    static void registerGlobal(Global *global, Hub *hub);
    static void showBox(QMessageBox::Icon icon, const QString &text, QWidget *parent);

    Network *m_network = nullptr;
    QQmlEngine *m_qmlEngine = nullptr;
    MainWindow *m_mainWindow = nullptr;
    QWidget *m_mainWidget = nullptr;
    ShellWindow *m_shellWindow = nullptr;
    MainToolBar *m_mainToolBar = nullptr;
    MainTabWidget *m_mainTabWidget = nullptr;
    Global *m_global = nullptr;
    Hub *m_hub = nullptr;
    QString m_language;
    QString m_buildDateTime;
};

} // namespace Gui
