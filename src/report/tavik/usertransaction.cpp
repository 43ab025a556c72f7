#include "usertransaction.h"

#include "report/options.h"
#include "report/sqltext.h"
#include "report/workbook.h"

#include "common/core/db/db.h"

#include <QSqlQuery>

namespace Report::Tavik {

namespace {

// UNION ALL: two equal transactions (same operator, amount and moment) are two transactions.
const char *const statement =
    "SELECT CMP.company_name as company, CBL.sign_user_created as sign, "
    "concat(CBL.bg_name, ' : ', CBL.bt_name) as transaction_type, CBL.value, CBL.dt_utc_insert, "
    "concat('Группа карт серия ', CG.serie) as destination, -1 as confirm, CBL.note "
    "FROM (card_balance_logs as CBL INNER JOIN card_groups as CG ON CBL.rst_id_owner = CG.id) "
    "INNER JOIN companies as CMP ON CMP.id = CG.rst_id_company "
    "WHERE CBL.rst_id_user_created IN (%1) AND CBL.dt_utc_insert BETWEEN :dt_utc_insert_start AND :dt_utc_insert_end "
    "UNION ALL "
    "SELECT company_name as company, sign_user as sign, 'Пополнение' as transaction_type, value, dt_utc_insert, "
    "concat('Водитель ', sign_drv) as destination, trn_out_completed as confirm, note "
    "FROM driver_refill_balance_logs WHERE rst_id_user IN (%1) "
    "AND dt_utc_insert BETWEEN :dt_utc_insert_start AND :dt_utc_insert_end "
    "UNION ALL "
    "SELECT '' as company, UBL.sign_user_created as sign, concat(UBL.bg_name, ' : ', UBL.bt_name) as transaction_type, "
    "UBL.value, UBL.dt_utc_insert, concat('Пользователь ', Users.sign) as destination, -1 as confirm, UBL.note "
    "FROM (user_balance_logs as UBL INNER JOIN users as Users ON UBL.rst_id_owner = Users.id) "
    "WHERE UBL.rst_id_user_created IN (%1) AND UBL.dt_utc_insert BETWEEN :dt_utc_insert_start AND :dt_utc_insert_end "
    "ORDER BY dt_utc_insert DESC";

} // namespace

UserTransaction::UserTransaction(Common::Db *db)
    : SingleWorkbookReport(db)
{
}

QJsonArray UserTransaction::extractResult(const QJsonObject &params)
{
    const Options options(params);
    const QStringList ids = options.texts(QStringLiteral("id_owners_list"));
    if (ids.isEmpty())
        return {};
    QSqlQuery query =
        run(QString::fromUtf8(statement).arg(SqlText::checkedIntegerList(ids, QStringLiteral("A user id"))),
            options.periodBinds());
    QJsonArray rows;
    while (query.next()) {
        QJsonObject row;
        for (const char *key : {"sign", "company", "transaction_type", "destination", "value", "confirm", "note",
                                "dt_utc_insert"}) {
            const QVariant value = query.value(QLatin1String(key));
            row.insert(QLatin1String(key), value.isNull() ? QString() : value.toString());
        }
        rows.append(row);
    }
    return rows;
}

void UserTransaction::writeWorkbook(Workbook &book, const QJsonArray &results, const Options &options)
{
    Xlsx::Document &sheet = book.document();
    const qint64 utc = options.toLongLong(QStringLiteral("utc"));
    sheet.write("E3", currentLocalTime().toString(QStringLiteral("dd.MM.yyyy")));
    writePeriod(sheet, QStringLiteral("E5"), QStringLiteral("E6"), options);

    QVector<Xlsx::Format> formats = book.rowFormats(13, 10);
    formats[7] = Workbook::withNumberFormat(formats[7], QStringLiteral("0.00"));
    int row = 13;
    for (const QJsonValue &item : results) {
        const QJsonObject transaction = item.toObject();
        const auto text = [&](const char *key) { return transaction.value(QLatin1String(key)).toString(); };
        const QString confirm = text("confirm");
        sheet.write(row, 2, QString::number(row - 12), formats[2]);
        sheet.write(row, 3, text("company"), formats[3]);
        sheet.write(row, 4, text("sign"), formats[4]);
        sheet.write(row, 5, text("destination"), formats[5]);
        sheet.write(row, 6, text("transaction_type"), formats[6]);
        sheet.write(row, 7, text("value").toDouble(), formats[7]);
        sheet.write(row, 8,
                    confirm == QLatin1String("-1")  ? QStringLiteral("Не требуется")
                    : confirm == QLatin1String("1") ? QStringLiteral("Да")
                                                    : QStringLiteral("Нет"),
                    formats[8]);
        sheet.write(row, 9, text("note"), formats[9]);
        sheet.write(row, 10, timeText(text("dt_utc_insert").toLongLong(), QStringLiteral("dd.MM.yyyy, hh:mm"), utc),
                    formats[10]);
        ++row;
    }
}

} // namespace Report::Tavik
