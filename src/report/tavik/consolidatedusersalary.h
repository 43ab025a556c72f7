#pragma once

#include "report/abstractreport.h"

namespace Report::Tavik {

// The consolidated user salary report: per operator the salary accrued in a period for calls,
// created orders and hours, the hours worked, the prices per unit and what was paid out after it.
class ConsolidatedUserSalary : public AbstractReport
{
public:
    explicit ConsolidatedUserSalary(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;
    void writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath) override;
};

} // namespace Report::Tavik
