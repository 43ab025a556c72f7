#pragma once

#include "castmodel.h"

#include "model/base/creator.h"

#include "common/core/utils/utils.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

#include <functional>
#include <memory>

namespace Xlsx {
class Document;
}

namespace Common {
class Db;
}

namespace Report {

class Options;
class Workbook;

// Order completion codes that count as a completed order: 1070, 5000, 7000, 7001, 7002, 9000.
QVector<qint32> completedCodes();

// A report: the SQL extraction that produces its rows on the server (extractResult) and the
// writer that turns the server's answer into a workbook copied from a template (writeReport).
class AbstractReport
{
public:
    // Milliseconds since the epoch; the clock of the output names and of the creation times.
    using Clock = std::function<qint64()>;

    explicit AbstractReport(Common::Db *db);
    virtual ~AbstractReport();
    AbstractReport(const AbstractReport &) = delete;
    AbstractReport &operator=(const AbstractReport &) = delete;

    // The report's rows for the request options; throws what the SQL layer and the option
    // checks throw.
    virtual QJsonArray extractResult(const QJsonObject &params) = 0;
    // Writes the workbook(s) of the report data {"options", "results"} into outputDir.
    virtual void writeReport(const QJsonObject &data, const QString &outputDir, const QString &templatePath) = 0;

    // Writes the workbooks of a "JSON" answer into outputDir (below a folder named by the current
    // time). False, with errorString(), when the answer is not a report data object or a workbook
    // could not be written; writtenFiles() lists what was written either way.
    bool generate(const QString &json, const QString &outputDir, const QString &templatePath);

    static QJsonArray queryToJson(QSqlQuery &query);

    QStringList writtenFiles() const { return m_written; }
    QString errorString() const { return m_errors.join(QLatin1Char('\n')); }
    void setClock(Clock clock);

protected:
    Common::Db *db() const { return m_db; }
    // Reads the row with that id into the catalogue: false when there is none; throws Exception
    // when the statement fails.
    bool loadRecord(Model::AbstractModel *model, qint64 id, const QString &location);
    // The owner catalogue of the reference "rst_id_owner" of a ledger or session table (which must
    // be a Log), loaded with the row id; null when there is no such row. Throws "Bad cast" for
    // catalogues of another kind.
    template<typename Log>
    std::unique_ptr<Model::AbstractModel> loadOwnerOf(const QString &table, qint64 id, const QString &location);
    // The catalogue of an owner table as a Model::Base::Owner, loaded as above.
    std::unique_ptr<Model::AbstractModel> loadOwner(const QString &ownerTable, qint64 id, const QString &location);
    // Runs one statement, forward only: read its rows before the next statement on the connection,
    // which would cut them off.
    QSqlQuery run(const QString &sql, const QVariantMap &binds);
    // The statement run for each owner with its id bound as ":rst_id_owner" beside binds, then each
    // owner's object made from its rows: in the text order of the ids, a repeated id once, owners
    // whose object is empty (there is no such owner) left out.
    QJsonArray objectsPerOwner(const QString &sql, QVariantMap binds, const QVariantList &owners,
                               const std::function<QJsonObject(const QString &owner, QSqlQuery &rows)> &objectOf);

    qint64 currentMSecs() const { return m_clock(); }
    QDateTime currentLocalTime() const;
    // The current time at offsetMinutes from UTC in format (through Utils).
    QString currentTimeText(const QString &format, qint64 offsetMinutes);
    QString timeText(qint64 msecs, const QString &format, qint64 offsetMinutes);
    // "yyyyMMdd_HH_mm_ss" of the machine's local time: the plain output name.
    QString localStamp() const;
    // A header cell with an instant shown "dd MMM yyyy, hh:mm t" at the offset, in the cell's own
    // format.
    void writeTime(Xlsx::Document &sheet, const QString &cell, qint64 msecs, qint64 offsetMinutes);
    // The period of the options, "dt_utc_insert_start" and "dt_utc_insert_end" at their "utc"
    // offset, in two header cells as writeTime writes them.
    void writePeriod(Xlsx::Document &sheet, const QString &startCell, const QString &endCell, const Options &options);
    // The time of writing in createdCell as writeTime writes it (at the "utc" offset of the options),
    // then the period as writePeriod writes it.
    void writeCreatedAndPeriod(Xlsx::Document &sheet, const QString &createdCell, const QString &startCell,
                               const QString &endCell, const Options &options);
    // Column D from firstRow down: the start, the end and the calendar days between them in the
    // machine's local time.
    void writePeriodAndDays(Xlsx::Document &sheet, int firstRow, qint64 start, qint64 end, qint64 offsetMinutes);
    // The same for the period of the options as writePeriod reads it.
    void writePeriodAndDays(Xlsx::Document &sheet, int firstRow, const Options &options);

    // Opens a copy of the template; on failure records why and returns false.
    bool openWorkbook(Workbook &workbook, const QString &templatePath, const QString &folder,
                      const QString &baseName);
    // The same under the plain output name, localStamp().
    bool openWorkbook(Workbook &workbook, const QString &templatePath, const QString &folder);
    // Saves and records the file as written; on failure records why and returns false.
    bool saveWorkbook(Workbook &workbook);
    // Records a failure of the writer (logged as a warning).
    void fail(const QString &message);

private:
    Common::Db *m_db;
    Clock m_clock;
    Utils m_utils;
    QStringList m_written;
    QStringList m_errors;
};

template<typename Log>
std::unique_ptr<Model::AbstractModel> AbstractReport::loadOwnerOf(const QString &table, qint64 id,
                                                                  const QString &location)
{
    const std::unique_ptr<Model::AbstractModel> log(Model::Creator::instance(table));
    castModel<Log>(log.get());
    return loadOwner(log->field(QStringLiteral("rst_id_owner")).refTable, id, location);
}

} // namespace Report
