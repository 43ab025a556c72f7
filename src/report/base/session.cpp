#include "session.h"

#include "report/options.h"
#include "report/sqltext.h"
#include "report/workbook.h"

#include "model/base/session/session.h"

#include "common/core/db/db.h"
#include "common/core/exception/location.h"

#include <QSqlQuery>

#include <memory>

namespace Report::Base {

Session::Session(Common::Db *db, const QString &tableName)
    : PerResultReport(db)
    , m_tableName(tableName)
{
}

QJsonArray Session::extractResult(const QJsonObject &params)
{
    const Options options(params);
    // The step starts in the owner's local time, at the whole offset in minutes.
    const QString sql = QStringLiteral(
        "SELECT rst_id_owner , date_trunc(:date_truncate, to_timestamp(dt_utc_insert/1000) "
        "at time zone make_interval(mins => :utc)) as date_trunc , SUM(duration)/1000 duration "
        "FROM %1 "
        "WHERE dt_end<>0 AND rst_id_owner=:rst_id_owner AND dt_utc_insert>=:dt_utc_insert_start "
        "AND dt_utc_insert<=:dt_utc_insert_end "
        "GROUP BY rst_id_owner, date_trunc ORDER BY date_trunc ASC ").arg(m_tableName);
    QVariantMap binds = options.periodBinds();
    binds.insert(QStringLiteral(":date_truncate"), SqlText::checkedStep(options.text(QStringLiteral("date_truncate"))));
    binds.insert(QStringLiteral(":utc"), options.toInt(QStringLiteral("utc")));
    return objectsPerOwner(sql, binds, params.value(QStringLiteral("rst_id_owner")).toArray().toVariantList(),
                           [this](const QString &owner, QSqlQuery &rows) { return ownerObject(owner, rows); });
}

// The owner's object with its steps; empty when the owner has no row in its table.
QJsonObject Session::ownerObject(const QString &key, QSqlQuery &query)
{
    const std::unique_ptr<Model::AbstractModel> owner =
        loadOwnerOf<Model::Base::Session>(m_tableName, key.toLongLong(), COMMON_LOCATION);
    if (!owner)
        return {};

    const QString name = owner->value(QStringLiteral("first_name")).toString() + QLatin1Char(' ')
        + owner->value(QStringLiteral("last_name")).toString();
    QJsonArray values;
    while (query.next()) {
        values.append(QJsonObject{{QStringLiteral("date_trunc"), query.value(QStringLiteral("date_trunc")).toString()},
                                  {QStringLiteral("duration"), query.value(QStringLiteral("duration")).toDouble()}});
    }
    return QJsonObject{{QStringLiteral("rst_id_owner"), key},
                       {QStringLiteral("sign"), owner->value(QStringLiteral("sign")).toString()},
                       {QStringLiteral("full_name"), name.trimmed()},
                       {QStringLiteral("values"), values}};
}

void Session::writeResult(const QJsonObject &owner, const Options &options, const QString &outputDir,
                          const QString &templatePath)
{
    const QString sign = owner.value(QStringLiteral("sign")).toString();
    Workbook book;
    if (!openWorkbook(book, templatePath, outputDir, localStamp() + QLatin1Char('-') + Workbook::safeFileName(sign)))
        return;
    Xlsx::Document &sheet = book.document();
    sheet.write("E4", currentLocalTime().toString(QStringLiteral("dd.MM.yyyy")));
    writePeriod(sheet, QStringLiteral("E6"), QStringLiteral("E7"), options);
    sheet.write("E9", sign);
    sheet.write("E10", owner.value(QStringLiteral("full_name")).toString());

    QVector<Xlsx::Format> formats = book.rowFormats(20, 5);
    formats[4] = Workbook::withNumberFormat(formats[4], QStringLiteral("0.00"));
    const QJsonArray values = owner.value(QStringLiteral("values")).toArray();
    int row = 20;
    for (const QJsonValue &item : values) {
        const QJsonObject step = item.toObject();
        ++row;
        sheet.write(row, 2, QString::number(row - 20), formats[2]);
        sheet.write(row, 3, step.value(QStringLiteral("date_trunc")).toString(), formats[3]);
        sheet.write(row, 4, step.value(QStringLiteral("duration")).toDouble() / 3600.0, formats[4]);
        sheet.write(row, 5, QString(), formats[5]);
    }
    saveWorkbook(book);
}

} // namespace Report::Base
