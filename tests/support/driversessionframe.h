#pragma once

#include "gui/report/session.h"

// The driver session report frame over the driver table, made by a test without the menu.
class DriverSessionFrame : public Gui::Report::Session
{
public:
    DriverSessionFrame()
        : Session(QStringLiteral("qrc:/qml/driver/driver/DriverTable.qml"))
    {
    }
    int reportType() const override { return 15; }
    QString accessName() const override { return QStringLiteral("driverSessionReport"); }
    QString outputName() const override { return QStringLiteral("driver_session_report"); }
};
