#include "driver.h"

#include "report/options.h"
#include "report/sqltext.h"
#include "report/workbook.h"

#include "common/core/db/db.h"
#include "common/core/exception/exception.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace Report::Mirsel {

namespace {

const QString orderPeriod = QStringLiteral("AND TORD.dt_utc_insert >= :dt_utc_insert_start "
                                           "AND TORD.dt_utc_insert <= :dt_utc_insert_end ");
const QString countHead = QStringLiteral("SELECT TD.id as id , COALESCE(COUNT(TORD.id), 0) as CNT FROM orders as TORD "
                                         "INNER JOIN drivers as TD ON TORD.rst_id_driver = TD.id ");
const QString takingsHead = QStringLiteral("SELECT TD.id as id , SUM(TORD.sum_tip) as SUM FROM orders as TORD "
                                           "INNER JOIN drivers as TD ON TORD.rst_id_driver = TD.id ");
const QString refusals = QStringLiteral(
    "SELECT rst_id_driver as id, COALESCE(COUNT(id), 0) as sum FROM order_status_logs "
    "WHERE rst_id_driver IN (%1) and status = :status and dt_utc_insert >= :dt_utc_insert_start "
    "and dt_utc_insert <= :dt_utc_insert_end GROUP by rst_id_driver");
const QString groupById = QStringLiteral("GROUP BY TD.ID ");

QString completionCodes()
{
    return QStringLiteral("AND TORD.completed_code IN ") + Common::Db::sqlList() + QLatin1Char(' ');
}

} // namespace

Driver::Driver(Common::Db *db)
    : PerResultReport(db)
{
}

QVector<Driver::Statement> Driver::statements(const QStringList &ids, const QVariantMap &periodBinds) const
{
    QVariantMap owners;
    const QString inOwners = SqlText::placeholderList(QStringLiteral("rst_id_owner"), ids, owners);
    QVariantMap period = owners;
    period.insert(periodBinds);
    const auto with = [](QVariantMap binds, const QString &key, const QVariant &value) {
        binds.insert(key, value);
        return binds;
    };
    const QString idList = SqlText::checkedIntegerList(ids, QStringLiteral("A driver id"));
    const QString where = QStringLiteral("WHERE TD.ID ") + inOwners;
    const QString finished = QStringLiteral("AND TORD.order_status >= 900 AND TORD.is_completed = 1 ");
    const QString paid = takingsHead + where + finished + completionCodes()
        + QStringLiteral("AND TORD.payment_type = :payment_type ") + orderPeriod + groupById;
    return {
        {QStringLiteral("driver_sign"), QStringLiteral("SELECT id, sign FROM drivers WHERE id ") + inOwners, owners},
        {QStringLiteral("driver_session"),
         QStringLiteral("SELECT TD.id as id , SUM(TDS.duration)/1000 as time_online FROM driver_sessions as TDS "
                        "INNER JOIN drivers as TD ON TDS.rst_id_owner = TD.id ")
             + where
             + QStringLiteral("AND TDS.dt_end > 0 AND TDS.duration > 0 AND TDS.dt_start >= :dt_utc_insert_start "
                              "AND TDS.dt_end <= :dt_utc_insert_end ")
             + groupById,
         period},
        {QStringLiteral("amt_all_order"),
         countHead + where + QStringLiteral("AND TORD.order_status >= 900 AND TORD.is_completed = 1 "
                                            "AND TORD.completed_code > 0 ")
             + orderPeriod + groupById,
         period},
        {QStringLiteral("amt_suc_order"),
         countHead + where + QStringLiteral("AND (TORD.order_status >= 900) AND TORD.is_completed = 1 "
                                            "AND TORD.completed_code <> 0 ")
             + completionCodes() + orderPeriod + groupById,
         period},
        {QStringLiteral("amt_unsuc_order"),
         countHead + where
             + QStringLiteral("AND TORD.order_status >= 900 AND TORD.is_completed = 1 AND TORD.completed_code <> 0 "
                              "AND (TORD.completed_code IN (9010 , 9020 , 9030 ) "
                              "OR (TORD.completed_code >= 1000 AND TORD.completed_code <= 2999) "
                              "OR (TORD.completed_code > 5000 AND TORD.completed_code <= 6999) )")
             + orderPeriod + groupById,
         period},
        {QStringLiteral("canceled_order_reject"), refusals.arg(idList),
         with(period, QStringLiteral(":status"), QStringLiteral("1100"))},
        {QStringLiteral("canceled_order_timeout"), refusals.arg(idList),
         with(period, QStringLiteral(":status"), QStringLiteral("1105"))},
        {QStringLiteral("cash_sum"), paid, with(period, QStringLiteral(":payment_type"), 0)},
        {QStringLiteral("cards_sum"), paid, with(period, QStringLiteral(":payment_type"), 2)},
        {QStringLiteral("avg_distance_2_client"),
         QStringLiteral("SELECT TD.id as id , COALESCE(AVG(TORD.assumed_feed_way), 0) as AVG_DISTANCE , "
                        "COALESCE(AVG(TORD.assumed_feed_time), 0) as AVG_TIME FROM orders as TORD "
                        "INNER JOIN drivers as TD ON TORD.rst_id_driver = TD.id ")
             + where + QStringLiteral("AND TORD.assumed_feed_way > 0 AND TORD.is_completed = 1 ") + completionCodes()
             + orderPeriod + groupById,
         period},
    };
}

