#pragma once

#include <QSqlDatabase>
#include <QString>

namespace Common {

// The PostgreSQL connection that libpq's variables name (PGHOST, PGPORT, PGDATABASE, PGUSER,
// PGPASSWORD): sets those that are set on the database, leaving the driver's defaults otherwise.
void applyPgEnvironment(QSqlDatabase &database);
// "database 'NAME' on HOST:PORT as USER" for messages.
QString pgConnectionText();

} // namespace Common
