#pragma once

#include "gui/report/balance.h"

#include <memory>

class DriverBalanceGroup;
class DriverBalanceType;

// The driver balance report: the balance-log entries of chosen drivers over a period, of the
// chosen balance types, one workbook per driver. The groups and types come from the lists that
// the frame's own controllers share with every page.
class DriverBalanceReport : public Gui::Report::Balance
{
    Q_OBJECT

public:
    DriverBalanceReport();
    ~DriverBalanceReport() override;

    int reportType() const override;
    QString accessName() const override;
    QString outputName() const override;
    Client::Controller::DesktopController *balanceGroupController() const override;
    Client::Controller::DesktopController *balanceTypeController() const override;

private:
    std::unique_ptr<DriverBalanceGroup> m_groups;
    std::unique_ptr<DriverBalanceType> m_types;
};
