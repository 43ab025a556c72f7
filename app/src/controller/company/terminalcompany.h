#pragma once

#include "controller/instancerowscontroller.h"
#include "model/orlem/company/terminalcompany.h"

// The terminal companies ("terminalCmp"): rows of each instance, and their password change.
class TerminalCompany : public InstanceRowsController<Model::Orlem::TerminalCompany>
{
    Q_OBJECT

public:
    explicit TerminalCompany(QQuickItem *parent = nullptr);
    ~TerminalCompany() override;

    QString name() const override;
    bool handleMessage(const QString &action, const QVariantMap &params) override;

    Q_INVOKABLE void trChangePwd(const QVariantMap &mapParams);

signals:
    void saChangePwd(QVariantMap mapParams);
};