Driver::Rows Driver::rowsOf(const Statement &statement)
{
    QSqlQuery query = run(statement.sql, statement.binds);
    Rows rows;
    while (query.next()) {
        const QSqlRecord record = query.record();
        const QString id = record.value(QStringLiteral("id")).toString();
        if (rows.contains(id))
            continue;
        QVariantMap row;
        for (int i = 0; i < record.count(); ++i)
            row.insert(record.fieldName(i).toLower(), record.value(i));
        rows.insert(id, row);
    }
    return rows;
}

QJsonArray Driver::extractResult(const QJsonObject &params)
{
    const Options options(params);
    const QStringList ids = options.texts(QStringLiteral("id_owners_list"));
    if (ids.isEmpty())
        throw Exception(QStringLiteral("The driver report needs at least one driver (\"id_owners_list\")"));
    QHash<QString, Rows> results;
    for (const Statement &statement : statements(ids, options.periodBinds()))
        results.insert(statement.name, rowsOf(statement));

    const auto value = [&](const char *statement, const QString &id, const char *column) {
        return results.value(QLatin1String(statement)).value(id).value(QLatin1String(column));
    };
    const auto has = [&](const char *statement, const QString &id) {
        return results.value(QLatin1String(statement)).contains(id);
    };
    QJsonArray drivers;
    for (const QString &id : ids) {
        QJsonObject driver;
        if (has("driver_sign", id)) {
            driver.insert(QStringLiteral("rst_id_owner"), id);
            driver.insert(QStringLiteral("sign"), value("driver_sign", id, "sign").toString());
        }
        if (has("driver_session", id))
            driver.insert(QStringLiteral("time_online"), qint64(value("driver_session", id, "time_online").toDouble()));
        for (const char *count : {"amt_all_order", "amt_suc_order", "amt_unsuc_order"}) {
            if (has(count, id))
                driver.insert(QLatin1String(count), value(count, id, "cnt").toInt());
        }
        for (const char *refusal : {"canceled_order_reject", "canceled_order_timeout"}) {
            if (has(refusal, id))
                driver.insert(QLatin1String(refusal), value(refusal, id, "sum").toInt());
        }
        for (const char *takings : {"cash_sum", "cards_sum"}) {
            if (has(takings, id))
                driver.insert(QLatin1String(takings), qint64(value(takings, id, "sum").toDouble()));
        }
        if (has("avg_distance_2_client", id)) {
            driver.insert(QStringLiteral("avg_distance_2_client"),
                          value("avg_distance_2_client", id, "avg_distance").toDouble());
            driver.insert(QStringLiteral("avg_time_2_client"), value("avg_distance_2_client", id, "avg_time").toDouble());
        }
        drivers.append(driver);
    }
    return QJsonArray{QJsonObject{{QStringLiteral("values"), drivers}}};
}

