#pragma once

#include "pgschema.h"

#include <QJsonObject>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace Report {
class AbstractReport;
}

// What the report tests share: a database with every catalogue's table and the report tables,
// reading the written workbooks back with openpyxl, and LibreOffice's computed values.
namespace ReportTest {

// A fixed clock for the names and creation times: 2024-03-05 14:07:09 UTC.
constexpr qint64 fixedNow = 1709647629000;

// Every catalogue's table, the tables of tools/report/report-tables.sql and the catalogue registry.
bool buildDatabase(PgSchema &pg, QString *error);

// ":/files_template/" + name.
QString templatePath(const QString &name);

// Writes the report data {"options", "results"} through generate() with the fixed clock into
// folder; the files written, sorted.
QStringList write(Report::AbstractReport &report, const QJsonObject &options, const QJsonArray &results,
                  const QString &folder, const QString &templateName);

// The first sheet of a workbook as openpyxl reads it ("cells", "merges", ...); fails the test
// (QTest) and gives an empty object when it cannot.
QJsonObject sheet(const QString &fileName);
// A cell's value (null when the cell is absent or empty) and its other properties.
QVariant value(const QJsonObject &sheet, const QString &reference);
QJsonObject cell(const QJsonObject &sheet, const QString &reference);

// The first sheet of each workbook as LibreOffice computes and shows it, one list of rows of
// cells per workbook; one LibreOffice run for all.
QList<QList<QStringList>> computedByLibreOffice(const QStringList &fileNames, QString *error);

} // namespace ReportTest
