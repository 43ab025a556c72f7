#pragma once

#include "report/singleworkbookreport.h"

namespace Report::Mirsel {

// The brand payment report: for chosen drivers the completed payments of each payment system and
// the terminal refills, per day of a period, with a total per day and per channel.
class BrandPayment : public SingleWorkbookReport
{
public:
    explicit BrandPayment(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;

private:
    void writeWorkbook(Workbook &book, const QJsonArray &results, const Options &options) override;
};

} // namespace Report::Mirsel
