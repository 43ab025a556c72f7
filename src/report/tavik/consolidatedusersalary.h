#pragma once

#include "report/singleworkbookreport.h"

namespace Report::Tavik {

// The consolidated user salary report: per operator the salary accrued in a period for calls,
// created orders and hours, the hours worked, the prices per unit and what was paid out after it.
class ConsolidatedUserSalary : public SingleWorkbookReport
{
public:
    explicit ConsolidatedUserSalary(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;

private:
    void writeWorkbook(Workbook &book, const QJsonArray &results, const Options &options) override;
};

} // namespace Report::Tavik
