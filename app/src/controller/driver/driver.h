#pragma once

#include "client/controller/driver.h"
#include "client/controller/helper/driverstatus.h"
#include "controller/classwidecontroller.h"
#include "model/orlem/driver/driver.h"

// The drivers that every page shares ("driver"): one class-wide list with each driver's status
// text, and the requests of the driver editor and the reports besides the archive of the base.
class Driver : public ClassWideController<Driver, Model::Orlem::Driver, Client::Controller::Driver>,
               public Client::Controller::Helper::DriverStatus
{
    Q_OBJECT

public:
    explicit Driver(QQuickItem *parent = nullptr);
    ~Driver() override;

    void prepareRow(QVariantMap &row) override;
    bool handleMessage(const QString &action, const QVariantMap &params) override;

    Q_INVOKABLE void trChangePwd(const QVariantMap &mapParams);
    Q_INVOKABLE void trApprove(const QVariantMap &mapParams);
    Q_INVOKABLE void trGetBrandDrivers(const QVariantMap &mapParams);
    Q_INVOKABLE void trRemoveRecommender(const QVariantMap &mapParams);

public slots:
    // Puts the record of a single-record answer into the shared list: only an answer that
    // succeeded ("RES" "10") and names its record by "id". A refusal carries no record, and
    // storing it would blank the driver's row in every list.
    void upsertInfoRow(const QVariantMap &mapParams);
    // A driver archived or returned by this program: its row in the shared list takes the new
    // flag (the tables hide archived drivers); a row the list does not hold is fetched.
    void followArchive(const QVariantMap &mapParams);

signals:
    void saChangePwd(QVariantMap mapParams);
    void saApprove(QVariantMap mapParams);
    void saApprovePhotos(QVariantMap mapParams);
    void saGetBrandDrivers(QVariantMap mapParams);
    void saRemoveRecommender(QVariantMap mapParams);
};
