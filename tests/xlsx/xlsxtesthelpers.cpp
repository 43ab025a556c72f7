#include "xlsxtesthelpers.h"

#include "timelimit.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <private/qzipreader_p.h>

namespace XlsxTest {

namespace {

QString scriptFolder()
{
    return qEnvironmentVariable("KORIV_SOURCE_DIR") + QStringLiteral("/tests/xlsx");
}

bool run(const QString &program, const QStringList &arguments, int timeout, QByteArray *output, QString *error)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(timeLimit(10000))) {
        *error = QStringLiteral("%1 did not start: %2").arg(program, process.errorString());
        return false;
    }
    if (!process.waitForFinished(timeLimit(timeout))) {
        process.kill();
        process.waitForFinished(timeLimit(10000));
        *error = QStringLiteral("%1 took longer than %2 ms").arg(program).arg(timeLimit(timeout));
        return false;
    }
    const QByteArray out = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("%1 %2 failed: %3").arg(program, arguments.join(QLatin1Char(' ')),
                                                         QString::fromUtf8(process.readAllStandardError()));
        return false;
    }
    if (output)
        *output = out;
    return true;
}

} // namespace

bool runScript(const QString &script, const QStringList &arguments, QByteArray *output, QString *error)
{
    // Debian's own interpreter: it is the one python3-openpyxl installs into.
    return run(QStringLiteral("/usr/bin/python3"), QStringList{scriptFolder() + QLatin1Char('/') + script} + arguments,
               120000, output, error);
}

QJsonObject dump(const QString &fileName, QString *error, const QString &rows)
{
    QByteArray output;
    QStringList arguments{fileName};
    if (!rows.isEmpty())
        arguments.append(rows);
    if (!runScript(QStringLiteral("dump_xlsx.py"), arguments, &output, error))
        return {};
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(output, &parseError);
    if (!document.isObject()) {
        *error = QStringLiteral("the dump is not JSON: %1").arg(parseError.errorString());
        return {};
    }
    return document.object();
}

bool makeFixtures(const QString &folder, QString *error)
{
    return runScript(QStringLiteral("make_fixtures.py"), {folder}, nullptr, error);
}

namespace {

bool convert(const QString &filter, const QStringList &fileNames, const QString &folder, QString *error)
{
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty()) {
        *error = QStringLiteral("LibreOffice (soffice) is not installed; scripts/install-deps.sh installs it");
        return false;
    }
    QTemporaryDir profile;
    const QStringList arguments = QStringList{QStringLiteral("-env:UserInstallation=file://") + profile.path(),
                                              QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                              filter, QStringLiteral("--outdir"), folder}
        + fileNames;
    return run(office, arguments, 180000, nullptr, error);
}

} // namespace

bool convertToCsv(const QStringList &fileNames, const QString &folder, QString *error)
{
    return convert(QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"), fileNames, folder, error);
}

bool convertToXlsx(const QStringList &fileNames, const QString &folder, QString *error)
{
    return convert(QStringLiteral("xlsx:Calc MS Excel 2007 XML"), fileNames, folder, error);
}

QByteArray entry(const QString &fileName, const QString &name)
{
    QZipReader reader(fileName);
    return reader.fileData(name);
}

QStringList entryNames(const QString &fileName)
{
    QZipReader reader(fileName);
    QStringList names;
    for (const QZipReader::FileInfo &info : reader.fileInfoList())
        names.append(info.filePath);
    return names;
}

QByteArray fileHash(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
}

QJsonObject sheet(const QJsonObject &dump, const QString &name)
{
    return dump.value(QStringLiteral("data")).toObject().value(name).toObject();
}

QJsonObject cell(const QJsonObject &dump, const QString &sheetName, const QString &reference)
{
    return sheet(dump, sheetName).value(QStringLiteral("cells")).toObject().value(reference).toObject();
}

} // namespace XlsxTest
