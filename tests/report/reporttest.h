#pragma once

#include "pgschema.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
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

// The test object of a report test over a Database: the database built before the first test,
// each test's rows from seed() in a transaction rolled back after it, and the workbooks kept for
// one LibreOffice run at the end.
class DatabaseTestCase : public QObject
{
    Q_OBJECT

protected slots:
    void initTestCase();
    void init();
    void cleanup();

protected:
    // The rows every test starts from.
    virtual void seed() = 0;
    // Runs the statements in order; fails the test at the first one refused.
    void runAll(const QStringList &statements);
    // The rows of the report of the type.
    QJsonArray extract(int type, const QJsonObject &options);
    QStringList run(int type, const QJsonObject &options, const QString &templateName, QJsonArray *results = nullptr)
    {
        return m_database.run(type, options, templateName, results);
    }
    // The report of the type refuses the options with an Exception, and the rows counted by the
    // counts query stay as they were.
    void verifyRefused(int type, const QJsonObject &options, const QString &counts);
    // The workbooks of m_libreOfficeFiles as LibreOffice computes them; empty, with the test
    // failed, unless there are count of them and LibreOffice read them all.
    QList<QList<QStringList>> computedKept(int count);

    Database m_database;
    PgSchema *m_pg = nullptr;
    QStringList m_libreOfficeFiles;
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
// What a reader that does not calculate (openpyxl's data_only, pandas) shows in a cell: a
// formula's cached result (null when it has none), else the value.
QVariant shown(const QJsonObject &sheet, const QString &reference);
// The SUM formulas of the sheet, each checked to show without calculating the sum of what the
// cells it sums show; -1 with the first that does not.
int checkShownSums(const QJsonObject &sheet, QString *error);

// The first sheet of each workbook as LibreOffice computes and shows it, one list of rows of
// cells per workbook; one LibreOffice run for all.
QList<QList<QStringList>> computedByLibreOffice(const QStringList &fileNames, QString *error);

} // namespace ReportTest
