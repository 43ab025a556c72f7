#pragma once

#include "report/perresultreport.h"

namespace Report::Base {

// The individual balance report of card groups, users or drivers: per owner the balance-log
// entries of a period (or their totals per group, type and value), one workbook per owner.
class BalanceLog : public PerResultReport
{
public:
    BalanceLog(Common::Db *db, const QString &tableName);

    QJsonArray extractResult(const QJsonObject &params) override;

    QString tableName() const { return m_tableName; }

private:
    QString statement(int typeCount, bool grouped) const;
    QJsonObject ownerObject(const QString &key, QSqlQuery &query, const QString &signRole, bool grouped);
    void writeResult(const QJsonObject &owner, const Options &options, const QString &outputDir,
                     const QString &templatePath) override;

    QString m_tableName;
};

} // namespace Report::Base
