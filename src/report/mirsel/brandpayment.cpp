#include "brandpayment.h"

#include "report/options.h"
#include "report/sqltext.h"
#include "report/workbook.h"

#include "common/core/db/db.h"

#include <QHash>
#include <QSqlQuery>

namespace Report::Mirsel {

namespace {

// Days are cut in the operator's time zone (":utc" minutes east of UTC).
const char *const statement =
    "SELECT sum_amount, code, date FROM ("
    "SELECT sum(amount) AS sum_amount, ps.code, "
    "date_trunc('day', to_timestamp(psdpl.dt_utc_insert / 1000) AT TIME ZONE make_interval(mins => :utc)) AS date "
    "FROM payment_systems_drivers_payments_logs AS psdpl "
    "JOIN payment_systems AS ps ON ps.id = psdpl.rst_id_payment_system "
    "WHERE psdpl.rst_id_owner IN (%1) AND psdpl.is_completed = 1 "
    "AND psdpl.dt_utc_insert BETWEEN :dt_utc_insert_start AND :dt_utc_insert_end "
    "GROUP BY ps.code, date "
    "UNION "
    "SELECT sum(value) AS sum_amount, 'term' AS code, "
    "date_trunc('day', to_timestamp(drbl.dt_utc_insert / 1000) AT TIME ZONE make_interval(mins => :utc)) AS date "
    "FROM driver_refill_balance_logs AS drbl "
    "WHERE left(drbl.sign_user, 5) = 'term_' AND drbl.rst_id_driver IN (%1) "
    "AND drbl.dt_utc_insert BETWEEN :dt_utc_insert_start AND :dt_utc_insert_end "
    "GROUP BY date"
    ") AS payments ORDER BY payments.date ASC";

constexpr int firstDayRow = 12;

} // namespace

BrandPayment::BrandPayment(Common::Db *db)
    : SingleWorkbookReport(db)
{
}

QJsonArray BrandPayment::extractResult(const QJsonObject &params)
{
    const Options options(params);
    const QStringList ids = options.texts(QStringLiteral("id_owners_list"));
    if (ids.isEmpty())
        return {};
    const QString idList = SqlText::checkedIntegerList(ids, QStringLiteral("A driver id"));
    QVariantMap binds = options.periodBinds();
    binds.insert(QStringLiteral(":utc"), options.toInt(QStringLiteral("utc")));
    QSqlQuery query = run(QString::fromLatin1(statement).arg(idList), binds);
    return queryToJson(query);
}

void BrandPayment::writeWorkbook(Workbook &book, const QJsonArray &results, const Options &options)
{
    static const QHash<QString, int> channelColumns{
        {QStringLiteral("esp"), 2}, {QStringLiteral("lqp"), 3}, {QStringLiteral("city24"), 4}, {QStringLiteral("term"), 5}};
    Xlsx::Document &sheet = book.document();
    writeCreatedAndPeriod(sheet, QStringLiteral("D4"), QStringLiteral("D6"), QStringLiteral("D7"), options);
    sheet.write("D8", options.texts(QStringLiteral("signs")).join(QLatin1String(", ")));

    const Xlsx::Format date = Workbook::withNumberFormat(book.format(firstDayRow, 1), QStringLiteral("dd.mm.yyyy"));
    const Xlsx::Format money = Workbook::withNumberFormat(book.format(firstDayRow, 2), QStringLiteral("0.00"));
    QDate day;
    int row = firstDayRow - 1;
    for (const QJsonValue &item : results) {
        const QJsonObject payment = item.toObject();
        const QDate paymentDay =
            QDateTime::fromString(payment.value(QStringLiteral("date")).toString(), Qt::ISODateWithMs).date();
        if (paymentDay != day || row < firstDayRow) {
            day = paymentDay;
            ++row;
            for (int column = 2; column <= 6; ++column)
                sheet.write(row, column, 0, money);
        }
        sheet.write(row, 1, day, date);
        const int column = channelColumns.value(payment.value(QStringLiteral("code")).toString());
        if (column > 0)
            sheet.write(row, column, payment.value(QStringLiteral("sum_amount")).toDouble(), money);
    }

    // Each day row sums its channels; with no day rows there is nothing to sum.
    if (row >= firstDayRow) {
        sheet.writeFormula(Xlsx::CellReference(firstDayRow, 6),
                           Xlsx::CellFormula(QStringLiteral("=SUM(B%1:E%1)").arg(firstDayRow),
                                             Xlsx::CellRange(firstDayRow, 6, row, 6), Xlsx::CellFormula::SharedType),
                           money);
    }
    const Xlsx::Format totals = Workbook::withNumberFormat(book.format(10, 2), QStringLiteral("0.00"));
    for (int column = 2; column <= 6; ++column)
        sheet.write(10, column, QVariant(), totals);
    sheet.writeFormula("B10",
                       Xlsx::CellFormula(QStringLiteral("=SUM(B%1:B%2)").arg(firstDayRow).arg(qMax(row, firstDayRow)),
                                         "B10:F10", Xlsx::CellFormula::SharedType),
                       totals);
}

} // namespace Report::Mirsel
