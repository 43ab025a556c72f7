#pragma once

#include "report/abstractreport.h"

namespace Report::Mirsel {

// The brand car report: per driver of a branded car the orders of a period (all, cash, card,
// free; counts and sums) and the hours of the driver's sessions.
class BrandCar : public AbstractReport
{
public:
    explicit BrandCar(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;
    void writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath) override;
};

} // namespace Report::Mirsel
