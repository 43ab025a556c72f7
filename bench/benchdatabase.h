#pragma once

#include "common/core/db/db.h"

#include <QSqlQuery>
#include <QString>

#include <memory>

// PostgreSQL for the benchmarks that need it, reached through the PG* variables.
namespace Bench {

// The connection "bench" from the PG* variables; null with the driver's reason.
std::unique_ptr<Common::Db> openDb(QString *error);

// Drops and creates the schema and makes it the search path; false with the reason.
bool enterFreshSchema(QSqlQuery &query, const QString &schema, QString *error);

} // namespace Bench
