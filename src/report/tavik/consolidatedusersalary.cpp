#include "consolidatedusersalary.h"

#include "report/options.h"
#include "report/sqltext.h"
#include "report/workbook.h"

#include "common/core/db/db.h"
#include "common/core/utils/utils.h"

#include <QSqlQuery>

namespace Report::Tavik {

namespace {

const char *const statement =
    "WITH duration AS (SELECT rst_id_owner, sum(duration / 1000 / 3600.0) AS hour_salary_count FROM user_sessions "
    "WHERE dt_utc_insert BETWEEN :dt_utc_insert_start AND :dt_utc_insert_end GROUP BY rst_id_owner) "
    "SELECT u.sign, CONCAT(u.last_name, ' ', u.first_name, ' ', u.middle_name) AS name, hour_salary_count, "
    "count(ubl.*) FILTER (WHERE ubt.code = 'sys.salary.salary_calls_debit' AND ubl.dt_utc_insert < :dt_utc_insert_end) "
    "AS call_salary_count, "
    "sum(ubl.value) FILTER (WHERE ubt.code = 'sys.salary.salary_calls_debit' AND ubl.dt_utc_insert < :dt_utc_insert_end) "
    "AS call_salary_sum, "
    "count(ubl.*) FILTER (WHERE ubt.code = 'sys.orders.order_created_debit' AND ubl.dt_utc_insert < :dt_utc_insert_end) "
    "AS order_salary_count, "
    "sum(ubl.value) FILTER (WHERE ubt.code = 'sys.orders.order_created_debit' AND ubl.dt_utc_insert < :dt_utc_insert_end) "
    "AS order_salary_sum, "
    "sum(ubl.value) FILTER (WHERE ubt.code = 'sys.salary.salary_by_hours_debit' "
    "AND ubl.dt_utc_insert < :dt_utc_insert_end) AS hour_salary_sum, "
    "sum(-ubl.value) FILTER (WHERE ubt.code = 'sys.salary.salary_payment_credit' "
    "AND ubl.dt_utc_insert BETWEEN :dt_utc_insert_end AND :dt_utc_insert_next) AS salary_credit "
    "FROM users AS u JOIN user_balance_logs AS ubl ON ubl.rst_id_owner = u.id "
    "JOIN user_balance_types AS ubt ON ubt.id = ubl.rst_id_bt JOIN duration ON duration.rst_id_owner = u.id "
    "WHERE u.id IN (%1) AND ubl.dt_utc_insert BETWEEN :dt_utc_insert_start AND :dt_utc_insert_next "
    "GROUP BY u.sign, u.last_name, u.first_name, u.middle_name, u.inner_note, hour_salary_count "
    "ORDER BY u.inner_note ASC";

} // namespace

ConsolidatedUserSalary::ConsolidatedUserSalary(Common::Db *db)
    : SingleWorkbookReport(db)
{
}

QJsonArray ConsolidatedUserSalary::extractResult(const QJsonObject &params)
{
    const Options options(params);
    const QStringList ids = options.texts(QStringLiteral("id_owners_list"));
    if (ids.isEmpty())
        return {};
    const QString idList = SqlText::checkedIntegerList(ids, QStringLiteral("A user id"));
    const qint64 end = options.toLongLong(QStringLiteral("dt_utc_insert_end"));
    QVariantMap binds = options.periodBinds();
    // Pay-outs count up to a month after the end, less a day.
    binds.insert(QStringLiteral(":dt_utc_insert_next"),
                 QDateTime::fromMSecsSinceEpoch(end).addMonths(1).addDays(-1).toMSecsSinceEpoch());
    QSqlQuery query = run(QString::fromLatin1(statement).arg(idList), binds);
    QJsonArray rows;
    while (query.next())
        rows.append(jsonObjectFromRecord(query));
    return rows;
}

void ConsolidatedUserSalary::writeWorkbook(Workbook &book, const QJsonArray &results, const Options &options)
{
    Xlsx::Document &sheet = book.document();
    writeCreatedAndPeriod(sheet, QStringLiteral("F3"), QStringLiteral("F5"), QStringLiteral("F6"), options);

    const QVector<Xlsx::Format> formats = book.rowFormats(11, 16);
    const Xlsx::Format money = Workbook::withNumberFormat(formats[6], QStringLiteral("0.00"));
    // A price per unit without units is undefined: "n/a", as the other reports show it.
    const auto per = [](double sum, double count) { return count != 0 ? QVariant(sum / count) : QVariant("n/a"); };
    int row = 11;
    for (const QJsonValue &item : results) {
        const QJsonObject user = item.toObject();
        const auto number = [&](const char *key) { return user.value(QLatin1String(key)).toDouble(); };
        const double calls = user.value(QStringLiteral("call_salary_count")).toInt();
        const double orders = user.value(QStringLiteral("order_salary_count")).toInt();
        const double hours = number("hour_salary_count");
        const double total = number("order_salary_sum") + number("call_salary_sum") + number("hour_salary_sum");
        sheet.write(row, 2, user.value(QStringLiteral("sign")).toString(), formats[2]);
        sheet.write(row, 3, user.value(QStringLiteral("name")).toString(), formats[3]);
        sheet.write(row, 4, int(calls), formats[4]);
        sheet.write(row, 5, number("call_salary_sum"), money);
        sheet.write(row, 6, per(number("call_salary_sum"), calls), formats[6]);
        sheet.write(row, 7, int(orders), formats[7]);
        sheet.write(row, 8, number("order_salary_sum"), money);
        sheet.write(row, 9, per(number("order_salary_sum"), orders), money);
        sheet.write(row, 10, hours, money);
        sheet.write(row, 11, number("hour_salary_sum"), money);
        sheet.write(row, 12, per(number("hour_salary_sum"), hours), money);
        sheet.write(row, 13, per(total, hours), money);
        sheet.write(row, 14, total, money);
        sheet.write(row, 15, number("salary_credit"), money);
        sheet.write(row, 16, total - number("salary_credit"), money);
        ++row;
    }
}

} // namespace Report::Tavik
