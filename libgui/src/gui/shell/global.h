#pragma once

#include "guisession.h"

#include "gui/core/hub.h"
#include "gui/frame/frames.h"
#include "gui/style/style.h"
#include "gui/update/updater.h"
#include "gui/widget/dataloading.h"

#include "client/controller/list/toolbar.h"
#include "client/controller/notification.h"
#include "client/controller/security/securityoption.h"
#include "client/controller/security/securityoptiongroup.h"
#include "client/controller/security/securityoptiontype.h"
#include "client/controller/security/usergroupsecurityoption.h"
#include "client/controller/security/usersecurityoption.h"
#include "client/controller/user/user.h"
#include "client/controller/user/usergroup.h"
#include "client/controller/user/userguisession.h"

#include <QHash>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QVariantMap>
#include <QVector>

namespace Client::Controller {
class Auth;
}

namespace Gui {

class FrameCreators;
class SecurityLookup;

// The object QML pages see as "GLOBAL": the shell's shared controllers, the current GUI session,
// the open frames, the style and the toast stack. It carries out the first session-open answer
// (old version, the data-loading window, the shared lists in a fixed order, the default GUI
// session), reacts to the server ending the session, and answers the pages' questions about
// rights and tabs. The application derives its own, adding catalogue controllers through the
// virtual operations. The frames, dialogs and widgets below it reach it as a Hub.
class Global : public QObject, public Hub
{
    Q_OBJECT
    Q_PROPERTY(Client::Controller::ToolBar *toolBar READ toolBar CONSTANT)
    Q_PROPERTY(Client::Controller::Notification *notification READ notification CONSTANT)
    Q_PROPERTY(Client::Controller::User *user READ user CONSTANT)
    Q_PROPERTY(Client::Controller::UserGroup *userGroup READ userGroup CONSTANT)
    Q_PROPERTY(Client::Controller::UserGuiSession *userGuiSession READ userGuiSession CONSTANT)
    Q_PROPERTY(Client::Controller::UserGroupSecurityOption *userGroupSecurityOption READ userGroupSecurityOption
                   CONSTANT)
    Q_PROPERTY(Client::Controller::UserSecurityOption *userSecurityOption READ userSecurityOption CONSTANT)
    Q_PROPERTY(Client::Controller::SecurityOptionGroup *securityOptionGroup READ securityOptionGroup CONSTANT)
    Q_PROPERTY(Client::Controller::SecurityOptionType *securityOptionType READ securityOptionType CONSTANT)
    Q_PROPERTY(Client::Controller::SecurityOption *securityOption READ securityOption CONSTANT)
    Q_PROPERTY(Gui::Updater *updater READ updater CONSTANT)
    Q_PROPERTY(Gui::Style *style READ style CONSTANT)
    Q_PROPERTY(Gui::GuiSession *guiSession READ guiSession CONSTANT)
    Q_PROPERTY(Gui::Frames *frames READ frames CONSTANT)
    Q_PROPERTY(double scaleFactor READ scaleFactor WRITE setScaleFactor NOTIFY scaleFactorChanged)

public:
    explicit Global(QObject *parent = nullptr);
    ~Global() override;

    // The application's notification controller (the tool bar's unread counter).
    virtual Client::Controller::Notification *notification() = 0;
    // Creates the application's shared catalogue controllers, each registered.
    virtual void createControllers();
    // Stage 0 after the first session-open answer requests the application's catalogue lists;
    // stage 1 runs on every later open answer (a reconnection), stage 2 after either.
    virtual void loadControllers(int stage, const QVariantMap &params);
    virtual Client::Controller::User *createUser();
    // Creators of the application's widget frames, by name (a new object owned by GLOBAL).
    virtual FrameCreators *createFrameCreators();

    // Creates the shared controllers and everything the pages use; once, from the main window's
    // set-up.
    void initialize();
    // Lets the shared lists reach the controller's model: its own rows are added, its first list
    // end counts for the data-loading window, and a change of its read right reloads or clears it.
    void registerController(Client::Controller::DesktopController *controller, bool forwardRows = true);

    Client::Controller::ToolBar *toolBar() const { return m_toolBar; }
    Client::Controller::User *user() const { return m_user; }
    Client::Controller::UserGroup *userGroup() const { return m_userGroup; }
    Client::Controller::UserGuiSession *userGuiSession() const { return m_userGuiSession; }
    Client::Controller::UserGroupSecurityOption *userGroupSecurityOption() const;
    Client::Controller::UserSecurityOption *userSecurityOption() const;
    Client::Controller::SecurityOptionGroup *securityOptionGroup() const { return m_securityOptionGroup; }
    Client::Controller::SecurityOptionType *securityOptionType() const { return m_securityOptionType; }
    Client::Controller::SecurityOption *securityOption() const { return m_securityOption; }
    Updater *updater() const { return m_updater; }
    Style *style() const { return m_style; }
    GuiSession *guiSession() const { return m_guiSession; }
    Frames *frames() const { return m_frames; }
    FrameCreators *frameCreators() const { return m_frameCreators; }
    double scaleFactor() const { return m_scaleFactor; }
    // The data-loading window of the first open, while it is shown.
    DataLoading *loadingWindow() const { return m_loadingWindow; }
    int registeredCount() const { return m_registered; }
    int loadedCount() const { return m_loaded; }

