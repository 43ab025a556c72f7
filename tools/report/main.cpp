// koriv-report: runs the SQL extraction of a report on the PostgreSQL database that the PG*
// variables name and prints the report data object {"options": ..., "results": [...]}, the "JSON"
// text that the answer to "report_trCreate" carries.
//
//   koriv-report TYPE [OPTIONS]
//
// TYPE is the report type (0 to 15); OPTIONS the request's options as JSON text, read from
// standard input when absent or "-". Exit status 0 with the JSON text on standard output, 1 when
// the report fails (the reason on standard error), 2 on bad arguments.

#include "report/reportfactory.h"

#include "model/catalogues.h"

#include "common/core/db/db.h"
#include "common/core/db/pgenvironment.h"
#include "common/core/exception/exception.h"
#include "common/core/utils/jsontext.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTextStream>

namespace {

const QString connectionName = QStringLiteral("koriv-report");

int fail(int status, const QString &message)
{
    QTextStream(stderr) << "koriv-report: " << message << Qt::endl;
    return status;
}

int usage()
{
    return fail(2, QStringLiteral("usage: koriv-report TYPE [OPTIONS]\n"
                                  "Runs the extraction of report TYPE (0 to 15) with the options given as JSON text\n"
                                  "(or on standard input) on the database named by PGHOST, PGPORT, PGDATABASE,\n"
                                  "PGUSER and PGPASSWORD, and prints {\"options\", \"results\"} as JSON."));
}

QByteArray readOptions(const QStringList &arguments)
{
    if (arguments.size() > 1 && arguments.at(1) != QLatin1String("-"))
        return arguments.at(1).toUtf8();
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    return input.readAll();
}

// The answer's JSON text, or a failure with its exit status.
int run(int type, const QJsonObject &options, QByteArray *answer)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    if (!database.isValid())
        return fail(1, QStringLiteral("the Qt PostgreSQL driver (QPSQL) is not available"));
    Common::applyPgEnvironment(database);
    if (!database.open()) {
        return fail(1, QStringLiteral("cannot connect to %1: %2")
                           .arg(Common::pgConnectionText(), database.lastError().text().simplified()));
    }
    Common::Db db(database);
    const QSharedPointer<Report::AbstractReport> report = Report::createReport(type, &db);
    if (!report)
        return fail(1, QStringLiteral("there is no report of type %1").arg(type));
    try {
        Model::registerAllCatalogues();
        const QJsonArray results = report->extractResult(options);
        *answer = QJsonDocument(QJsonObject{{QStringLiteral("options"), options}, {QStringLiteral("results"), results}})
                      .toJson(QJsonDocument::Compact);
    } catch (const Exception &e) {
        return fail(1, QStringLiteral("report %1 failed: %2").arg(type).arg(e.message()));
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || arguments.size() > 2 || arguments.first() == QLatin1String("--help"))
        return usage();
    bool isNumber = false;
    const int type = arguments.first().toInt(&isNumber);
    if (!isNumber)
        return usage();
    QString error;
    QString repeated;
    const QJsonDocument document = Common::readJson(readOptions(arguments), &error, &repeated);
    if (!document.isObject()) {
        return fail(2, error.isEmpty() ? QStringLiteral("the options are not a JSON object")
                                       : QStringLiteral("the options are not JSON: %1").arg(error));
    }
    if (!repeated.isEmpty())
        qWarning().noquote() << "koriv-report: the options:" << repeated;

    QByteArray answer;
    const int status = run(type, document.object(), &answer);
    QSqlDatabase::removeDatabase(connectionName);
    if (status == 0) {
        QFile output;
        output.open(stdout, QIODevice::WriteOnly);
        output.write(answer + '\n');
    }
    return status;
}
