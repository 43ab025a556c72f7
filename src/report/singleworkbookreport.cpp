#include "singleworkbookreport.h"

#include "options.h"
#include "workbook.h"

namespace Report {

void SingleWorkbookReport::writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath)
{
    Workbook book;
    if (!openWorkbook(book, templatePath, outputDir))
        return;
    writeWorkbook(book, data.value(QStringLiteral("results")).toArray(),
                  Options(data.value(QStringLiteral("options")).toObject()));
    saveWorkbook(book);
}

} // namespace Report
