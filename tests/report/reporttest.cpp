#include "reporttest.h"

#include "builddatabase.h"
#include "xlsxtesthelpers.h"

#include "report/reportfactory.h"

#include "xlsx/cellrange.h"

#include "model/catalogues.h"

#include "common/core/exception/exception.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace ReportTest {

bool buildDatabase(PgSchema &pg, QString *error)
{
    if (!::buildDatabase(pg.db(), Model::allCatalogues(), error))
        return false;
    QFile schema(qEnvironmentVariable("KORIV_SOURCE_DIR") + QStringLiteral("/tools/report/report-tables.sql"));
    if (!schema.open(QIODevice::ReadOnly)) {
        *error = schema.fileName() + QLatin1String(": ") + schema.errorString();
        return false;
    }
    if (!pg.run(QString::fromUtf8(schema.readAll()))) {
        *error = pg.error();
        return false;
    }
    Model::registerAllCatalogues();
    return true;
}

bool Database::build(QString *error)
{
    m_pg = std::make_unique<PgSchema>();
    if (!m_pg->isOpen()) {
        *error = m_pg->error();
        return false;
    }
    return buildDatabase(*m_pg, error);
}

bool Database::begin()
{
    m_pg->run(QStringLiteral("ROLLBACK"));
    return m_pg->run(QStringLiteral("BEGIN"));
}

bool Database::rollback()
{
    return m_pg->run(QStringLiteral("ROLLBACK"));
}

QStringList Database::run(int type, const QJsonObject &options, const QString &templateName, QJsonArray *results)
{
    const QSharedPointer<Report::AbstractReport> report = Report::createReport(type, m_pg->db());
    const QJsonArray rows = report->extractResult(options);
    if (results)
        *results = rows;
    return write(*report, options, rows, m_folder.filePath(QString::number(++m_runs)), templateName);
}

void DatabaseTestCase::initTestCase()
{
    QString error;
    QVERIFY2(m_database.build(&error), qPrintable(error));
    m_pg = &m_database.pg();
}

void DatabaseTestCase::init()
{
    QVERIFY(m_database.begin());
    seed();
}

void DatabaseTestCase::cleanup()
{
    QVERIFY(m_database.rollback());
}

void DatabaseTestCase::runAll(const QStringList &statements)
{
    for (const QString &statement : statements)
        QVERIFY2(m_pg->run(statement), qPrintable(m_pg->error()));
}

QJsonArray DatabaseTestCase::extract(int type, const QJsonObject &options)
{
    return Report::createReport(type, m_pg->db())->extractResult(options);
}

void DatabaseTestCase::verifyRefused(int type, const QJsonObject &options, const QString &counts)
{
    const QStringList before = m_pg->lines(counts);
    QVERIFY(m_pg->run(QStringLiteral("SAVEPOINT hostile")));
    QVERIFY_EXCEPTION_THROWN(extract(type, options), Exception);
    QVERIFY(m_pg->run(QStringLiteral("ROLLBACK TO SAVEPOINT hostile")));
    QCOMPARE(m_pg->lines(counts), before);
}

QList<QList<QStringList>> DatabaseTestCase::computedKept(int count)
{
    QString error = QStringLiteral("%1 workbooks kept for LibreOffice, not %2").arg(m_libreOfficeFiles.size()).arg(count);
    QList<QList<QStringList>> books;
    if (m_libreOfficeFiles.size() == count)
        books = computedByLibreOffice(m_libreOfficeFiles, &error);
    if (books.size() != count) {
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
        return {};
    }
    return books;
}

QString templatePath(const QString &name)
{
    return QStringLiteral(":/files_template/") + name;
}

