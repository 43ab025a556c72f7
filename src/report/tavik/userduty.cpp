#include "userduty.h"

#include "report/options.h"
#include "report/workbook.h"

#include "common/core/db/db.h"

#include <QHash>
#include <QJsonArray>
#include <QSqlQuery>
#include <QSqlRecord>

#include <vector>

namespace Report::Tavik {

namespace {

// Every row of a query, each column as the text of its value.
QList<QJsonObject> textRows(QSqlQuery query)
{
    QList<QJsonObject> rows;
    while (query.next()) {
        const QSqlRecord record = query.record();
        QJsonObject row;
        for (int i = 0; i < record.count(); ++i)
            row.insert(record.fieldName(i), record.value(i).toString());
        rows.append(row);
    }
    return rows;
}

// The rows of a query by the text of one column (the first row of each).
QHash<QString, QJsonObject> byColumn(const QList<QJsonObject> &rows, const QString &column)
{
    QHash<QString, QJsonObject> result;
    for (const QJsonObject &row : rows) {
        const QString key = row.value(column).toString();
        if (!result.contains(key))
            result.insert(key, row);
    }
    return result;
}

// Amounts and hours as numbers; hours may have fractions, texts that are none read as 0.
double number(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString().toDouble();
}

} // namespace

UserDuty::UserDuty(Common::Db *db)
    : PerResultReport(db)
    , m_dutyTypes(QStringLiteral("user_duty_types"))
    , m_journals(QStringLiteral("user_planing_duty_journals"))
    , m_duties(QStringLiteral("user_duties"))
    , m_users(QStringLiteral("users"))
{
}

QJsonArray UserDuty::extractResult(const QJsonObject &params)
{
    const Options options(params);
    const auto select = [this](const QString &sql, const QVariantMap &binds) { return textRows(run(sql, binds)); };
    const bool assignedOnly = options.flag(QStringLiteral("only_assigned_owners"));
    const QVariantMap period{{QStringLiteral(":dt_start_start"), options.text(QStringLiteral("dt_start_start"))},
                             {QStringLiteral(":dt_start_end"), options.text(QStringLiteral("dt_start_end"))}};
    const QString inPeriod = QStringLiteral("UPDJ.dt_start BETWEEN :dt_start_start AND :dt_start_end ");

    QString usersSql = QStringLiteral("SELECT DISTINCT U.id, U.sign FROM %1 U ").arg(m_users);
    if (assignedOnly) {
        usersSql += QStringLiteral("INNER JOIN %1 UD on U.id = UD.rst_id_owner INNER JOIN %2 UPDJ "
                                   "on UD.rst_id_plan_duty_journal = UPDJ.id ")
                        .arg(m_duties, m_journals);
    }
    usersSql += QStringLiteral("WHERE U.id > 1 ") + (assignedOnly ? QStringLiteral("AND ") + inPeriod : QString());
    const QList<QJsonObject> users = select(usersSql, assignedOnly ? period : QVariantMap());
    const QList<QJsonObject> journals =
        select(QStringLiteral("SELECT UPDJ.id journal_id, UPDJ.dt_start, UDT.name duty_type_name FROM %1 UPDJ "
                              "INNER JOIN %2 UDT on UPDJ.rst_id_duty_type = UDT.id WHERE UPDJ.id > 1 AND %3"
                              "ORDER BY UPDJ.dt_start ASC, UDT.order_index ASC")
                   .arg(m_journals, m_dutyTypes, inPeriod),
               period);
    const QHash<QString, QJsonObject> reserves = byColumn(
        select(QStringLiteral("SELECT rst_id_owner, COALESCE(COUNT(rst_id_owner), 0) reserve_amount, "
                              "COALESCE(SUM(reserve_hours), 0) reserve_hours FROM ( SELECT UD.rst_id_owner, "
                              "COALESCE(COUNT(UD.id)*UPDJ.hours_amount, 0) reserve_hours FROM %1 UD INNER JOIN %2 UPDJ "
                              "on UD.rst_id_plan_duty_journal = UPDJ.id WHERE UD.id>1 AND %3"
                              "GROUP BY UD.rst_id_owner, UPDJ.id) sq GROUP BY rst_id_owner ")
                   .arg(m_duties, m_journals, inPeriod),
               period),
        QStringLiteral("rst_id_owner"));
    const QList<QJsonObject> duties =
        select(QStringLiteral("SELECT UD.rst_id_owner, UD.rst_id_plan_duty_journal journal_id FROM %1 UD "
                              "INNER JOIN %2 UPDJ on UD.rst_id_plan_duty_journal = UPDJ.id WHERE UD.id>1 AND %3")
                   .arg(m_duties, m_journals, inPeriod),
               period);
    const QHash<QString, QJsonObject> amounts = byColumn(
        select(QStringLiteral("SELECT UPDJ.id journal_id, UPDJ.units_amount, UPDJ.hours_amount, "
                              "COALESCE(COUNT(UD.id), 0) reserve_amount FROM %1 UPDJ LEFT JOIN %2 UD "
                              "on UD.rst_id_plan_duty_journal = UPDJ.id AND UD.id>1 WHERE %3"
                              "GROUP BY UPDJ.id, UPDJ.units_amount, UPDJ.hours_amount ")
                   .arg(m_journals, m_duties, inPeriod),
               period),
        QStringLiteral("journal_id"));
    const QList<QJsonObject> plan =
        select(QStringLiteral("SELECT COALESCE(SUM(UPDJ.units_amount), 0) plan_amount, "
                              "COALESCE(SUM(UPDJ.units_amount*UPDJ.hours_amount), 0) plan_amount_hours "
                              "FROM %1 UPDJ WHERE %2")
                   .arg(m_journals, inPeriod),
               period);
    const QList<QJsonObject> reserve =
        select(QStringLiteral("SELECT COALESCE(SUM(reserve_hours), 0) reserve_hours, COALESCE(SUM(reserve_amount), 0) "
                              "reserve_amount FROM ( SELECT COALESCE(COUNT(UD.id)*UPDJ.hours_amount, 0) reserve_hours, "
                              "COALESCE(COUNT(UD.id), 0) reserve_amount FROM %1 UPDJ LEFT JOIN %2 UD "
                              "on UD.rst_id_plan_duty_journal = UPDJ.id AND UD.id>1 WHERE %3"
                              "GROUP BY UPDJ.id, UPDJ.units_amount) SQ ")
                   .arg(m_journals, m_duties, inPeriod),
               period);

    QJsonObject totals;
    if (!plan.isEmpty()) {
        totals.insert(QStringLiteral("plan_amount"), plan.first().value(QStringLiteral("plan_amount")));
        totals.insert(QStringLiteral("plan_amount_hours"), plan.first().value(QStringLiteral("plan_amount_hours")));
        if (!reserve.isEmpty()) {
            totals.insert(QStringLiteral("reserve_amount_hours"), reserve.first().value(QStringLiteral("reserve_hours")));
            totals.insert(QStringLiteral("reserve_amount"), reserve.first().value(QStringLiteral("reserve_amount")));
        }
    }
    QJsonArray journalArray;
    for (const QJsonObject &row : journals) {
        const QString id = row.value(QStringLiteral("journal_id")).toString();
        QJsonObject journal{{QStringLiteral("journal_id"), id},
                            {QStringLiteral("duty_type_name"), row.value(QStringLiteral("duty_type_name"))},
                            {QStringLiteral("journal_dt_start"), row.value(QStringLiteral("dt_start"))}};
        if (amounts.contains(id)) {
            for (const char *key : {"units_amount", "reserve_amount", "hours_amount"})
                journal.insert(QLatin1String(key), amounts.value(id).value(QLatin1String(key)));
        }
        journalArray.append(journal);
    }
    QJsonArray userArray;
    for (const QJsonObject &row : users) {
        const QString id = row.value(QStringLiteral("id")).toString();
        QJsonObject user{{QStringLiteral("rst_id_owner"), id}, {QStringLiteral("sign"), row.value(QStringLiteral("sign"))}};
        if (reserves.contains(id)) {
            user.insert(QStringLiteral("reserve_amount"), reserves.value(id).value(QStringLiteral("reserve_amount")));
            user.insert(QStringLiteral("reserve_hours"), reserves.value(id).value(QStringLiteral("reserve_hours")));
        }
        userArray.append(user);
    }
    QJsonArray values;
    for (const QJsonObject &row : duties)
        values.append(row);
    return QJsonArray{QJsonObject{{QStringLiteral("total_values"), totals},
                                  {QStringLiteral("journals"), journalArray},
                                  {QStringLiteral("users"), userArray},
                                  {QStringLiteral("values"), values}}};
}

void UserDuty::writeResult(const QJsonObject &duties, const Options &options, const QString &outputDir,
                           const QString &templatePath)
{
    const qint64 utc = options.toLongLong(QStringLiteral("utc"));
    const qint64 start = options.toLongLong(QStringLiteral("dt_start_start"));
    const qint64 end = options.toLongLong(QStringLiteral("dt_start_end"));
    Workbook book;
    if (!openWorkbook(book, templatePath, outputDir))
        return;
    Xlsx::Document &sheet = book.document();
    writePeriodAndDays(sheet, 5, start, end, utc);

    const QJsonObject totals = duties.value(QStringLiteral("total_values")).toObject();
    if (!totals.isEmpty()) {
        const double plan = number(totals, "plan_amount");
        const double reserve = number(totals, "reserve_amount");
        const double planHours = number(totals, "plan_amount_hours");
        const double reserveHours = number(totals, "reserve_amount_hours");
        const double cells[] = {plan, reserve, plan - reserve, planHours, reserveHours, planHours - reserveHours};
        for (int i = 0; i < 6; ++i)
            sheet.write(11 + i, 2, cells[i]);
    }

    // Journal columns from H; rows 11 to 16 take the formats of the totals in column B.
    const QVector<Xlsx::Format> head{book.format(17, 8), book.format(18, 8), book.format(19, 8), book.format(20, 8)};
    QVector<Xlsx::Format> amounts;
    for (int row = 11; row <= 16; ++row)
        amounts.append(book.format(row, 2));
    QHash<QString, int> journalColumns;
    int column = 7;
    const QJsonArray journals = duties.value(QStringLiteral("journals")).toArray();
    for (const QJsonValue &item : journals) {
        const QJsonObject journal = item.toObject();
        if (journal.isEmpty())
            continue;
        ++column;
        journalColumns.insert(journal.value(QStringLiteral("journal_id")).toString(), column);
        const double units = number(journal, "units_amount");
        const double reserve = number(journal, "reserve_amount");
        const double hours = number(journal, "hours_amount");
        sheet.write(17, column, journal.value(QStringLiteral("duty_type_name")).toString(), head[0]);
        sheet.write(18, column,
                    timeText(journal.value(QStringLiteral("journal_dt_start")).toString().toLongLong(),
                             QStringLiteral("dd.MM, hh:mm"), utc),
                    head[1]);
        sheet.write(19, column, QString(), head[2]);
        sheet.write(20, column, QString(), head[3]);
        const double cells[] = {units, reserve, units - reserve, units * hours, reserve * hours, hours * (units - reserve)};
        for (int i = 0; i < 6; ++i)
            sheet.write(11 + i, column, cells[i], amounts[i]);
    }

    // User rows: the template styles columns A to H; further journal columns look like H.
    const int lastColumn = qMax(column, 7);
    QVector<Xlsx::Format> formats = book.rowFormats(20, 8);
    formats.resize(lastColumn + 1);
    for (int c = 9; c <= lastColumn; ++c)
        formats[c] = formats[8];
    for (int c : {2, 3})
        formats[c] = Workbook::withNumberFormat(formats[c], QStringLiteral("0"));
    // A user id given twice takes its marks on its last row.
    const QJsonArray users = duties.value(QStringLiteral("users")).toArray();
    QHash<QString, int> userRows;
    for (int i = 0; i < users.size(); ++i)
        userRows.insert(users.at(i).toObject().value(QStringLiteral("rst_id_owner")).toString(), i);
    // Each cell of the grid is written once, a mark or a dot.
    const int width = lastColumn + 1;
    std::vector<bool> marks(size_t(users.size()) * size_t(width));
    const QJsonArray values = duties.value(QStringLiteral("values")).toArray();
    for (const QJsonValue &item : values) {
        const QJsonObject duty = item.toObject();
        const int userIndex = userRows.value(duty.value(QStringLiteral("rst_id_owner")).toString(), -1);
        const int journalColumn = journalColumns.value(duty.value(QStringLiteral("journal_id")).toString());
        if (userIndex >= 0 && journalColumn > 0)
            marks[size_t(userIndex) * size_t(width) + size_t(journalColumn)] = true;
    }
    const QVariant dot(QStringLiteral("."));
    const QVariant mark(QStringLiteral("X"));
    for (int i = 0; i < users.size(); ++i) {
        const QJsonObject user = users.at(i).toObject();
        const int row = 21 + i;
        sheet.write(row, 1, user.value(QStringLiteral("sign")).toString(), formats[1]);
        sheet.write(row, 2, number(user, "reserve_amount"), formats[2]);
        sheet.write(row, 3, number(user, "reserve_hours"), formats[3]);
        for (int c = 4; c <= lastColumn; ++c)
            sheet.write(row, c, marks[size_t(i) * size_t(width) + size_t(c)] ? mark : dot, formats[c]);
    }
    saveWorkbook(book);
}

} // namespace Report::Tavik
