#include "brandcar.h"

#include "report/options.h"
#include "report/workbook.h"

#include "common/core/db/db.h"

#include <QSqlQuery>

namespace Report::Mirsel {

namespace {

// Orders that are both free and paid by card count in both of those columns; the cash columns
// add them back once so that they are not taken off twice.
const char *const statement =
    "WITH duration AS (SELECT d.sign, sum(ds.duration / 1000 / 3600.0) AS hour_total "
    "FROM driver_sessions AS ds JOIN drivers AS d ON ds.rst_id_owner = d.id "
    "WHERE d.rst_id_car_company > 1 AND ds.dt_utc_insert BETWEEN :dt_utc_insert_start AND :dt_utc_insert_end "
    "GROUP BY d.sign) "
    "SELECT d.sign, concat(last_name, ' ', first_name, ' ', middle_name) AS name, hour_total, "
    "count(*) AS count_total, count(*) FILTER (WHERE is_free = 1) AS count_free, "
    "count(*) FILTER (WHERE payment_type = 2) AS count_card, sum(sum_tip) AS sum_total, "
    "sum(sum_tip) FILTER (WHERE is_free = 1) AS sum_free, sum(sum_tip) FILTER (WHERE payment_type = 2) AS sum_card, "
    "count(*) FILTER (WHERE is_free = 1 AND payment_type = 2) AS count_free_card, "
    "sum(sum_tip) FILTER (WHERE is_free = 1 AND payment_type = 2) AS sum_free_card "
    "FROM drivers AS d JOIN orders AS o ON o.rst_id_driver = d.id JOIN duration ON duration.sign = d.sign "
    "WHERE d.rst_id_car_company > 1 AND o.dt_utc_insert BETWEEN :dt_utc_insert_start AND :dt_utc_insert_end "
    "GROUP BY d.sign, name, hour_total ORDER BY d.sign";

} // namespace

BrandCar::BrandCar(Common::Db *db)
    : SingleWorkbookReport(db)
{
}

QJsonArray BrandCar::extractResult(const QJsonObject &params)
{
    QSqlQuery query = run(QString::fromLatin1(statement), Options(params).periodBinds());
    return queryToJson(query);
}

void BrandCar::writeWorkbook(Workbook &book, const QJsonArray &results, const Options &options)
{
    Xlsx::Document &sheet = book.document();
    writeCreatedAndPeriod(sheet, QStringLiteral("D4"), QStringLiteral("D6"), QStringLiteral("D7"), options);

    const QVector<Xlsx::Format> formats = book.rowFormats(13, 15);
    const Xlsx::Format money = Workbook::withNumberFormat(formats[8], QStringLiteral("0.00"));
    const Xlsx::Format hours = Workbook::withNumberFormat(formats[12], QStringLiteral("0.0"));
    int row = 13;
    for (const QJsonValue &item : results) {
        const QJsonObject driver = item.toObject();
        const auto count = [&](const char *key) { return driver.value(QLatin1String(key)).toInt(); };
        const auto sum = [&](const char *key) { return driver.value(QLatin1String(key)).toDouble(); };
        sheet.write(row, 1, QString::number(row - 12), formats[1]);
        sheet.write(row, 2, driver.value(QStringLiteral("sign")).toString(), formats[2]);
        sheet.write(row, 3, driver.value(QStringLiteral("name")).toString(), formats[3]);
        sheet.write(row, 4, count("count_total"), formats[4]);
        sheet.write(row, 5, count("count_total") - count("count_card") - count("count_free") + count("count_free_card"),
                    formats[5]);
        sheet.write(row, 6, count("count_card"), formats[6]);
        sheet.write(row, 7, count("count_free"), formats[7]);
        sheet.write(row, 8, sum("sum_total"), money);
        sheet.write(row, 9, sum("sum_total") - sum("sum_card") - sum("sum_free") + sum("sum_free_card"), money);
        sheet.write(row, 10, sum("sum_card"), money);
        sheet.write(row, 11, sum("sum_free"), money);
        sheet.write(row, 12, sum("hour_total"), hours);
        for (int column = 13; column <= 15; ++column)
            sheet.write(row, column, 0, hours);
        ++row;
    }
}

} // namespace Report::Mirsel
