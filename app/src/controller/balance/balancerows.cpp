#include "balancerows.h"

namespace BalanceRows {

void prepareLog(QVariantMap &row)
{
    const QString type = row[QStringLiteral("bt_name")].toString();
    const QString group = row[QStringLiteral("bg_name")].toString();
    row.insert(QStringLiteral("bt_name"), group + QStringLiteral(": ") + type);
}

void prepareType(QVariantMap &row)
{
    const bool income = row[QStringLiteral("type_operation")].toString() == QLatin1String("1");
    const QString sign = income ? QStringLiteral("+") : QStringLiteral("-");
    row.insert(QStringLiteral("type_operation_string"), sign);
    row.insert(QStringLiteral("name_string"), sign + row[QStringLiteral("name")].toString());
}

} // namespace BalanceRows
