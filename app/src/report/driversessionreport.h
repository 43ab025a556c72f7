#pragma once

#include "gui/report/session.h"

// The driver session report: the hours online of chosen drivers per step of a period, one
// workbook each.
class DriverSessionReport : public Gui::Report::Session
{
    Q_OBJECT

public:
    DriverSessionReport();
    ~DriverSessionReport() override;

    int reportType() const override;
    QString accessName() const override;
    QString outputName() const override;
};
