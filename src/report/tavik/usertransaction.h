#pragma once

#include "report/abstractreport.h"

namespace Report::Tavik {

// The user transactions report: the balance transactions that chosen operators made in a period
// (card group balances, driver refills, user balances), newest first.
class UserTransaction : public AbstractReport
{
public:
    explicit UserTransaction(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;
    void writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath) override;
};

} // namespace Report::Tavik
