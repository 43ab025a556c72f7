#pragma once

#include "report/abstractreport.h"

namespace Report::Mirsel {

// The brand payment report: for chosen drivers the completed payments of each payment system and
// the terminal refills, per day of a period, with a total per day and per channel.
class BrandPayment : public AbstractReport
{
public:
    explicit BrandPayment(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;
    void writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath) override;
};

} // namespace Report::Mirsel
