#pragma once

#include "report/singleworkbookreport.h"

#include <QDateTime>
#include <QVector>

namespace Report::Tavik {

// The missed calls report: per hour of a period the incoming calls of a company (or of all) that
// were answered and missed, and the hours of one user group's operators on duty.
class MissedCall : public SingleWorkbookReport
{
public:
    // The longest period a report covers: a month of hourly slots.
    static constexpr qint64 maxPeriodDays = 31;

    explicit MissedCall(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;

    // The start, every full hour after it up to the end, and the end; an end on a full hour
    // stands once.
    static QVector<QDateTime> boundaries(const QDateTime &start, const QDateTime &end);

private:
    void writeWorkbook(Workbook &book, const QJsonArray &results, const Options &options) override;
};

} // namespace Report::Tavik
