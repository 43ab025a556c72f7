#pragma once

#include "standarddialog.h"

#include <QHostAddress>
#include <QList>
#include <QVariantMap>

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace Client::Controller {
class Auth;
}

namespace Gui {
class FaPushButton;
}

namespace Gui::Dialog {

// The first window of the program: user name, password and server. Ok stores the choices, points
// the network at the server with the user's credentials and waits, busy, for the server to accept
// (the dialog closes as accepted) or refuse (it says so and stays open). The password is stored
// only when "Save password" is checked, and then only as its digest.
class Login : public StandardDialog
{
    Q_OBJECT

public:
    // A server the dialog offers.
    struct Host
    {
        QString name;
        QHostAddress address;
        int port = 0;
    };

    explicit Login(int defaultPort);
    ~Login() override;

    void setTitleSuffix(const QString &text);
    void setResetPasswordVisible(bool visible);

    // The stored servers, or the default ones when none usable is stored.
    QList<Host> loadHosts() const;
    // Fills the server choice (the default servers for an empty list) and stores the list shown.
    void setHosts(QList<Host> hosts);
    static void saveHosts(const QList<Host> &hosts);
    QList<Host> defaultHosts() const;
    void readAuthSettings();
    void writeAuthSettings();

    static bool isValidAddress(const QString &text);
    static bool isValidPort(const QString &text);

    QLineEdit *loginEdit() const;
    QLineEdit *passwordEdit() const;
    QComboBox *serverChoice() const;
    QCheckBox *savePasswordBox() const;
    QPushButton *resetPasswordButton() const;
    FaPushButton *hostEditorButton() const;

public slots:
    // Starts signing in.
    void accept() override;

signals:
    void resetPasswordButtonClicked(QString host, QString login);

protected slots:
    void busyExpired() override;

private slots:
    void onSaFailed(QVariantMap params);
    void onSaAuth();
    void onHostEditorButtonClicked();
    void onLoginChanged(const QString &text);

private:
    QWidget *buildServerRow();
    QWidget *buildOptionsRow();
    QString passwordDigest() const;
    void forgetSavedPassword();

    QString m_baseTitle;
    std::unique_ptr<Client::Controller::Auth> m_auth;
    QLineEdit *m_login;
    QLineEdit *m_password;
    QComboBox *m_server;
    QCheckBox *m_savePassword;
    QPushButton *m_resetPassword;
    FaPushButton *m_hostEditor;
    int m_defaultPort;
    // The digest stored by an earlier "Save password"; used while the password field is untouched.
    QString m_savedDigest;
};

} // namespace Gui::Dialog
