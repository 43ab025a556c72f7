#pragma once

#include "common/net/session.h"
#include "desktopcontroller.h"

#include <QElapsedTimer>

namespace Client::Controller {

// The user's working session on the server: opens it after sign-in, answers the keep-alive,
// closes sessions and keeps the session data and the server-synchronised clock. It is also the
// list controller of the users' sessions.
class UserSession : public DesktopController, public Common::Session
{
    Q_OBJECT
    Q_PROPERTY(QString rst_id_owner READ rstIdOwner NOTIFY sessionChanged)
    Q_PROPERTY(QString rst_id_group READ rstIdGroup NOTIFY sessionChanged)
    Q_PROPERTY(QString sign READ sessionSign NOTIFY sessionChanged)
    Q_PROPERTY(QString utc_offset READ utcOffset NOTIFY sessionChanged)
    Q_PROPERTY(qlonglong utc_dt READ utcDt NOTIFY sessionChanged)
    Q_PROPERTY(qlonglong sys_utc_offset READ sysUtcOffset NOTIFY sessionChanged)
    Q_PROPERTY(bool isOffline READ isOffline NOTIFY isOfflineChanged)
    Q_PROPERTY(qlonglong clockUncertainty READ clockUncertainty NOTIFY sessionChanged)

public:
    explicit UserSession(QQuickItem *parent = nullptr);
    ~UserSession() override;

    QString name() const override;
    bool handleMessage(const QString &action, const QVariantMap &params) override;
    void prepareRow(QVariantMap &row) override;

    // Without the key "rst_id_owner": closes the operator's own session, in the framing the
    // server last used, and then the connection. With it: asks the server to close the session
    // of that user as a request of this instance (its answer carries this instance's number);
    // the connection stays, and an empty user is refused with a warning.
    Q_INVOKABLE bool trClose(const QVariantMap &mapParams);
    // The server's time now; the system's UTC time until a session is open.
    Q_INVOKABLE qlonglong currentMSecsSinceEpoch() const;
    // How far that clock may lag the server's, in milliseconds: the open answer was stamped at
    // most this long before it was read (its round trip). 0 while not measured.
    qlonglong clockUncertainty() const { return m_clockUncertainty; }
    // True from a lost connection until the session opens again: a request sent meanwhile is
    // never answered.
    bool isOffline() const { return m_offline; }
    // While offline: when the server was last heard from before the loss (the system clock's
    // milliseconds since the epoch), the time up to which the connection was known to be alive;
    // 0 when not known.
    qint64 aliveUntil() const { return m_aliveUntil; }

public slots:
    void trOpen();
    void trPing();

signals:
    void saOpen(QVariantMap mapParams);
    void saClose(QVariantMap mapParams);
    void srClosed(QVariantMap mapParams);
    void sessionChanged();
    void isOfflineChanged(bool isOffline);

private:
    void setOffline(bool offline);

    bool m_offline = false;
    qint64 m_aliveUntil = 0;
    // Runs from the last open request sent.
    QElapsedTimer m_openSent;
    qlonglong m_clockUncertainty = 0;
};

} // namespace Client::Controller
