#include "cardgroup.h"

#include "report/castmodel.h"
#include "report/options.h"
#include "report/workbook.h"

#include "model/base/creator.h"
#include "model/tavik/card/cardgroup.h"

#include "common/core/db/db.h"
#include "common/core/exception/location.h"

#include <QSqlQuery>

#include <cmath>
#include <memory>

namespace Report::Tavik {

namespace {

QString ordersStatement()
{
    return QStringLiteral(
               "SELECT TORD.id as id_order, TORD.cd_num as card_num, TORD.identifier as client_phone, "
               "TORD.client_name as client_name, TORD.user_sign_order_created as disp_sign, TORD.driver as driver_sign, "
               "(SELECT string_agg(adress, ' -> ' ) FROM (SELECT concat_ws(', ', TOWP.feed_city, TOWP.feed_street, "
               "TOWP.feed_num_house) adress FROM order_way_points TOWP WHERE rst_id_order = TORD.id "
               "ORDER BY order_point ASC) s_adress) as route, "
               "TORD.dt_utc_insert as dt_order_created, "
               "(SELECT dt_utc_insert FROM order_status_logs WHERE rst_id_order = TORD.id AND status = 2400 "
               "ORDER BY dt_utc_insert LIMIT 1) as dt_order_start, "
               "(SELECT dt_utc_insert FROM order_status_logs WHERE rst_id_order = TORD.id AND status = 3500 "
               "ORDER BY dt_utc_insert LIMIT 1) as dt_order_end, "
               "TORD.sum_tip as order_sum, TORD.note_order as order_note, TORD.note_drv as driver_note, "
               "TCARD.description as card_description "
               "FROM orders as TORD INNER JOIN cards AS TCARD ON TORD.rst_id_cd = TCARD.id "
               "WHERE TORD.id>1 AND TORD.is_completed = 1 AND TORD.completed_code IN ")
        + Common::Db::sqlList()
        + QStringLiteral(" AND TORD.rst_id_cd <> 1 AND TCARD.rst_id_cg=:rst_id_owner "
                         "AND TORD.dt_complete >= :dt_utc_insert_start AND TORD.dt_complete <= :dt_utc_insert_end "
                         "ORDER BY dt_order_end ASC ");
}

// Cents, halves rounded up.
double toCents(double sum)
{
    return std::floor(sum * 100 + 0.5) / 100;
}

} // namespace

CardGroup::CardGroup(Common::Db *db)
    : PerResultReport(db)
{
}

QJsonArray CardGroup::extractResult(const QJsonObject &params)
{
    const Options options(params);
    const QString start = options.text(QStringLiteral("dt_utc_insert_start"));
    const QString end = options.text(QStringLiteral("dt_utc_insert_end"));
    const QVariantList groups = QVariant(options.texts(QStringLiteral("id_owners_list"))).toList();
    const auto groupOf = [&](const QString &group, QSqlQuery &orders) { return groupObject(group, orders, start, end); };
    return objectsPerOwner(ordersStatement(), options.periodBinds(), groups, groupOf);
}

// The group's object with its orders; empty when there is no such group.
QJsonObject CardGroup::groupObject(const QString &key, QSqlQuery &orders, const QString &start, const QString &end)
{
    const std::unique_ptr<Model::AbstractModel> model(Model::Creator::instance(QStringLiteral("card_groups")));
    Model::Tavik::CardGroup *group = castModel<Model::Tavik::CardGroup>(model.get());
    if (!loadRecord(group, key.toLongLong(), COMMON_LOCATION))
        return {};

    QSqlQuery last = db()->query(QStringLiteral("SELECT balance FROM card_balance_logs WHERE rst_id_owner = :owner "
                                                "AND dt_utc_insert BETWEEN :start AND :end ORDER BY id DESC LIMIT 1"),
                                 {{QStringLiteral(":owner"), key}, {QStringLiteral(":start"), start},
                                  {QStringLiteral(":end"), end}});
    const double lastBalance = last.next() ? last.value(0).toDouble() : 0;

    QJsonArray values;
    while (orders.next()) {
        QJsonObject order;
        for (const char *key : {"id_order", "dt_order_created", "dt_order_start", "dt_order_end"})
            order.insert(QLatin1String(key), orders.value(QLatin1String(key)).toLongLong());
        order.insert(QStringLiteral("order_sum"), orders.value(QStringLiteral("order_sum")).toDouble());
        for (const char *key : {"card_num", "client_phone", "client_name", "disp_sign", "driver_sign", "route",
                                "order_note", "driver_note", "card_description"})
            order.insert(QLatin1String(key), orders.value(QLatin1String(key)).toString());
        values.append(order);
    }
    return QJsonObject{{QStringLiteral("rst_id_owner"), key},
                       {QStringLiteral("serie"), group->value(QStringLiteral("serie")).toString()},
                       {QStringLiteral("balance"), group->value(QStringLiteral("balance")).toDouble()},
                       {QStringLiteral("description"), group->value(QStringLiteral("description")).toString()},
                       {QStringLiteral("last_balance"), lastBalance},
                       {QStringLiteral("values"), values}};
}

void CardGroup::writeResult(const QJsonObject &group, const Options &options, const QString &outputDir,
                            const QString &templatePath)
{
    const qint64 utc = options.toLongLong(QStringLiteral("utc"));
    const QString serie = group.value(QStringLiteral("serie")).toString();
    Workbook book;
    const QString name = currentTimeText(QStringLiteral("yyyyMMdd_HH_mm_ss"), utc) + QLatin1Char('-')
        + Workbook::safeFileName(serie);
    if (!openWorkbook(book, templatePath, outputDir, name))
        return;
    Xlsx::Document &sheet = book.document();
    const QString headFormat = QStringLiteral("dd.MM.yyyy, hh:mm t");
    sheet.write("L3", currentTimeText(headFormat, utc));
    sheet.write("F5", timeText(options.toLongLong(QStringLiteral("dt_utc_insert_start")), headFormat, utc));
    sheet.write("F6", timeText(options.toLongLong(QStringLiteral("dt_utc_insert_end")), headFormat, utc));
    sheet.write("C7", group.value(QStringLiteral("description")).toString());
    sheet.write("C8", serie);
    const Xlsx::Format balance = Workbook::withNumberFormat(book.format(8, 3), QStringLiteral("0.00"));
    sheet.write("C10", group.value(QStringLiteral("balance")).toDouble(), balance);
    sheet.write("C11", group.value(QStringLiteral("last_balance")).toDouble(), balance);

    QVector<Xlsx::Format> formats = book.rowFormats(18, 13);
    formats[11] = Workbook::withNumberFormat(formats[11], QStringLiteral("0.00"));
    // A trip that has no start or end time in the log shows an empty cell.
    const auto time = [&](const QJsonObject &order, const char *key) {
        const qint64 msecs = Options::longLongOf(order.value(QLatin1String(key)));
        return msecs > 0 ? timeText(msecs, QStringLiteral("dd.MM.yyyy hh:mm"), utc) : QString();
    };
    int row = 19;
    double total = 0;
    for (const QJsonValue &item : group.value(QStringLiteral("values")).toArray()) {
        const QJsonObject order = item.toObject();
        const double sum = toCents(order.value(QStringLiteral("order_sum")).toDouble());
        total += sum;
        sheet.write(row, 1, Options::longLongOf(order.value(QStringLiteral("id_order"))), formats[1]);
        const char *const texts[] = {"card_num", "card_description", "client_phone", "client_name", "driver_sign",
                                     "route"};
        for (int i = 0; i < 6; ++i)
            sheet.write(row, 2 + i, order.value(QLatin1String(texts[i])).toString(), formats[2 + i]);
        sheet.write(row, 8, time(order, "dt_order_created"), formats[8]);
        sheet.write(row, 9, time(order, "dt_order_start"), formats[9]);
        sheet.write(row, 10, time(order, "dt_order_end"), formats[10]);
        sheet.write(row, 11, sum, formats[11]);
        sheet.write(row, 12, order.value(QStringLiteral("order_note")).toString(), formats[12]);
        sheet.write(row, 13, order.value(QStringLiteral("driver_note")).toString(), formats[13]);
        ++row;
    }
    Xlsx::Format money;
    money.setNumberFormat(QStringLiteral("0.00"));
    sheet.write(row + 1, 10, QStringLiteral("Всього"));
    sheet.write(row + 1, 11, std::round(total * 100) / 100, money);
    saveWorkbook(book);
}

} // namespace Report::Tavik
