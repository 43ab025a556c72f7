#pragma once

#include "report/abstractreport.h"

namespace Report::Tavik {

// The company statistics report: per time step of a period the calls and orders received, served
// and missed, the cashback, fees, commissions, lost profit and turnover of chosen companies.
class Company : public AbstractReport
{
public:
    explicit Company(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;
    void writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath) override;

private:
    void writeBuckets(const QJsonArray &buckets, const QJsonObject &options, const QString &outputDir,
                      const QString &templatePath);
};

} // namespace Report::Tavik
