#include "driverreport.h"

DriverReport::DriverReport()
    : Gui::Report::Owner(QStringLiteral("qrc:/qml/driver/driver/DriverTable.qml"))
{
    setTitle(tr("Driver Report"));
}

DriverReport::~DriverReport() = default;

int DriverReport::reportType() const
{
    return 13;
}

QString DriverReport::accessName() const
{
    return QStringLiteral("driverConsolidatedReport");
}

QString DriverReport::outputName() const
{
    return QStringLiteral("driver_report");
}

QString DriverReport::templatePath() const
{
    return QStringLiteral(":/files_template/mirsel/driver/ConsolidateDriverReport.xlsx");
}
