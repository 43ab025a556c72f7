#pragma once

#include "report/abstractreport.h"

namespace Report::Tavik {

// The card group report: per card group the completed orders paid with its cards in a period,
// with the group's balance now and at the end of the period, one workbook per group.
class CardGroup : public AbstractReport
{
public:
    explicit CardGroup(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;
    void writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath) override;

private:
    QJsonObject groupObject(const QString &key, QSqlQuery &orders, const QString &start, const QString &end);
    void writeGroup(const QJsonObject &group, const QJsonObject &options, const QString &outputDir,
                    const QString &templatePath);
};

} // namespace Report::Tavik
