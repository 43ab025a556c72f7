#pragma once

#include "pgschema.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSharedPointer>
#include <QTemporaryDir>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

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

// The database of one test executable: built once; each test's rows live in a transaction of
// their own, rolled back after it.
class Database
{
public:
    bool build(QString *error);
    // Leaves what a failed test left open and begins the next test's transaction.
    bool begin();
    bool rollback();
    PgSchema &pg() { return *m_pg; }
    // The report of the type over this database: its extraction, and its workbooks written from
    // it into a folder of their own (sorted).
    QStringList run(int type, const QJsonObject &options, const QString &templateName, QJsonArray *results = nullptr);
    QString folder(const QString &name) const { return m_folder.filePath(name); }

private:
    std::unique_ptr<PgSchema> m_pg;
    QTemporaryDir m_folder;
    int m_runs = 0;
};

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
