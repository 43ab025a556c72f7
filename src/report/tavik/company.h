#pragma once

#include "report/perresultreport.h"

namespace Report::Tavik {

// The company statistics report: per time step of a period the calls and orders received, served
// and missed, the cashback, fees, commissions, lost profit and turnover of chosen companies.
class Company : public PerResultReport
{
public:
    explicit Company(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;

private:
    void writeResult(const QJsonObject &result, const Options &options, const QString &outputDir,
                     const QString &templatePath) override;
};

} // namespace Report::Tavik