    // The signed-in user's "rst_id_owner" and UTC offset in minutes.
    static qint64 ownerId();
    static int utcOffset();
    // The current GUI session and the open frames of GLOBAL, or null when there is no GLOBAL.
    static GuiSession *currentGuiSession();
    static Frames *currentFrames();

    Q_INVOKABLE QObject *createQmlFrame(const QString &url, const QVariantMap &properties = QVariantMap());
    // Reloads a controller's list when its read right came, empties it when the right went.
    Q_INVOKABLE void updateModelOnSo(const QString &sog, const QString &operation,
                                     Client::Controller::DesktopController *controller);
    // Removes the tab of item, making the tab of parentItem current on the way.
    Q_INVOKABLE void removeTab(QObject *item, QObject *parentItem);
    Q_INVOKABLE void setTabTitle(QObject *item, const QString &title);
    Q_INVOKABLE QObject *tabQmlItem(int index);
    Q_INVOKABLE QObject *currentQmlItem();
    // The signed-in user's rights; an unknown operation name is an error in the calling script.
    Q_INVOKABLE bool securityState(Client::Controller::DesktopController *controller, const QString &operation);
    Q_INVOKABLE bool securityStateByName(const QString &name, const QString &operation);
    Q_INVOKABLE QString securityValue(Client::Controller::DesktopController *controller, const QString &operation);
    // The toasts shown over the main window, oldest first.
    Q_INVOKABLE void pushToast(QObject *toast);
    Q_INVOKABLE void popToast();
    Q_INVOKABLE int toastCount();

signals:
    // The main window is to close (old client, account signed in elsewhere, session closed).
    void closing();
    void soReceived(QString sog, QString operation);
    void switchGuiSession(int id);
    void scaleFactorChanged(double scaleFactor);

public slots:
    void setScaleFactor(double scaleFactor);

protected:
    // After the GUI-session list of the first open: the menu, the default GUI session, the
    // update check.
    virtual void onDataLoaded();

private slots:
    void onSaOpen(QVariantMap params);
    void onSaFailed(QVariantMap params);
    void onSrClosed();

private:
    // A row of the signed-in user's group or user options.
    void onSoListInfo(Client::Controller::ItemController *sender, const QVariantMap &params);
    // A list end of a registered controller, counted once per controller.
    void incrementLoadingController(Client::Controller::DesktopController *sender, const QVariantMap &params);
    void requestFirstLists(const QVariantMap &params);
    void finishLoading();
    void createSharedControllers();
    // The silent update check of start-up, and the download page of a refused old client.
    void checkForUpdatesOnStartup();
    void openDownloadPage();

    // Hub: the frames, the GUI session's stored settings, the window host, the scale, the toasts.
    Frames *frameList() const override;
    FrameCreators *frameFactory() const override;
    QVariantMap storedSettings(const QString &name) const override;
    void storeSettings(const QString &name, const QVariantMap &settings) override;
    QObject *hostQmlFrame(const QString &url, const QVariantMap &options) override;
    void hostFrame(Frame *frame, const QVariantMap &settings) override;
    void storeFrameSettings(Frame *frame) override;
    void changeScaleFactor(double scaleFactor) override;
    int stackToast(ToastWindow *toast) override;

    bool m_firstOpen = true;
    QPointer<DataLoading> m_loadingWindow;
    double m_scaleFactor = 1.0;
    QVector<QObject *> m_toasts;
    int m_registered = 0;
    int m_loaded = 0;
    // The loading counter's connection of each registered controller whose first list is due.
    QHash<Client::Controller::DesktopController *, QMetaObject::Connection> m_loading;
    Client::Controller::Auth *m_auth = nullptr;
    Client::Controller::ToolBar *m_toolBar = nullptr;
    // Destroyed with GLOBAL at shutdown, when it hands a pending update to the loader.
    Updater *m_updater = nullptr;
    SecurityLookup *m_securityLookup = nullptr;
    GuiSession *m_guiSession = nullptr;
    Style *m_style = nullptr;
    Frames *m_frames = nullptr;
    FrameCreators *m_frameCreators = nullptr;
    Client::Controller::SecurityOptionGroup *m_securityOptionGroup = nullptr;
    Client::Controller::SecurityOptionType *m_securityOptionType = nullptr;
    Client::Controller::SecurityOption *m_securityOption = nullptr;
    Client::Controller::UserGroup *m_userGroup = nullptr;
    Client::Controller::User *m_user = nullptr;
    Client::Controller::UserGuiSession *m_userGuiSession = nullptr;
};

} // namespace Gui
