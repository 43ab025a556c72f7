#pragma once

#include "report/abstractreport.h"

namespace Report::Tavik {

// The individual user salary report: per user the positive balance-log entries of a period summed
// per balance group, type and amount (hours for hourly salary), one workbook per user.
class IndividualUserSalary : public AbstractReport
{
public:
    explicit IndividualUserSalary(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;
    void writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath) override;

private:
    void writeUser(const QJsonObject &user, const QJsonObject &options, const QString &outputDir,
                   const QString &templatePath);
};

} // namespace Report::Tavik
