#pragma once

#include "abstractreport.h"

namespace Report {

// A report that writes all of its "results" into one workbook, named by the machine's local time.
class SingleWorkbookReport : public AbstractReport
{
public:
    using AbstractReport::AbstractReport;

    void writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath) final;

protected:
    // Fills the opened copy of the template; it is saved afterwards.
    virtual void writeWorkbook(Workbook &book, const QJsonArray &results, const Options &options) = 0;
};

} // namespace Report
