#pragma once

#include "common/core/db/db.h"

#include <QSqlQuery>
#include <QString>

#include <memory>

// PostgreSQL for the benchmarks that need it, reached through the PG* variables.
namespace Bench {

// Which of PGHOST, PGPORT, PGUSER and PGDATABASE is not set, as a reason; empty when all are.
QString missingEnvironment();
// The connection "bench" from the PG* variables; null with the reason.
std::unique_ptr<Common::Db> openDb(QString *error);
// One connection for the whole program, opened on first use; null with the reason.
Common::Db *sharedDb(QString *error);

// Drops and creates the schema and makes it the search path; false with the reason.
bool enterFreshSchema(QSqlQuery &query, const QString &schema, QString *error);

} // namespace Bench
