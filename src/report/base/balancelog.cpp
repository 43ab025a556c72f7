#include "balancelog.h"

#include "report/options.h"
#include "report/workbook.h"

#include "model/base/balance/balancelog.h"

#include "common/core/db/db.h"
#include "common/core/exception/location.h"

#include <QSqlQuery>

#include <memory>

namespace Report::Base {

BalanceLog::BalanceLog(Common::Db *db, const QString &tableName)
    : PerResultReport(db)
    , m_tableName(tableName)
{
}

QString BalanceLog::statement(int typeCount, bool grouped) const
{
    QString sql = QStringLiteral("SELECT bg_name , bt_name , value ");
    sql += grouped ? QStringLiteral(", COALESCE(COUNT(*), 0) as cnt ") : QStringLiteral(", 1 as cnt , dt_utc_insert ");
    sql += QStringLiteral("FROM ") + m_tableName + QLatin1Char(' ');
    sql += QStringLiteral("WHERE rst_id_owner=:rst_id_owner AND dt_utc_insert>=:dt_utc_insert_start "
                          "AND dt_utc_insert<=:dt_utc_insert_end AND (");
    for (int i = 0; i < typeCount; ++i)
        sql += QStringLiteral(" rst_id_bt=:rst_id_bt%1 OR").arg(i);
    sql.chop(3);
    sql += QStringLiteral(") ");
    sql += grouped ? QStringLiteral("GROUP BY bg_name, bt_name, value "
                                    "ORDER BY bg_name ASC, bt_name ASC, cnt DESC, value DESC ")
                   : QStringLiteral("ORDER BY dt_utc_insert ASC ");
    return sql;
}

QJsonArray BalanceLog::extractResult(const QJsonObject &params)
{
    const Options options(params);
    const QVariantList types = params.value(QStringLiteral("rst_id_bt")).toArray().toVariantList();
    const bool grouped = options.flag(QStringLiteral("group_by_bt"));
    if (types.isEmpty())
        throw Exception(QStringLiteral("The balance report needs at least one balance type (\"rst_id_bt\")"));

    QVariantMap binds = options.periodBinds();
    for (int i = 0; i < types.size(); ++i)
        binds.insert(QStringLiteral(":rst_id_bt%1").arg(i), types.at(i));
    const QVariantList owners = params.value(QStringLiteral("rst_id_owner")).toArray().toVariantList();
    const QString signRole = options.text(QStringLiteral("sign_role"));
    return objectsPerOwner(statement(types.size(), grouped), binds, owners, [&](const QString &owner, QSqlQuery &rows) {
        return ownerObject(owner, rows, signRole, grouped);
    });
}

// The owner's object with its rows; empty when the owner has no row in its table.
QJsonObject BalanceLog::ownerObject(const QString &key, QSqlQuery &query, const QString &signRole, bool grouped)
{
    const std::unique_ptr<Model::AbstractModel> owner =
        loadOwnerOf<Model::Base::BalanceLog>(m_tableName, key.toLongLong(), COMMON_LOCATION);
    if (!owner)
        return {};

    QJsonObject object{{QStringLiteral("rst_id_owner"), key},
                       {QStringLiteral("sign"), owner->value(signRole).toString()}};
    if (owner->fields().contains(QStringLiteral("first_name")) && owner->fields().contains(QStringLiteral("last_name"))) {
        const QString name = owner->value(QStringLiteral("first_name")).toString() + QLatin1Char(' ')
            + owner->value(QStringLiteral("last_name")).toString();
        object.insert(QStringLiteral("full_name"), name.trimmed());
    }
    object.insert(QStringLiteral("current_balance"), owner->value(QStringLiteral("balance")).toDouble());

    QJsonArray values;
    while (query.next()) {
        values.append(QJsonObject{
            {QStringLiteral("bg_name"), query.value(QStringLiteral("bg_name")).toString()},
            {QStringLiteral("bt_name"), query.value(QStringLiteral("bt_name")).toString()},
            {QStringLiteral("value"), query.value(QStringLiteral("value")).toDouble()},
            {QStringLiteral("cnt"), query.value(QStringLiteral("cnt")).toDouble()},
            {QStringLiteral("dt_utc_insert"),
             grouped ? qint64(0) : query.value(QStringLiteral("dt_utc_insert")).toLongLong()}});
    }
    object.insert(QStringLiteral("values"), values);
    return object;
}

void BalanceLog::writeResult(const QJsonObject &owner, const Options &options, const QString &outputDir,
                             const QString &templatePath)
{
    const qint64 utc = options.toLongLong(QStringLiteral("utc"));
    const bool grouped = options.flag(QStringLiteral("group_by_bt"));
    const QString sign = owner.value(QStringLiteral("sign")).toString();
    Workbook book;
    const QString name = currentTimeText(QStringLiteral("yyyyMMdd_HH_mm_ss"), utc) + QLatin1Char('-')
        + Workbook::safeFileName(sign);
    if (!openWorkbook(book, templatePath, outputDir, name))
        return;
    Xlsx::Document &sheet = book.document();
    writeCreatedAndPeriod(sheet, QStringLiteral("E3"), QStringLiteral("E5"), QStringLiteral("E6"), options);
    sheet.write("E8", sign);
    sheet.write("E9", owner.value(QStringLiteral("full_name")).toString());
    sheet.write("E11", owner.value(QStringLiteral("current_balance")).toDouble());

    QVector<Xlsx::Format> formats = book.rowFormats(20, 7);
    for (int column : {4, 5, 6})
        formats[column] = Workbook::withNumberFormat(formats[column], QStringLiteral("0.00"));
    const QJsonArray values = owner.value(QStringLiteral("values")).toArray();
    double total = 0;
    int row = 20;
    for (const QJsonValue &item : values) {
        const QJsonObject entry = item.toObject();
        ++row;
        const QString group = entry.value(QStringLiteral("bg_name")).toString();
        const QString type = entry.value(QStringLiteral("bt_name")).toString();
        const double value = entry.value(QStringLiteral("value")).toDouble();
        const double count = entry.value(QStringLiteral("cnt")).toDouble();
        sheet.write(row, 2, QString::number(row - 20), formats[2]);
        sheet.write(row, 3, (group.isEmpty() ? type : group + QLatin1String(", ") + type).trimmed(), formats[3]);
        sheet.write(row, 4, value, formats[4]);
        sheet.write(row, 5, count, formats[5]);
        sheet.write(row, 6, value * count, formats[6]);
        if (!grouped) {
            const qint64 time = Options::longLongOf(entry.value(QStringLiteral("dt_utc_insert")));
            sheet.write(row, 7, timeText(time, QStringLiteral("dd.MM.yyyy hh:mm"), utc), formats[7]);
        }
        total += value * count;
    }
    sheet.write(row + 1, 6, total, formats[6]);
    saveWorkbook(book);
}

} // namespace Report::Base
