#pragma once

#include "report/perresultreport.h"

namespace Report::Tavik {

// The individual user salary report: per user the positive balance-log entries of a period summed
// per balance group, type and amount (hours for hourly salary), one workbook per user.
class IndividualUserSalary : public PerResultReport
{
public:
    explicit IndividualUserSalary(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;

private:
    void writeResult(const QJsonObject &user, const Options &options, const QString &outputDir,
                     const QString &templatePath) override;
};

} // namespace Report::Tavik
