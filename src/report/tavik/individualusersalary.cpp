#include "individualusersalary.h"

#include "report/options.h"
#include "report/workbook.h"


#include "common/core/db/db.h"
#include "common/core/exception/location.h"

#include <QSqlQuery>

#include <memory>

namespace Report::Tavik {

namespace {

// Hourly salary notes begin with the worked time "hh:mm:ss" and carry the rate after "*"; a note
// that does not is left out, the rest of the report stays.
const char *const statement =
    "SELECT ubl.bg_name, ubl.bt_name, value AS amount, count(*) AS count "
    "FROM user_balance_logs AS ubl INNER JOIN user_balance_types AS ubt ON ubl.rst_id_bt = ubt.id "
    "WHERE rst_id_owner = :rst_id_owner AND ubl.dt_utc_insert between :dt_utc_insert_start AND :dt_utc_insert_end "
    "AND value > 0 AND ubt.code <> 'sys.salary.salary_by_hours_debit' "
    "GROUP BY ubl.bg_name, ubl.bt_name, amount, code "
    "UNION ALL "
    "SELECT ubl.bg_name, ubl.bt_name, cast(trim(both '*' from substring(note from '\\*+\\d+\\.?\\d*')) AS real) AS amount, "
    "sum(EXTRACT(EPOCH FROM cast(substring(note, 0, 9) AS time)) / 3600) AS count "
    "FROM user_balance_logs AS ubl INNER JOIN user_balance_types AS ubt ON ubl.rst_id_bt = ubt.id "
    "WHERE rst_id_owner = :rst_id_owner AND ubl.dt_utc_insert between :dt_utc_insert_start AND :dt_utc_insert_end "
    "AND value > 0 AND ubt.code = 'sys.salary.salary_by_hours_debit' "
    "AND note ~ '^([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]' AND note ~ '\\*+[0-9]' "
    "GROUP BY ubl.bg_name, ubl.bt_name, amount "
    "ORDER BY count DESC, amount DESC";

} // namespace

IndividualUserSalary::IndividualUserSalary(Common::Db *db)
    : PerResultReport(db)
{
}

QJsonArray IndividualUserSalary::extractResult(const QJsonObject &params)
{
    const Options options(params);
    QVariantMap binds = options.periodBinds();
    QJsonArray result;
    for (const QString &id : options.texts(QStringLiteral("id_owners_list"))) {
        const std::unique_ptr<Model::AbstractModel> user = loadOwner(QStringLiteral("users"), id.toLongLong(),
                                                                     COMMON_LOCATION);
        if (!user)
            continue;
        binds.insert(QStringLiteral(":rst_id_owner"), id);
        QSqlQuery query = run(QString::fromLatin1(statement), binds);
        QJsonArray values;
        while (query.next()) {
            values.append(QJsonObject{
                {QStringLiteral("name"), query.value(QStringLiteral("bg_name")).toString() + QLatin1String(", ")
                                             + query.value(QStringLiteral("bt_name")).toString()},
                {QStringLiteral("amount"), query.value(QStringLiteral("amount")).toDouble()},
                {QStringLiteral("count"), query.value(QStringLiteral("count")).toDouble()}});
        }
        result.append(QJsonObject{
            {QStringLiteral("sign"), user->value(QStringLiteral("sign")).toString()},
            {QStringLiteral("name"), user->value(QStringLiteral("first_name")).toString() + QLatin1Char(' ')
                                         + user->value(QStringLiteral("last_name")).toString()},
            {QStringLiteral("balance"), user->value(QStringLiteral("balance")).toDouble()},
            {QStringLiteral("values"), values}});
    }
    return result;
}

void IndividualUserSalary::writeResult(const QJsonObject &user, const Options &options, const QString &outputDir,
                                       const QString &templatePath)
{
    const QString sign = user.value(QStringLiteral("sign")).toString();
    Workbook book;
    if (!openWorkbook(book, templatePath, outputDir, Workbook::safeFileName(sign) + QLatin1Char('-') + localStamp()))
        return;
    Xlsx::Document &sheet = book.document();
    writeCreatedAndPeriod(sheet, QStringLiteral("E3"), QStringLiteral("E5"), QStringLiteral("E6"), options);
    sheet.write("E8", sign);
    sheet.write("E9", user.value(QStringLiteral("name")).toString());
    sheet.write("E11", user.value(QStringLiteral("balance")).toDouble(),
                Workbook::withNumberFormat(book.format(11, 5), QStringLiteral("0.00")));

    Xlsx::Format nameFormat = book.format(16, 3);
    nameFormat.setTextWrap(true);
    const Xlsx::Format valueFormat = Workbook::withNumberFormat(book.format(17, 3), QStringLiteral("0.00"));
    const Xlsx::Format sumFormat = Workbook::withNumberFormat(book.format(19, 3), QStringLiteral("0.00"));
    const double nameHeight = sheet.rowHeight(16);
    sheet.write(16, 2, sheet.read(16, 2), nameFormat);

    const QJsonArray values = user.value(QStringLiteral("values")).toArray();
    double total = 0;
    int column = 3;
    for (const QJsonValue &item : values) {
        const QJsonObject entry = item.toObject();
        const double amount = entry.value(QStringLiteral("amount")).toDouble();
        const double count = entry.value(QStringLiteral("count")).toDouble();
        sheet.write(16, column, entry.value(QStringLiteral("name")).toString(), nameFormat);
        sheet.write(17, column, count, valueFormat);
        sheet.write(18, column, amount, valueFormat);
        sheet.write(19, column, amount * count, sumFormat);
        total += amount * count;
        ++column;
    }
    // The total stands under the last column, its label beside it.
    const QVariant label = sheet.read(21, 2);
    sheet.write(21, 2, QString());
    sheet.write(21, values.size() + 1, label, sumFormat);
    sheet.write(21, values.size() + 2, total, sumFormat);
    sheet.setRowHeight(16, 16, nameHeight);
    saveWorkbook(book);
}

} // namespace Report::Tavik
