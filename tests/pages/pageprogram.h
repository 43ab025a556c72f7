#pragma once

#include "answerlossproxy.h"
#include "dayend.h"
#include "modalwatchdog.h"
#include "qmlmessageguard.h"
#include "scratchdatabase.h"
#include "standinserver.h"

#include <QDate>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QVariantMap>

#include <functional>
#include <memory>

class QQuickItem;
class Startup;
namespace Gui::Dialog {
class Login;
}

// The program as main() starts it, offscreen in this process, signed in as "admin" to the
// stand-in over a database of its own, with the data loaded; pages open in it as frames of the
// shell. Any QML warning and any unexpected modal window is kept for the test to check.
class PageProgram
{
public:
    PageProgram();
    ~PageProgram();

    // Starts everything, the seed statements run on the new database first, signed in as login
    // (configured with password); empty when it worked, otherwise why not.
    QString start(const QString &prefix, const QStringList &moreUsers = {}, const QStringList &seed = {},
                  const QString &login = QStringLiteral("admin"), const QString &password = QStringLiteral("pages"));

    // More arguments for the stand-in that start() runs ("--utc-offset", "330").
    void setServerArguments(const QStringList &arguments) { m_serverArguments = arguments; }

    // The program reaches the stand-in through a relay that can lose an answer (proxy()).
    void setThroughProxy(bool through) { m_throughProxy = through; }
    AnswerLossProxy &proxy() { return m_proxy; }

    // How the sign-in dialog is filled in and accepted; by default its fields are set directly.
    void setSignIn(std::function<void(Gui::Dialog::Login *, const QString &password)> signIn) { m_signIn = signIn; }

    // Runs after the seed statements and before the sign-in of start(), with the environment that
    // names the new database (a seeding script's); its failure, empty when it worked.
    void setBeforeSignIn(std::function<QString(const QProcessEnvironment &)> step) { m_beforeSignIn = std::move(step); }

    // Only signs in, to a stand-in already running on the port; empty when it worked.
    QString attach(int port, const QString &login, const QString &password);
    // Starts the program with the settings as it finds them and signs in with the password.
    QString signIn(const QString &password);
    // Ends the program as its quit does: the main window goes with what is open. Nothing of it
    // is left for the functions after.
    void closeProgram();

    StandinServer &server() { return m_server; }
    QSqlDatabase database() const;
    QmlMessageGuard &messages() { return m_guard; }
    ModalWatchdog &watchdog() { return m_watchdog; }
    // Unexpected QML messages and modal windows since the last call; empty when clean.
    QString problems();

    // Opens a page by URL in a window of its own, as a new instance; null when it did not open.
    QObject *openPage(const QString &url, QVariantMap properties = {});
    // Closes a page's frame (as its window's close does) and waits until it is gone.
    bool closePage(QObject *page);

    // The requests of the program with that FN, from the first on or from index from.
    QList<QJsonObject> sent(const QString &fn) const { return m_server.received(fn); }
    int sentCount(const QString &fn) const { return m_server.received(fn).size(); }
    bool waitForSent(const QString &fn, int count, int timeoutMs = 10000);
    // Delivers a message to the program as the server would send it.
    void push(const QVariantMap &message);

    // The user's effective read right on a controller is withheld while the returned object lives.
    std::shared_ptr<void> withholdRight(const QString &controllerName, const QString &operation = "read");
    // Sets the admin group's security option of that code ("0" or "1").
    void setAdminRight(const QString &code, const QString &value);
    // Runs SQL on the scratch database; the first column of the first row, or an invalid value.
    QVariant query(const QString &statement, const QVariantList &values = {});
    // The program's connection on the stand-in; after a loss, the one it made next.
    int connection();
    // The operator's date: the program's clock, kept in step with the server's, at the user's
    // offset; the day its pages take for today.
    QDate today() const;
    // The user's offset from UTC in minutes that start() gave the stand-in, and the operator's
    // date on the test's own clock at that offset: what the test expects the pages to take.
    int utcOffset() const { return m_utcOffset; }
    QDate operatorsDate() const;

private:
    std::unique_ptr<ScratchDatabase> m_database;
    StandinServer m_server;
    // Installed by start() and signIn(): within the test run, in front of its handler.
    QmlMessageGuard m_guard{false};
    ModalWatchdog m_watchdog;
    std::unique_ptr<Startup> m_startup;
    int m_connection = 0;
    QString m_sqlName;
    std::function<void(Gui::Dialog::Login *, const QString &)> m_signIn;
    std::function<QString(const QProcessEnvironment &)> m_beforeSignIn;
    QStringList m_serverArguments;
    int m_utcOffset = DayEnd::utcOffset({});
    bool m_throughProxy = false;
    AnswerLossProxy m_proxy;
};

// A control of a page by object name (the first found below it); null when there is none.
QQuickItem *pageControl(QObject *page, const QString &objectName);
