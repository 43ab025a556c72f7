#include "company.h"

#include "report/options.h"
#include "report/sqltext.h"
#include "report/workbook.h"

#include "common/core/db/db.h"

#include <QHash>
#include <QSqlQuery>
#include <QVector>

namespace Report::Tavik {

namespace {

// One statistic: its column, what it sums or counts, from where, by which time, under which
// conditions (the company list and, for orders, the tariff list follow them).
struct Statistic
{
    const char *column;
    const char *value;
    const char *source;
    const char *time;
    const char *conditions;
    bool tariffs;
};

const char *const callSource = "call_detail_records AS TCDR";
const char *const orderSource = "orders AS TORD INNER JOIN order_ft AS TOFT ON TORD.rst_id_ft = TOFT.id "
                                "INNER JOIN first_tariffs AS TFT ON TOFT.uuid_ft = TFT.uuid_ft";
const char *const ledgerSource = "company_balance_logs AS cbl JOIN company_balance_types AS cbt ON cbt.id = cbl.rst_id_bt "
                                 "JOIN drivers AS d ON d.id = cbl.rst_id_driver";
const char *const completedOrder = "TORD.is_completed=1 AND TORD.completed_code<>1000 AND TORD.completed_code<>1050";

// Served calls were answered; missed ones got no answer or a busy line.
const QVector<Statistic> &statistics()
{
    static const QVector<Statistic> list{
        {"amt_all_calls", "COUNT(TCDR.*)", callSource, "TCDR.dt_utc_insert", "TCDR.coming_type = 1", false},
        {"amt_all_order", "COUNT(TORD.*)", orderSource, "TORD.dt_utc_insert", completedOrder, true},
        {"amt_suc_calls", "COUNT(TCDR.*)", callSource, "TCDR.dt_utc_insert",
         "TCDR.coming_type = 1 AND TCDR.disposition = 'ANSWERED'", false},
        {"amt_suc_order", "COUNT(TORD.*)", orderSource, "TORD.dt_complete", "TORD.is_completed=1 AND TORD.completed_code IN %codes", true},
        {"amt_missed_calls", "COUNT(TCDR.*)", callSource, "TCDR.dt_utc_insert",
         "TCDR.coming_type = 1 AND (TCDR.disposition = 'NO ANSWER' OR TCDR.disposition = 'BUSY')", false},
        {"amt_missed_order", "COUNT(TORD.*)", orderSource, "TORD.dt_utc_insert",
         "TORD.is_completed=1 AND TORD.completed_code<>1000 AND TORD.completed_code<>1050 AND "
         "(TORD.completed_code=1020 OR TORD.completed_code=1040 OR TORD.completed_code=1060 OR "
         "TORD.completed_code=5010 OR TORD.completed_code=5020 OR TORD.completed_code=9010 OR "
         "TORD.completed_code=9020 OR TORD.completed_code=9030 OR TORD.completed_code=9040 )",
         true},
        {"cashback_client", "SUM(cbl.value)",
         "client_bonus_logs AS cbl JOIN orders AS o ON o.id = cbl.rst_id_order JOIN companies AS c ON c.id = o.rst_id_company",
         "cbl.dt_utc_insert", "cbl.value < 0", false},
        {"cashback_driver", "SUM(cbl.value)",
         "company_balance_logs AS cbl JOIN company_balance_types as cbt on cbt.id = cbl.rst_id_bt", "cbl.dt_utc_insert",
         "cbt.code = 'sys.cashback.credit'", false},
        {"income", "SUM(TORD.sum_tip)", orderSource, "TORD.dt_utc_insert", "TRUE", true},
        {"income_by_comission", "SUM(cbl.value)", ledgerSource, "cbl.dt_utc_insert",
         "cbt.code = 'sys.order.debit' AND COALESCE(d.car_company_uuid, '') = ''", false},
        {"income_by_comission_brand", "SUM(cbl.value)", ledgerSource, "cbl.dt_utc_insert",
         "cbt.code = 'sys.order.debit' AND COALESCE(d.car_company_uuid, '') <> ''", false},
        {"lost_profit", "SUM(cbl.value)", ledgerSource, "cbl.dt_utc_insert",
         "cbt.code = 'sys.lost_profit.credit' AND COALESCE(d.car_company_uuid, '') = ''", false},
        {"lost_profit_brand", "SUM(cbl.value)", ledgerSource, "cbl.dt_utc_insert",
         "cbt.code = 'sys.lost_profit.credit' AND COALESCE(d.car_company_uuid, '') <> ''", false},
        {"driver_monthly_fee", "SUM(company_balance_logs.value)",
         "company_balance_logs INNER JOIN company_balance_types ON company_balance_logs.rst_id_bt = company_balance_types.id",
         "company_balance_logs.dt_utc_insert", "code = 'sys.driver_monthly_fee.debit'", false},
    };
    return list;
}

// A moment in the operator's time zone, at the whole offset in minutes.
QString local(const QString &msecs)
{
    return QStringLiteral("to_timestamp(%1/1000) at time zone make_interval(mins => :utc)").arg(msecs);
}

// One step per line: the data of each step united with a zero line for every step of the period
// (the first from the start of the step that holds the period start), summed per step.
QString statement(const Statistic &statistic, const QString &companies, const QString &tariffs)
{
    const QString column = QLatin1String(statistic.column);
    QString conditions = QLatin1String(statistic.conditions);
    conditions.replace(QLatin1String("%codes"), Common::Db::sqlList());
    const QString from = QStringLiteral("CAST(:dt_utc_insert_start as bigint)");
    const QString to = QStringLiteral("CAST(:dt_utc_insert_end as bigint)");
    return QStringLiteral("SELECT date_trunc, SUM(%1) AS %1 FROM (SELECT date_trunc(:date_truncate, %2) AS date_trunc, "
                          "%3 AS %1 FROM %4 WHERE %5 BETWEEN :dt_utc_insert_start AND :dt_utc_insert_end AND %6 "
                          "AND rst_id_company %7%8GROUP BY date_trunc UNION "
                          "SELECT GS AS date_trunc, 0 AS %1 FROM generate_series(date_trunc(:date_truncate, %9), %10, "
                          "CAST(:date_truncates AS interval)) AS GS) AS FOO GROUP BY date_trunc ORDER BY date_trunc ASC")
        .arg(column, local(QLatin1String(statistic.time)), QLatin1String(statistic.value),
             QLatin1String(statistic.source), QLatin1String(statistic.time), conditions, companies,
             statistic.tariffs ? tariffs : QString(), local(from))
        .arg(local(to));
}

} // namespace

Company::Company(Common::Db *db)
    : PerResultReport(db)
{
}

QJsonArray Company::extractResult(const QJsonObject &params)
{
    const Options options(params);
    const QString step = SqlText::checkedStep(options.text(QStringLiteral("date_truncate")));
    QVariantMap binds = options.periodBinds();
    binds.insert(QStringLiteral(":date_truncate"), step);
    binds.insert(QStringLiteral(":date_truncates"), SqlText::stepInterval(step));
    binds.insert(QStringLiteral(":utc"), options.toInt(QStringLiteral("utc")));
    const QString companies = SqlText::placeholderList(
        QStringLiteral("rst_id_owner"), params.value(QStringLiteral("rst_id_owner")).toArray().toVariantList(), binds);
    const QVariantList tariffIds = params.value(QStringLiteral("rst_id_ft")).toArray().toVariantList();
    const QString tariffs = tariffIds.isEmpty()
        ? QString()
        : QStringLiteral("AND TFT.id ") + SqlText::placeholderList(QStringLiteral("rst_id_ft"), tariffIds, binds);

    // Each statistic's value per step (the step as the database driver gives it back).
    QVector<QHash<QDateTime, QVariant>> values;
    QVector<QDateTime> steps;
    for (const Statistic &statistic : statistics()) {
        QSqlQuery query = run(statement(statistic, companies, tariffs), binds);
        QHash<QDateTime, QVariant> byStep;
        while (query.next()) {
            const QDateTime at = query.value(0).toDateTime();
            if (values.isEmpty())
                steps.append(at);
            byStep.insert(at, query.value(1));
        }
        values.append(byStep);
    }

    QJsonArray buckets;
    for (const QDateTime &at : qAsConst(steps)) {
        QJsonObject bucket{{QStringLiteral("date_trunc"), QVariant(at).toString()}};
        for (int i = 0; i < statistics().size(); ++i) {
            const auto found = values.at(i).constFind(at);
            if (found == values.at(i).constEnd())
                continue;
            const QLatin1String column(statistics().at(i).column);
            if (column.startsWith(QLatin1String("amt_")))
                bucket.insert(column, found->toLongLong());
            else
                bucket.insert(column, found->toDouble());
        }
        buckets.append(bucket);
    }
    return QJsonArray{QJsonObject{{QStringLiteral("values"), buckets}}};
}

void Company::writeResult(const QJsonObject &result, const Options &options, const QString &outputDir,
                          const QString &templatePath)
{
    const QJsonArray buckets = result.value(QStringLiteral("values")).toArray();
    Workbook book;
    if (!openWorkbook(book, templatePath, outputDir))
        return;
    Xlsx::Document &sheet = book.document();
    writePeriodAndDays(sheet, 9, options);

    QVector<Xlsx::Format> formats = book.rowFormats(20, 15);
    for (int column = 2; column <= 15; ++column)
        formats[column] = Workbook::withNumberFormat(formats[column], column <= 7 ? QStringLiteral("0") : QStringLiteral("0.00"));
    // Columns B to O: the counts, then the sums (cashback and lost profit shown as positive).
    const QVector<QPair<const char *, double>> columns{
        {"amt_all_calls", 1}, {"amt_all_order", 1}, {"amt_suc_calls", 1}, {"amt_suc_order", 1},
        {"amt_missed_calls", 1}, {"amt_missed_order", 1}, {"cashback_client", -1}, {"cashback_driver", -1},
        {"driver_monthly_fee", 1}, {"income_by_comission", 1}, {"income_by_comission_brand", 1},
        {"lost_profit", -1}, {"lost_profit_brand", -1}, {"income", 1}};
    int row = 20;
    for (const QJsonValue &item : buckets) {
        const QJsonObject bucket = item.toObject();
        if (bucket.isEmpty())
            continue;
        ++row;
        sheet.write(row, 1, bucket.value(QStringLiteral("date_trunc")).toString(), formats[1]);
        for (int i = 0; i < columns.size(); ++i) {
            const QJsonValue value = bucket.value(QLatin1String(columns.at(i).first));
            if (i < 6)
                sheet.write(row, 2 + i, value.toInt(), formats[2 + i]);
            else
                sheet.write(row, 2 + i, columns.at(i).second * value.toDouble(), formats[2 + i]);
        }
    }

    const Xlsx::Format counts = Workbook::withNumberFormat(formats[1], QStringLiteral("0"));
    const Xlsx::Format sums = Workbook::withNumberFormat(formats[1], QStringLiteral("0.00"));
    for (int column = 1; column <= 15; ++column)
        sheet.write(16, column, QVariant(), column >= 8 ? sums : counts);
    const int last = qMax(row, 21);
    sheet.writeFormula("B16", Xlsx::CellFormula(QStringLiteral("=SUM(B21:B%1)").arg(last), "B16:G16",
                                                Xlsx::CellFormula::SharedType),
                       counts);
    sheet.writeFormula("H16", Xlsx::CellFormula(QStringLiteral("=SUM(H21:H%1)").arg(last), "H16:O16",
                                                Xlsx::CellFormula::SharedType),
                       sums);
    saveWorkbook(book);
}

} // namespace Report::Tavik