void Driver::writeResult(const QJsonObject &result, const Options &options, const QString &outputDir,
                         const QString &templatePath)
{
    const QJsonArray drivers = result.value(QStringLiteral("values")).toArray();
    Workbook book;
    if (!openWorkbook(book, templatePath, outputDir))
        return;
    Xlsx::Document &sheet = book.document();
    writePeriodAndDays(sheet, 9, options);

    QVector<Xlsx::Format> formats = book.rowFormats(21, 18);
    for (int column : {4, 5, 11, 12, 13, 14, 15, 16, 17, 18})
        formats[column] = Workbook::withNumberFormat(formats[column], QStringLiteral("0.00"));
    for (int column : {6, 7})
        formats[column] = Workbook::withNumberFormat(formats[column], QStringLiteral("0"));

    int row = 21;
    for (const QJsonValue &item : drivers) {
        const QJsonObject driver = item.toObject();
        if (driver.isEmpty())
            continue;
        ++row;
        const auto count = [&](const char *key) { return driver.value(QLatin1String(key)).toInt(); };
        const auto number = [&](const char *key) { return driver.value(QLatin1String(key)).toDouble(); };
        const float hours = float(number("time_online") / 3600);
        const float days = hours / 24;
        const double takings = number("cash_sum") + number("cards_sum");
        sheet.write(row, 2, QString::number(row - 21), formats[2]);
        sheet.write(row, 3, driver.value(QStringLiteral("sign")).toString(), formats[3]);
        sheet.write(row, 4, hours, formats[4]);
        sheet.write(row, 5, days, formats[5]);
        const char *const counts[] = {"amt_all_order", "amt_suc_order", "amt_unsuc_order", "canceled_order_reject",
                                      "canceled_order_timeout"};
        for (int i = 0; i < 5; ++i)
            sheet.write(row, 6 + i, count(counts[i]), formats[6 + i]);
        sheet.write(row, 11, number("cash_sum"), formats[11]);
        sheet.write(row, 12, number("cards_sum"), formats[12]);
        // Averages per 24 hours online, the takings too; undefined below one day online.
        const bool perDay = days >= 1;
        const QString notAvailable = QStringLiteral("n/a");
        sheet.write(row, 13, perDay ? QVariant(count("amt_suc_order") / days) : notAvailable, formats[13]);
        sheet.write(row, 14, perDay ? QVariant(count("canceled_order_reject") / days) : notAvailable, formats[14]);
        sheet.write(row, 15, perDay ? QVariant(count("canceled_order_timeout") / days) : notAvailable, formats[15]);
        sheet.write(row, 16, perDay ? QVariant(takings / days) : notAvailable, formats[16]);
        sheet.write(row, 17, number("avg_distance_2_client"), formats[17]);
        sheet.write(row, 18, number("avg_time_2_client"), formats[18]);
    }

    Xlsx::Format totals = Workbook::withNumberFormat(book.format(18, 4), QStringLiteral("0.00"));
    for (int column = 4; column <= 20; ++column)
        sheet.write(18, column, QVariant(), totals);
    const Xlsx::Format counts = Workbook::withNumberFormat(book.format(18, 4), QStringLiteral("0"));
    for (int column = 6; column <= 10; ++column)
        sheet.write(18, column, QVariant(), counts);
    sheet.writeFormula("D18", Xlsx::CellFormula(QStringLiteral("=SUM(D21:D%1)").arg(row), "D18:P18",
                                                Xlsx::CellFormula::SharedType),
                       totals);
    saveWorkbook(book);
}

} // namespace Report::Mirsel
