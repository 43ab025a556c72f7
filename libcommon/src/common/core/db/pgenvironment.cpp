#include "pgenvironment.h"

namespace Common {

void applyPgEnvironment(QSqlDatabase &database)
{
    if (qEnvironmentVariableIsSet("PGHOST"))
        database.setHostName(qEnvironmentVariable("PGHOST"));
    if (qEnvironmentVariableIsSet("PGPORT"))
        database.setPort(qEnvironmentVariableIntValue("PGPORT"));
    if (qEnvironmentVariableIsSet("PGDATABASE"))
        database.setDatabaseName(qEnvironmentVariable("PGDATABASE"));
    if (qEnvironmentVariableIsSet("PGUSER"))
        database.setUserName(qEnvironmentVariable("PGUSER"));
    if (qEnvironmentVariableIsSet("PGPASSWORD"))
        database.setPassword(qEnvironmentVariable("PGPASSWORD"));
}

QString pgConnectionText()
{
    const auto env = [](const char *name, const char *fallback) {
        const QString value = qEnvironmentVariable(name);
        return value.isEmpty() ? QString::fromLatin1(fallback) : value;
    };
    return QStringLiteral("database '%1' on %2:%3 as %4")
        .arg(env("PGDATABASE", "(default)"), env("PGHOST", "(default host)"), env("PGPORT", "5432"),
             env("PGUSER", "(default user)"));
}

} // namespace Common
