#include "driverbalancereport.h"

#include "controller/balance/driverbalancegroup.h"
#include "controller/balance/driverbalancetype.h"

DriverBalanceReport::DriverBalanceReport()
    : Gui::Report::Balance(QStringLiteral("qrc:/qml/driver/driver/DriverTable.qml"))
    , m_groups(std::make_unique<DriverBalanceGroup>())
    , m_types(std::make_unique<DriverBalanceType>())
{
    setTitle(tr("Driver Balance Report"));
}

DriverBalanceReport::~DriverBalanceReport() = default;

int DriverBalanceReport::reportType() const
{
    return 14;
}

QString DriverBalanceReport::accessName() const
{
    return QStringLiteral("driverBalanceReport");
}

QString DriverBalanceReport::outputName() const
{
    return QStringLiteral("driver_balance_report");
}

Client::Controller::DesktopController *DriverBalanceReport::balanceGroupController() const
{
    return m_groups.get();
}

Client::Controller::DesktopController *DriverBalanceReport::balanceTypeController() const
{
    return m_types.get();
}
