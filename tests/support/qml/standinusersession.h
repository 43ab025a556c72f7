#pragma once

#include <QObject>
#include <QVariantMap>

// Stands in for USER_SESSION: the signed-in user's session values and the clock kept in step with
// the server, set by tests.
class StandinUserSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString rst_id_owner MEMBER m_owner NOTIFY sessionChanged)
    Q_PROPERTY(QString rst_id_group MEMBER m_group NOTIFY sessionChanged)
    Q_PROPERTY(QString sign MEMBER m_sign NOTIFY sessionChanged)
    Q_PROPERTY(QString utc_offset MEMBER m_utcOffset NOTIFY sessionChanged)
    Q_PROPERTY(qlonglong utc_dt MEMBER m_utcDt NOTIFY sessionChanged)
    Q_PROPERTY(qlonglong sys_utc_offset MEMBER m_sysUtcOffset NOTIFY sessionChanged)
    // Tests set it as the connection goes and comes back.
    Q_PROPERTY(bool isOffline MEMBER m_offline NOTIFY isOfflineChanged)
    Q_PROPERTY(qlonglong clockUncertainty MEMBER m_clockUncertainty NOTIFY sessionChanged)

public:
    explicit StandinUserSession(QObject *parent = nullptr) : QObject(parent) {}

    // Now on the server's clock; the session's opening time until a test moves it.
    Q_INVOKABLE qlonglong currentMSecsSinceEpoch() const { return m_now >= 0 ? m_now : m_utcDt; }
    // Test control.
    Q_INVOKABLE void setNow(qlonglong epochMs) { m_now = epochMs; }

signals:
    void sessionChanged();
    void isOfflineChanged();
    // The session opened (again): tests emit it as the server's answer would.
    void saOpen(QVariantMap mapParams);

private:
    QString m_owner = QStringLiteral("2");
    QString m_group = QStringLiteral("1");
    QString m_sign = QStringLiteral("operator");
    QString m_utcOffset = QStringLiteral("180");
    qlonglong m_utcDt = 1715688000000;
    qlonglong m_sysUtcOffset = 0;
    qlonglong m_now = -1;
    bool m_offline = false;
    qlonglong m_clockUncertainty = 0;
};