QStringList write(Report::AbstractReport &report, const QJsonObject &options, const QJsonArray &results,
                  const QString &folder, const QString &templateName)
{
    report.setClock([] { return fixedNow; });
    const QJsonObject data{{QStringLiteral("options"), options}, {QStringLiteral("results"), results}};
    const bool written = report.generate(QString::fromUtf8(QJsonDocument(data).toJson()), folder,
                                         templatePath(templateName));
    if (!written)
        qWarning() << "generate:" << report.errorString();
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.xlsx")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

QJsonObject sheet(const QString &fileName)
{
    QString error;
    const QJsonObject dump = XlsxTest::dump(fileName, &error);
    if (dump.isEmpty()) {
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
        return {};
    }
    return XlsxTest::sheet(dump, dump.value(QStringLiteral("sheets")).toArray().first().toString());
}

QJsonObject cell(const QJsonObject &sheet, const QString &reference)
{
    return sheet.value(QStringLiteral("cells")).toObject().value(reference).toObject();
}

QVariant value(const QJsonObject &sheet, const QString &reference)
{
    return cell(sheet, reference).value(QStringLiteral("v")).toVariant();
}

QVariant shown(const QJsonObject &sheet, const QString &reference)
{
    const QJsonObject found = cell(sheet, reference);
    const bool formula = found.value(QStringLiteral("t")).toString() == QLatin1String("f");
    return found.value(formula ? QLatin1String("cached") : QLatin1String("v")).toVariant();
}

int checkShownSums(const QJsonObject &sheet, QString *error)
{
    static const QRegularExpression sum(QStringLiteral("^=SUM\\(([A-Z]+[0-9]+:[A-Z]+[0-9]+)\\)$"));
    const QJsonObject cells = sheet.value(QStringLiteral("cells")).toObject();
    int checked = 0;
    for (auto it = cells.constBegin(); it != cells.constEnd(); ++it) {
        const QJsonObject formula = it.value().toObject();
        const QRegularExpressionMatch match = sum.match(formula.value(QStringLiteral("v")).toString());
        if (formula.value(QStringLiteral("t")).toString() != QLatin1String("f") || !match.hasMatch())
            continue;
        const Xlsx::CellRange range(match.captured(1));
        double expected = 0;
        for (int row = range.firstRow(); row <= range.lastRow(); ++row) {
            for (int column = range.firstColumn(); column <= range.lastColumn(); ++column) {
                const QVariant part = shown(sheet, Xlsx::CellReference(row, column).toString());
                if (part.userType() == QMetaType::Double || part.userType() == QMetaType::LongLong)
                    expected += part.toDouble();
            }
        }
        const QVariant result = shown(sheet, it.key());
        if (result.isNull() || qAbs(result.toDouble() - expected) > 1e-6 * qMax(1.0, qAbs(expected))) {
            *error = QStringLiteral("%1 %2 shows %3, not %4")
                         .arg(it.key(), formula.value(QStringLiteral("v")).toString(), result.toString())
                         .arg(expected);
            return -1;
        }
        ++checked;
    }
    return checked;
}

namespace {

// Rows of fields as LibreOffice writes CSV: fields separated by commas, quoted when they hold a
// comma, a quote or a line break.
QList<QStringList> csvRows(const QString &text)
{
    QList<QStringList> rows;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted && c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
            field += c;
            ++i;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char(',') && !quoted) {
            fields.append(field);
            field.clear();
        } else if (c == QLatin1Char('\n') && !quoted) {
            fields.append(field);
            field.clear();
            rows.append(fields);
            fields.clear();
        } else {
            field += c;
        }
    }
    return rows;
}

} // namespace

QList<QList<QStringList>> computedByLibreOffice(const QStringList &fileNames, QString *error)
{
    // Copies under names of their own: workbooks of one clock share their names.
    QTemporaryDir folder;
    const QDir dir(folder.path());
    QStringList copies;
    for (int i = 0; i < fileNames.size(); ++i) {
        copies.append(dir.filePath(QStringLiteral("w%1.xlsx").arg(i)));
        QFile::copy(fileNames.at(i), copies.last());
    }
    if (!XlsxTest::convertToCsv(copies, folder.path(), error))
        return {};
    QList<QList<QStringList>> workbooks;
    for (int i = 0; i < copies.size(); ++i) {
        QFile csv(dir.filePath(QStringLiteral("w%1.csv").arg(i)));
        if (!csv.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("LibreOffice wrote no %1").arg(csv.fileName());
            return {};
        }
        workbooks.append(csvRows(QString::fromUtf8(csv.readAll())));
    }
    return workbooks;
}

} // namespace ReportTest
