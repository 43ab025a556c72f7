#pragma once

#include "gui/report/owner.h"

// The consolidated driver report: orders, refusals, takings and time online of chosen drivers
// over a period.
class DriverReport : public Gui::Report::Owner
{
    Q_OBJECT

public:
    DriverReport();
    ~DriverReport() override;

    int reportType() const override;
    QString accessName() const override;
    QString outputName() const override;
    QString templatePath() const override;
};
