#include "abstractreport.h"

#include "options.h"
#include "workbook.h"

#include "xlsx/document.h"

#include "model/base/abstractmodel.h"
#include "model/base/owner/owner.h"

#include "common/core/db/dao.h"
#include "common/core/db/db.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"
#include "common/core/utils/jsontext.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QMap>
#include <QSqlQuery>
#include <QSqlRecord>

// The template bundle is a resource of this static library: registered before every use.
static void registerTemplates()
{
    Q_INIT_RESOURCE(files_template);
}

namespace Report {

QVector<qint32> completedCodes()
{
    return Common::Db::completedCodes();
}

AbstractReport::AbstractReport(Common::Db *db)
    : m_db(db)
    , m_clock([] { return QDateTime::currentMSecsSinceEpoch(); })
{
}

AbstractReport::~AbstractReport() = default;

void AbstractReport::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

bool AbstractReport::generate(const QString &json, const QString &outputDir, const QString &templatePath)
{
    registerTemplates();
    m_written.clear();
    m_errors.clear();

    QString parseError;
    const QJsonDocument document = Common::readJson(json.toUtf8(), &parseError);
    if (!document.isObject()) {
        fail(parseError.isEmpty() ? QStringLiteral("The report answer is not a JSON object")
                                  : QStringLiteral("The report answer is not JSON: %1").arg(parseError));
        return false;
    }
    const QJsonObject data = document.object();
    if (!data.value(QStringLiteral("options")).isObject() || !data.value(QStringLiteral("results")).isArray()) {
        fail(QStringLiteral("The report answer has no \"options\" object or no \"results\" array"));
        return false;
    }

    const QString folder = outputDir + QLatin1Char('/') + localStamp();
    const bool folderExisted = QFileInfo::exists(folder);
    if (!QDir().mkpath(folder)) {
        fail(QStringLiteral("Cannot create the report folder %1").arg(folder));
        return false;
    }
    writeReport(data, folder, templatePath);
    // A folder made for workbooks of which none was written would look like an empty report.
    if (m_written.isEmpty() && !folderExisted)
        QDir().rmdir(folder);
    return m_errors.isEmpty();
}

QJsonArray AbstractReport::queryToJson(QSqlQuery &query)
{
    QJsonArray rows;
    while (query.next()) {
        const QSqlRecord record = query.record();
        QJsonObject row;
        for (int i = 0; i < record.count(); ++i) {
            const QVariant value = record.value(i);
            row.insert(record.fieldName(i), value.isNull() ? QJsonValue() : QJsonValue::fromVariant(value));
        }
        rows.append(row);
    }
    return rows;
}

bool AbstractReport::loadRecord(Model::AbstractModel *model, qint64 id, const QString &location)
{
    Common::Dao dao(model, m_db);
    if (dao.loadById(id, location))
        return true;
    if (dao.failed())
        throw Exception(QStringLiteral("%1: reading row %2 of %3 failed").arg(location).arg(id).arg(model->tableName()));
    return false;
}

std::unique_ptr<Model::AbstractModel> AbstractReport::loadOwner(const QString &ownerTable, qint64 id,
                                                                const QString &location)
{
    std::unique_ptr<Model::AbstractModel> owner(Model::Creator::instance(ownerTable));
    castModel<Model::Base::Owner>(owner.get());
    if (!loadRecord(owner.get(), id, location))
        owner.reset();
    return owner;
}

QSqlQuery AbstractReport::run(const QString &sql, const QVariantMap &binds)
{
    QSqlQuery query(m_db->database());
    query.setForwardOnly(true);
    m_db->exec(query, sql, binds);
    return query;
}

QJsonArray AbstractReport::objectsPerOwner(const QString &sql, QVariantMap binds, const QVariantList &owners,
                                           const std::function<QJsonObject(const QString &, QSqlQuery &)> &objectOf)
{
    QMap<QString, QVariant> byText;
    for (const QVariant &owner : owners)
        byText.insert(owner.toString(), owner);
    QJsonArray objects;
    for (auto it = byText.cbegin(); it != byText.cend(); ++it) {
        binds.insert(QStringLiteral(":rst_id_owner"), it.value());
        // Not forward only: the rows are all fetched before objectOf reads the owner.
        QSqlQuery rows(m_db->database());
        m_db->exec(rows, sql, binds);
        const QJsonObject object = objectOf(it.key(), rows);
        if (!object.isEmpty())
            objects.append(object);
    }
    return objects;
}

void AbstractReport::writeTime(Xlsx::Document &sheet, const QString &cell, qint64 msecs, qint64 offsetMinutes)
{
    sheet.write(Xlsx::CellReference(cell), timeText(msecs, QStringLiteral("dd MMM yyyy, hh:mm t"), offsetMinutes));
}

void AbstractReport::writePeriod(Xlsx::Document &sheet, const QString &startCell, const QString &endCell,
                                 const Options &options)
{
    const qint64 utc = options.toLongLong(QStringLiteral("utc"));
    writeTime(sheet, startCell, options.toLongLong(QStringLiteral("dt_utc_insert_start")), utc);
    writeTime(sheet, endCell, options.toLongLong(QStringLiteral("dt_utc_insert_end")), utc);
}

void AbstractReport::writeCreatedAndPeriod(Xlsx::Document &sheet, const QString &createdCell,
                                           const QString &startCell, const QString &endCell, const Options &options)
{
    writeTime(sheet, createdCell, currentMSecs(), options.toLongLong(QStringLiteral("utc")));
    writePeriod(sheet, startCell, endCell, options);
}

void AbstractReport::writePeriodAndDays(Xlsx::Document &sheet, int firstRow, qint64 start, qint64 end,
                                        qint64 offsetMinutes)
{
    writeTime(sheet, QStringLiteral("D%1").arg(firstRow), start, offsetMinutes);
    writeTime(sheet, QStringLiteral("D%1").arg(firstRow + 1), end, offsetMinutes);
    sheet.write(firstRow + 2, 4, QDateTime::fromMSecsSinceEpoch(start).daysTo(QDateTime::fromMSecsSinceEpoch(end)));
}

void AbstractReport::writePeriodAndDays(Xlsx::Document &sheet, int firstRow, const Options &options)
{
    writePeriodAndDays(sheet, firstRow, options.toLongLong(QStringLiteral("dt_utc_insert_start")),
                       options.toLongLong(QStringLiteral("dt_utc_insert_end")),
                       options.toLongLong(QStringLiteral("utc")));
}

QDateTime AbstractReport::currentLocalTime() const
{
    return QDateTime::fromMSecsSinceEpoch(m_clock());
}

QString AbstractReport::currentTimeText(const QString &format, qint64 offsetMinutes)
{
    return timeText(m_clock(), format, offsetMinutes);
}

QString AbstractReport::timeText(qint64 msecs, const QString &format, qint64 offsetMinutes)
{
    return m_utils.utcmsec2LocalDateTime(msecs, format, offsetMinutes);
}

QString AbstractReport::localStamp() const
{
    return currentLocalTime().toString(QStringLiteral("yyyyMMdd_HH_mm_ss"));
}

bool AbstractReport::openWorkbook(Workbook &workbook, const QString &templatePath, const QString &folder,
                                  const QString &baseName)
{
    if (workbook.open(templatePath, folder, baseName))
        return true;
    fail(workbook.errorString());
    return false;
}

bool AbstractReport::openWorkbook(Workbook &workbook, const QString &templatePath, const QString &folder)
{
    return openWorkbook(workbook, templatePath, folder, localStamp());
}

bool AbstractReport::saveWorkbook(Workbook &workbook)
{
    if (!workbook.save()) {
        fail(workbook.errorString());
        return false;
    }
    m_written.append(workbook.fileName());
    return true;
}

void AbstractReport::fail(const QString &message)
{
    m_errors.append(message);
    Logger::instance(0)->warning(Common::warningLine(COMMON_LOCATION, message));
}

} // namespace Report
