#pragma once

#include "report/perresultreport.h"

namespace Report::Tavik {

// The consolidated user calls report: per operator the calls of a period by kind with their
// average length, the orders created and completed, the time online and the rates per hour and
// day, with totals.
class UserCall : public PerResultReport
{
public:
    explicit UserCall(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;

private:
    void writeResult(const QJsonObject &result, const Options &options, const QString &outputDir,
                     const QString &templatePath) override;
};

} // namespace Report::Tavik
