#pragma once

#include "report/singleworkbookreport.h"

namespace Report::Tavik {

// The user transactions report: the balance transactions that chosen operators made in a period
// (card group balances, driver refills, user balances), newest first.
class UserTransaction : public SingleWorkbookReport
{
public:
    explicit UserTransaction(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;

private:
    void writeWorkbook(Workbook &book, const QJsonArray &results, const Options &options) override;
};

} // namespace Report::Tavik
