#pragma once

#include "report/perresultreport.h"

namespace Report::Base {

// The individual sessions report of users or drivers: per owner the hours of closed sessions per
// step (hour, day, week, month, quarter, year) of a period in the owner's local time, one
// workbook per owner.
class Session : public PerResultReport
{
public:
    Session(Common::Db *db, const QString &tableName);

    QJsonArray extractResult(const QJsonObject &params) override;

    QString tableName() const { return m_tableName; }

private:
    QJsonObject ownerObject(const QString &key, QSqlQuery &query);
    void writeResult(const QJsonObject &owner, const Options &options, const QString &outputDir,
                     const QString &templatePath) override;

    QString m_tableName;
};

} // namespace Report::Base
