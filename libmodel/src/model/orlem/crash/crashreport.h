#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Orlem {

// Crash reports sent for a driver, with the report's data file as base64 text.
class CrashReport : public AbstractModel
{
public:
    CrashReport();

    QString tableName() const override { return QStringLiteral("crash_reports"); }
};

} // namespace Model::Orlem
