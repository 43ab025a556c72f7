#pragma once

#include "report/singleworkbookreport.h"

namespace Report::Mirsel {

// The brand car report: per driver of a branded car the orders of a period (all, cash, card,
// free; counts and sums) and the hours of the driver's sessions.
class BrandCar : public SingleWorkbookReport
{
public:
    explicit BrandCar(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;

private:
    void writeWorkbook(Workbook &book, const QJsonArray &results, const Options &options) override;
};

} // namespace Report::Mirsel
