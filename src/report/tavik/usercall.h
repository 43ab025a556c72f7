#pragma once

#include "report/abstractreport.h"

namespace Report::Tavik {

// The consolidated user calls report: per operator the calls of a period by kind with their
// average length, the orders created and completed, the time online and the rates per hour and
// day, with totals.
class UserCall : public AbstractReport
{
public:
    explicit UserCall(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;
    void writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath) override;

private:
    void writeOperators(const QJsonArray &operators, const QJsonObject &options, const QString &outputDir,
                        const QString &templatePath);
};

} // namespace Report::Tavik
