#include "driversessionreport.h"

DriverSessionReport::DriverSessionReport()
    : Gui::Report::Session(QStringLiteral("qrc:/qml/driver/driver/DriverTable.qml"))
{
    setTitle(tr("Driver Session Report"));
}

DriverSessionReport::~DriverSessionReport() = default;

int DriverSessionReport::reportType() const
{
    return 15;
}

QString DriverSessionReport::accessName() const
{
    return QStringLiteral("driverSessionReport");
}

QString DriverSessionReport::outputName() const
{
    return QStringLiteral("driver_session_report");
}
