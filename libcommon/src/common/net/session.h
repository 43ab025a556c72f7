#pragma once

#include "netdto.h"

#include <QElapsedTimer>
#include <QString>
#include <QVariantMap>

namespace Common {

// The user's session on the server: builds the open and close requests, keeps what the open
// answer carries and runs a clock synchronised with the server's.
class Session
{
public:
    explicit Session(const QString &controllerName = QString());
    virtual ~Session();

    // The server's present time: its clock at the open answer plus the time elapsed since;
    // the system's UTC time before the first accepted open answer.
    qint64 currentMSecsSinceEpoch() const;

    void onSaOpen(const QVariantMap &params);
    void onSaPing(const QVariantMap &params);
    virtual void onSrClosed(const QVariantMap &params);

    NetDTO trOpen() const;
    void trClose(const QVariantMap &params);

    QString controllerName() const { return m_controllerName; }
    void setControllerName(const QString &name) { m_controllerName = name; }

    QString sessionId() const { return m_id; }
    QString rstIdOwner() const { return m_rst_id_owner; }
    QString rstIdGroup() const { return m_rst_id_group; }
    QString sessionSign() const { return m_sign; }
    QString utcOffset() const { return m_utc_offset; }
    qint64 utcDt() const { return m_utc_dt; }
    qint64 sysUtcOffset() const { return m_sys_utc_offset; }

private:
    QElapsedTimer m_elapsedTimer;
    QString m_id;
    QString m_rst_id_owner;
    QString m_rst_id_group;
    QString m_sign;
    QString m_utc_offset;
    qint64 m_utc_dt = 0;
    qint64 m_sys_utc_offset = 0;
    QString m_controllerName;
};

} // namespace Common
