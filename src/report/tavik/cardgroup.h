#pragma once

#include "report/perresultreport.h"

namespace Report::Tavik {

// The card group report: per card group the completed orders paid with its cards in a period,
// with the group's balance now and at the end of the period, one workbook per group.
class CardGroup : public PerResultReport
{
public:
    explicit CardGroup(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;

private:
    QJsonObject groupObject(const QString &key, QSqlQuery &orders, const QString &start, const QString &end);
    void writeResult(const QJsonObject &group, const Options &options, const QString &outputDir,
                     const QString &templatePath) override;
};

} // namespace Report::Tavik
