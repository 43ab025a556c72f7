#pragma once

#include <QVariantMap>

// The texts that the balance tables and the type pickers show, written into received maps.
namespace BalanceRows {

// A log entry's "bt_name" becomes "<group>: <type>".
void prepareLog(QVariantMap &row);
// A type's "type_operation_string" ("+" for operation 1, else "-") and "name_string" (that sign
// followed by the name).
void prepareType(QVariantMap &row);

} // namespace BalanceRows
