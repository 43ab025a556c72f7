#pragma once

#include "abstractreport.h"

namespace Report {

// A report that writes one workbook per element of its "results" (an owner, a user, a group...),
// each with the request's options.
class PerResultReport : public AbstractReport
{
public:
    using AbstractReport::AbstractReport;

    void writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath) final;

protected:
    // Writes the workbook of one element of "results" (an empty object when the element is not one).
    virtual void writeResult(const QJsonObject &result, const Options &options, const QString &outputDir,
                             const QString &templatePath) = 0;
};

} // namespace Report
