#pragma once

#include "controller/instancerowscontroller.h"
#include "model/orlem/crash/crashreport.h"

// Drivers' crash reports ("crashReport"): rows of each instance; a report's database comes on request.
class CrashReport : public InstanceRowsController<Model::Orlem::CrashReport>
{
    Q_OBJECT

public:
    explicit CrashReport(QQuickItem *parent = nullptr);
    ~CrashReport() override;

    QString name() const override;
    bool handleMessage(const QString &action, const QVariantMap &params) override;

    Q_INVOKABLE void trGetDb(const QVariantMap &mapParams);

signals:
    void saGetDb(QVariantMap mapParams);
};
