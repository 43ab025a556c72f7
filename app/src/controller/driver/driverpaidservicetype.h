#pragma once

#include "controller/classwidecontroller.h"
#include "model/orlem/paidservice/paidservicetype4driver.h"

// The paid service types of drivers ("driverPaidServiceType"): one list that every page shares;
// on request a type is applied to the drivers that use it.
class DriverPaidServiceType
    : public ClassWideController<DriverPaidServiceType, Model::Orlem::PaidServiceType4Driver>
{
    Q_OBJECT

public:
    explicit DriverPaidServiceType(QQuickItem *parent = nullptr);
    ~DriverPaidServiceType() override;

    QString name() const override;
    bool handleMessage(const QString &action, const QVariantMap &params) override;

    Q_INVOKABLE void trImplementPaidService(const QVariantMap &mapParams);

signals:
    void saImplementPaidService(QVariantMap mapParams);
};
