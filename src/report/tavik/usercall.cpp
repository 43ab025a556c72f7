#include "usercall.h"

#include "report/options.h"
#include "report/sqltext.h"
#include "report/workbook.h"

#include "common/core/db/db.h"

#include <QHash>
#include <QSqlQuery>

namespace Report::Tavik {

namespace {

const QString callFilters = QStringLiteral("AND TCDR.dt_utc_insert >= :dt_utc_insert_start "
                                           "AND TCDR.dt_utc_insert <= :dt_utc_insert_end "
                                           "AND TCDR.billable_seconds >= :min_call_duration ");
const QString orderPeriod = QStringLiteral("AND TORD.dt_utc_insert >= :dt_utc_insert_start "
                                           "AND TORD.dt_utc_insert <= :dt_utc_insert_end ");
const QString firstIncomingOfOwnOrder =
    QStringLiteral("TCDR.id = (SELECT TC.id FROM call_detail_records as TC WHERE TC.rst_id_order = TORD.id "
                   "ORDER BY TC.id LIMIT 1) AND TCDR.coming_type = 1 AND TORD.rst_id_user_order_created = TCDR.rst_id_user");

QString callOrderJoin(const QString &conditions)
{
    return QStringLiteral("users as TU LEFT JOIN (call_detail_records as TCDR INNER JOIN orders as TORD "
                          "ON TCDR.rst_id_order = TORD.id%1) ON TCDR.rst_id_user = TU.id ")
        .arg(conditions.isEmpty() ? QString() : QLatin1String(" AND ") + conditions);
}

const QString callJoin = QStringLiteral("users as TU LEFT JOIN call_detail_records as TCDR ON TCDR.rst_id_user = TU.id ");
const QString orderJoin =
    QStringLiteral("users as TU LEFT JOIN orders as TORD ON TORD.rst_id_user_order_created = TU.id ");

// One per-operator query: its result key, value, source and conditions after the owner list.
struct Query
{
    QString key;
    QString value;
    QString source;
    QString conditions;
};

QVector<Query> queries()
{
    const QString average = QStringLiteral("COALESCE(AVG(TCDR.billable_seconds), 0)");
    return {
        {"amt_all_calls", "COALESCE(COUNT(*), 0)", callOrderJoin(QString()), callFilters},
        {"amt_new_calls", "COALESCE(COUNT(TORD.*), 0)", callOrderJoin(firstIncomingOfOwnOrder), callFilters},
        {"amt_exist_calls", "COALESCE(COUNT(TORD.*), 0)", callOrderJoin("TCDR.rst_id_drv=1"), callFilters},
        {"amt_driver_calls", "COALESCE(COUNT(TORD.*), 0)", callOrderJoin("TCDR.rst_id_client = 1 AND TCDR.rst_id_drv <> 1"),
         callFilters},
        {"amt_user_calls", "COALESCE(COUNT(TCDR.*), 0)", callJoin,
         callFilters
             + "AND (char_length(TCDR.source) = :user_number_length OR (char_length(TCDR.destination) = "
               ":user_number_length AND TCDR.destination NOT LIKE 'port')) "},
        {"amt_all_orders", "COALESCE(COUNT(*), 0)", orderJoin, orderPeriod},
        {"amt_suc_completed", "COALESCE(COUNT(*), 0)", orderJoin,
         "AND TORD.is_completed = 1 AND TORD.completed_code IN " + Common::Db::sqlList() + ' ' + orderPeriod},
        {"avg_billable_seconds_new_calls", average, callOrderJoin(firstIncomingOfOwnOrder), callFilters},
        {"avg_billable_seconds_exist_calls", average, callOrderJoin("TCDR.rst_id_client <> 1 AND TCDR.rst_id_drv=1"),
         callFilters},
        {"avg_billable_seconds_driver_calls", average,
         callOrderJoin("TCDR.rst_id_client = 1 AND TCDR.rst_id_drv <> 1"), callFilters},
        {"avg_billable_seconds_user_calls", average, callJoin, callFilters},
    };
}

// A query's value per operator id (the first row of each).
QHash<QString, QVariant> valuesById(QSqlQuery query)
{
    QHash<QString, QVariant> values;
    while (query.next()) {
        const QString id = query.value(0).toString();
        if (!values.contains(id))
            values.insert(id, query.value(1));
    }
    return values;
}

} // namespace

UserCall::UserCall(Common::Db *db)
    : PerResultReport(db)
{
}

QJsonArray UserCall::extractResult(const QJsonObject &params)
{
    const Options options(params);
    QVariantMap owners;
    const QString ownerList = SqlText::placeholderList(QStringLiteral("rst_id_owner"),
                                                  options.texts(QStringLiteral("id_owners_list")), owners);
    QVariantMap binds = owners;
    for (const char *key : {"dt_utc_insert_start", "dt_utc_insert_end", "min_call_duration", "user_number_length"})
        binds.insert(QLatin1Char(':') + QLatin1String(key), options.text(QLatin1String(key)));

    QSqlQuery users = run(QStringLiteral("SELECT id, sign FROM users WHERE id %1ORDER BY inner_note ASC").arg(ownerList),
                          owners);
    QVector<QPair<QString, QString>> operators;
    while (users.next())
        operators.append({users.value(0).toString(), users.value(1).toString()});

    const QString sessionEnd = QStringLiteral("(CASE WHEN (TUS.dt_end > 0) THEN TUS.dt_end ELSE :current_utc END)");
    QVariantMap sessionBinds = binds;
    sessionBinds.insert(QStringLiteral(":current_utc"), currentMSecs());
    sessionBinds.remove(QStringLiteral(":min_call_duration"));
    sessionBinds.remove(QStringLiteral(":user_number_length"));
    const QHash<QString, QVariant> online = valuesById(run(
        QStringLiteral("SELECT TU.id as id, SUM(LEAST(%1, CAST(:dt_utc_insert_end AS bigint)) - GREATEST(TUS.dt_start, "
                       "CAST(:dt_utc_insert_start AS bigint))) / 1000 as time_online FROM user_sessions as TUS "
                       "INNER JOIN users as TU ON TUS.rst_id_owner = TU.id WHERE TU.ID %2"
                       "AND ((CAST(:dt_utc_insert_start AS bigint) BETWEEN TUS.dt_start AND %1) "
                       "OR (CAST(:dt_utc_insert_end AS bigint) BETWEEN TUS.dt_start AND %1) "
                       "OR (TUS.dt_start BETWEEN :dt_utc_insert_start AND :dt_utc_insert_end)) "
                       "GROUP BY TU.ID ORDER BY TU.inner_note ASC")
            .arg(sessionEnd, ownerList),
        sessionBinds));
    const QVector<Query> all = queries();
    QVector<QHash<QString, QVariant>> counts;
    for (const Query &query : all) {
        QVariantMap queryBinds = binds;
        if (!query.conditions.contains(QLatin1String(":user_number_length")))
            queryBinds.remove(QStringLiteral(":user_number_length"));
        if (!query.conditions.contains(QLatin1String(":min_call_duration")))
            queryBinds.remove(QStringLiteral(":min_call_duration"));
        const QString sql = QStringLiteral("SELECT TU.id as id, %1 as %2 FROM %3WHERE TU.id %4%5GROUP BY TU.id "
                                           "ORDER BY TU.inner_note ASC")
                                .arg(query.value, query.key, query.source, ownerList, query.conditions);
        counts.append(valuesById(run(sql, queryBinds)));
    }

    QJsonArray values;
    for (const auto &[id, sign] : qAsConst(operators)) {
        QJsonObject row{{QStringLiteral("rst_id_owner"), id}, {QStringLiteral("sign"), sign}};
        if (online.contains(id))
            row.insert(QStringLiteral("time_online"), qint64(online.value(id).toDouble()));
        for (int i = 0; i < all.size(); ++i) {
            if (!counts.at(i).contains(id))
                continue;
            const QVariant value = counts.at(i).value(id);
            if (all.at(i).key.startsWith(QLatin1String("avg_")))
                row.insert(all.at(i).key, double(float(value.toDouble())));
            else
                row.insert(all.at(i).key, value.toInt());
        }
        // Calls on existing orders less the first calls of new ones, never below nothing; an
        // operator without first calls keeps all of them.
        if (counts.at(2).contains(id)) {
            const int exist = counts.at(2).value(id).toInt() - counts.at(1).value(id, 0).toInt();
            row.insert(QStringLiteral("amt_exist_calls"), qMax(0, exist));
        }
        values.append(row);
    }
    return QJsonArray{QJsonObject{{QStringLiteral("values"), values}}};
}

void UserCall::writeResult(const QJsonObject &result, const Options &options, const QString &outputDir,
                           const QString &templatePath)
{
    const QJsonArray operators = result.value(QStringLiteral("values")).toArray();
    Workbook book;
    if (!openWorkbook(book, templatePath, outputDir))
        return;
    Xlsx::Document &sheet = book.document();
    writePeriodAndDays(sheet, 9, options);

    QVector<Xlsx::Format> formats = book.rowFormats(20, 24);
    for (int column : {1, 5, 6, 9, 12, 15, 20, 21})
        formats[column] = Workbook::withNumberFormat(formats[column], QStringLiteral("0"));
    for (int column : {3, 4, 7, 8, 10, 11, 13, 14, 16, 17, 18, 19, 22, 23, 24})
        formats[column] = Workbook::withNumberFormat(formats[column], QStringLiteral("0.00"));

    const QString notAvailable = QStringLiteral("n/a");
    int row = 20;
    for (const QJsonValue &item : operators) {
        const QJsonObject user = item.toObject();
        if (user.isEmpty())
            continue;
        ++row;
        const auto count = [&](const char *key) { return user.value(QLatin1String(key)).toInt(); };
        const auto average = [&](const char *key) { return float(user.value(QLatin1String(key)).toDouble()); };
        const float hours = float(user.value(QStringLiteral("time_online")).toDouble() / 3600);
        const float days = hours / 24;
        const int calls = count("amt_all_calls");
        const int completed = count("amt_suc_completed");
        // Shares of all calls in percent; none when there are no calls.
        const auto share = [&](int part) { return calls != 0 ? float(double(part) / calls * 100) : 0.0f; };
        const auto rate = [&](int amount, float per) { return per >= 1 ? QVariant(amount / per) : QVariant(notAvailable); };
        const QVector<QVariant> cells{
            QString::number(row - 20), user.value(QStringLiteral("sign")).toString(), hours, days, calls,
            count("amt_new_calls"), share(count("amt_new_calls")), average("avg_billable_seconds_new_calls"),
            count("amt_exist_calls"), share(count("amt_exist_calls")), average("avg_billable_seconds_exist_calls"),
            count("amt_driver_calls"), share(count("amt_driver_calls")), average("avg_billable_seconds_driver_calls"),
            count("amt_user_calls"), notAvailable, average("avg_billable_seconds_user_calls"), rate(calls, hours),
            rate(calls, days), count("amt_all_orders"), completed, share(completed), rate(completed, hours),
            rate(completed, days)};
        for (int column = 1; column <= cells.size(); ++column)
            sheet.write(row, column, cells.at(column - 1), formats[column]);
    }

    const Xlsx::Format counts = Workbook::withNumberFormat(formats[1], QStringLiteral("0"));
    const Xlsx::Format sums = Workbook::withNumberFormat(book.format(20, 1), QStringLiteral("0.00"));
    for (int column = 1; column <= 25; ++column)
        sheet.write(16, column, QVariant(), counts);
    sheet.write(16, 3, QVariant(), sums);
    sheet.write(16, 4, QVariant(), sums);
    const int last = qMax(row, 21);
    const QVector<QPair<QString, bool>> totals{{"C16:D16", true}, {"E16:F16", false}, {"I16:I16", false},
                                               {"L16:L16", false}, {"O16:O16", false}, {"T16:U16", false}};
    for (const auto &[range, isSum] : totals) {
        const Xlsx::CellRange cells(range);
        const QString column = range.left(1);
        sheet.writeFormula(cells.topLeft(),
                           Xlsx::CellFormula(QStringLiteral("=SUM(%1%2:%1%3)").arg(column).arg(21).arg(last), cells,
                                             Xlsx::CellFormula::SharedType),
                           isSum ? sums : counts);
    }
    saveWorkbook(book);
}

} // namespace Report::Tavik
