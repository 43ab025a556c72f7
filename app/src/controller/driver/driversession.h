#pragma once

#include "common/net/session.h"
#include "controller/instancerowscontroller.h"
#include "model/orlem/session/driversession.h"

// The drivers' sessions ("driverSession"): rows of each instance, each with the reason its
// session ended, and the close of a driver's session on the operator's request. The session
// part gives the pages a server-synchronised clock; no open answer ever fills it.
class DriverSession : public InstanceRowsController<Model::Orlem::DriverSession>, public Common::Session
{
    Q_OBJECT
    Q_PROPERTY(QString rst_id_owner READ rstIdOwner CONSTANT)
    Q_PROPERTY(QString rst_id_group READ rstIdGroup CONSTANT)
    Q_PROPERTY(QString sign READ sessionSign CONSTANT)
    Q_PROPERTY(QString utc_offset READ utcOffset CONSTANT)
    Q_PROPERTY(qlonglong utc_dt READ utcDt CONSTANT)
    Q_PROPERTY(qlonglong sys_utc_offset READ sysUtcOffset CONSTANT)

public:
    explicit DriverSession(QQuickItem *parent = nullptr);
    ~DriverSession() override;

    QString name() const override;
    void prepareRow(QVariantMap &row) override;
    bool handleMessage(const QString &action, const QVariantMap &params) override;

    // Asks the server to close the session of the driver "rst_id_owner", as a request of this
    // instance (its answer carries this instance's number). Refused, with a warning, without a
    // driver: this request never closes the operator's own connection.
    Q_INVOKABLE bool trClose(const QVariantMap &mapParams);
    Q_INVOKABLE qlonglong currentMSecsSinceEpoch() const;

signals:
    void saClose(QVariantMap mapParams);

private:
    static QString closeReason(const QString &typeClose);
};
