#pragma once

#include "report/perresultreport.h"

namespace Report::Tavik {

// The user duty report: the planned duty journals of a period as columns, users as rows, a mark
// where a user holds a duty, and the plan, the reserve and their difference above the grid.
class UserDuty : public PerResultReport
{
public:
    explicit UserDuty(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;

private:
    void writeResult(const QJsonObject &duties, const Options &options, const QString &outputDir,
                     const QString &templatePath) override;

    QString m_dutyTypes;
    QString m_journals;
    QString m_duties;
    QString m_users;
};

} // namespace Report::Tavik
