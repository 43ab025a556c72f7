#include "missedcall.h"

#include "report/options.h"
#include "report/workbook.h"

#include "common/core/db/db.h"
#include "common/core/exception/exception.h"

#include <QSqlQuery>

namespace Report::Tavik {

namespace {

// One slot from %3 to %4 (UTC milliseconds): calls by their time, a call at the slot's end
// belonging to the next slot (%5 is "<" but "<=" for the last), and the hours of the group's
// sessions within it, an open session ending now.
const char *const slotStatement =
    "SELECT '%1' as period, "
    "(SELECT count(rst_id_company) FROM call_detail_records WHERE rst_id_company %2 AND dt_utc_insert >= %3 "
    "AND dt_utc_insert %5 %4 AND coming_type = 1 AND disposition = 'ANSWERED' AND last_application <> 'Dial') AS answered, "
    "(SELECT count(rst_id_company) FROM call_detail_records WHERE rst_id_company %2 AND dt_utc_insert >= %3 "
    "AND dt_utc_insert %5 %4 AND coming_type = 1 AND (disposition = 'NO ANSWER' OR disposition = 'BUSY')) AS skipped, "
    "(SELECT SUM(CASE "
    "WHEN user_sessions.dt_start <= %3 AND closed.dt_end >= %4 THEN 1 "
    "WHEN user_sessions.dt_start > %3 AND closed.dt_end < %4 THEN CAST(duration as real) / 1000 / 3600 "
    "WHEN closed.dt_end > %3 AND closed.dt_end <= %4 THEN CAST(closed.dt_end - %3 AS real) / 1000 / 3600 "
    "WHEN user_sessions.dt_start >= %3 AND user_sessions.dt_start < %4 THEN CAST(%4 - user_sessions.dt_start as real) "
    "/ 1000 / 3600 END) "
    "FROM user_sessions JOIN (SELECT id, CASE WHEN dt_end = 0 THEN extract(epoch from now()) * 1000 ELSE dt_end END "
    "AS dt_end FROM user_sessions) as closed ON user_sessions.id = closed.id "
    "WHERE rst_id_group = :rst_id_group AND ((user_sessions.dt_start <= %3 AND closed.dt_end >= %4) "
    "OR (user_sessions.dt_start > %3 AND closed.dt_end < %4) OR (closed.dt_end > %3 AND closed.dt_end <= %4) "
    "OR (user_sessions.dt_start >= %3 AND user_sessions.dt_start < %4))) AS operators ";

} // namespace

MissedCall::MissedCall(Common::Db *db)
    : SingleWorkbookReport(db)
{
}

QVector<QDateTime> MissedCall::boundaries(const QDateTime &start, const QDateTime &end)
{
    QVector<QDateTime> result{start};
    QDateTime hour = start;
    hour.setTime(QTime(start.time().hour(), 0));
    for (hour = hour.addSecs(3600); hour <= end; hour = hour.addSecs(3600))
        result.append(hour);
    if (result.size() == 1 || result.last() != end)
        result.append(end);
    return result;
}

QJsonArray MissedCall::extractResult(const QJsonObject &params)
{
    const Options options(params);
    const int offset = options.toInt(QStringLiteral("utc")) * 60;
    const QDateTime start =
        QDateTime::fromMSecsSinceEpoch(options.toLongLong(QStringLiteral("dt_start")), Qt::OffsetFromUTC, offset);
    const QDateTime end =
        QDateTime::fromMSecsSinceEpoch(options.toLongLong(QStringLiteral("dt_end")), Qt::OffsetFromUTC, offset);
    if (start.daysTo(end) > maxPeriodDays)
        throw Exception(QStringLiteral("The missed calls report covers at most %1 days").arg(maxPeriodDays));

    const QString company = options.text(QStringLiteral("rst_id_company"));
    QVariantMap binds{{QStringLiteral(":rst_id_group"), options.text(QStringLiteral("operators_group_id"))}};
    QString condition = QStringLiteral("> 0");
    if (company != QLatin1String("1")) {
        condition = QStringLiteral("= :rst_id_company");
        binds.insert(QStringLiteral(":rst_id_company"), company);
    }
    const QVector<QDateTime> points = boundaries(start, end);
    QStringList selects;
    for (int i = 0; i + 1 < points.size(); ++i) {
        selects.append(QString::fromLatin1(slotStatement)
                         .arg(points.at(i).toString(QStringLiteral("yyyy-MM-dd hh:mm")), condition)
                         .arg(points.at(i).toMSecsSinceEpoch())
                         .arg(points.at(i + 1).toMSecsSinceEpoch())
                         .arg(i + 2 == points.size() ? QStringLiteral("<=") : QStringLiteral("<")));
    }
    QSqlQuery query = run(selects.join(QLatin1String("UNION ")) + QLatin1String("ORDER BY period ASC"), binds);
    QJsonArray rows;
    while (query.next()) {
        rows.append(QJsonObject{{QStringLiteral("period"), query.value(QStringLiteral("period")).toString()},
                                {QStringLiteral("answered"), query.value(QStringLiteral("answered")).toInt()},
                                {QStringLiteral("skipped"), query.value(QStringLiteral("skipped")).toInt()},
                                {QStringLiteral("callback_answered"), 0},
                                {QStringLiteral("callback_skipped"), 0},
                                {QStringLiteral("operators"), query.value(QStringLiteral("operators")).toDouble()}});
    }
    return rows;
}

void MissedCall::writeWorkbook(Workbook &book, const QJsonArray &results, const Options &options)
{
    Xlsx::Document &sheet = book.document();
    const qint64 utc = options.toLongLong(QStringLiteral("utc"));
    sheet.write("D7", currentLocalTime().toString(QStringLiteral("dd.MM.yyyy")));
    writeTime(sheet, "D9", options.toLongLong(QStringLiteral("dt_start")), utc);
    writeTime(sheet, "D10", options.toLongLong(QStringLiteral("dt_end")), utc);
    sheet.write("D11", options.text(QStringLiteral("company_name")));

    QVector<Xlsx::Format> formats = book.rowFormats(20, 9);
    formats[9] = Workbook::withNumberFormat(formats[9], QStringLiteral("0.00"));
    int row = 20;
    for (const QJsonValue &item : results) {
        const QJsonObject slot = item.toObject();
        const auto count = [&](const char *key) { return slot.value(QLatin1String(key)).toInt(); };
        sheet.write(row, 1, QString::number(row - 19), formats[1]);
        if (slot.contains(QStringLiteral("period")))
            sheet.write(row, 2, slot.value(QStringLiteral("period")).toString(), formats[2]);
        sheet.write(row, 3, count("answered") + count("skipped"), formats[3]);
        sheet.write(row, 4, count("answered"), formats[4]);
        sheet.write(row, 5, count("skipped"), formats[5]);
        sheet.write(row, 6, count("callback_answered") + count("callback_skipped"), formats[3]);
        sheet.write(row, 7, count("callback_answered"), formats[4]);
        sheet.write(row, 8, count("callback_skipped"), formats[5]);
        sheet.write(row, 9, slot.value(QStringLiteral("operators")).toDouble(), formats[9]);
        ++row;
    }
}

} // namespace Report::Tavik
