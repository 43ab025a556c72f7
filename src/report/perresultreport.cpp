#include "perresultreport.h"

#include "options.h"

namespace Report {

void PerResultReport::writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath)
{
    const Options options(data.value(QStringLiteral("options")).toObject());
    for (const QJsonValue &result : data.value(QStringLiteral("results")).toArray())
        writeResult(result.toObject(), options, outputDir, templatePath);
}

} // namespace Report
