// Exporting a 100,000-row table to a workbook, as a page's export button does, beside writing
// the same cells with the workbook library alone: rows per second and the peak memory of each
// (the process's resident high-water mark, reset before each run, and what the run added to
// the memory already held by the rows).
#include "client/controller/desktopcontroller.h"
#include "client/controller/usersession.h"
#include "client/net/apinetwork.h"
#include "client/utils/desktoputils.h"
#include "common/core/singleton/spsingleton.h"
#include "model/base/abstractmodel.h"
#include "xlsx/document.h"
#include "benchmemory.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int rowCount = 100000;

class ExportCatalogue : public Model::AbstractModel
{
public:
    ExportCatalogue()
    {
        declareColumn(QStringLiteral("name"), Model::SQL_TEXT, true, QVariant(), QStringLiteral("Name"));
        declareColumn(QStringLiteral("phone"), Model::SQL_TEXT, true, QVariant(), QStringLiteral("Phone"));
        declareColumn(QStringLiteral("count"), Model::SQL_INTEGER, true, 0, QStringLiteral("Count"));
        declareColumn(QStringLiteral("price"), Model::SQL_DOUBLE, true, 0, QStringLiteral("Price"));
        declareColumn(QStringLiteral("waited"), Model::SQL_BIGINTEGER, true, 0, QStringLiteral("Waited"),
                      Model::DURATION);
    }
    QString tableName() const override { return QStringLiteral("export_rows"); }
};

class ExportController : public Client::Controller::DesktopController
{
public:
    ExportController() { useOwnModel<ExportCatalogue>(); }
    QString name() const override { return QStringLiteral("exportRows"); }
};

const QStringList roles{QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("phone"), QStringLiteral("count"),
                        QStringLiteral("price"), QStringLiteral("waited"), QStringLiteral("dt_utc_insert"),
                        QStringLiteral("dt_utc_last_update"), QStringLiteral("rst_id_user_locked")};

ExportController *filledController()
{
    static std::unique_ptr<ExportController> rows;
    if (rows)
        return rows.get();
    rows = std::make_unique<ExportController>();
    for (int i = rowCount; i >= 1; --i) {
        rows->originalModel()->addRow({{"id", QString::number(i)},
                                       {"name", QStringLiteral("Driver %1 Petrenko").arg(i)},
                                       {"phone", QStringLiteral("+380 50 %1").arg(1000000 + i)},
                                       {"count", QString::number(i % 977)},
                                       {"price", QString::number(i * 0.25, 'f', 2)},
                                       {"waited", QString::number(i * 1000)},
                                       {"dt_utc_insert", QString::number(1700000000000 + i * 1000LL)},
                                       {"dt_utc_last_update", QString::number(1700000000000 + i * 2000LL)},
                                       {"rst_id_user_locked", QStringLiteral("1")}});
    }
    rows->proxyModel()->sortRows();
    return rows.get();
}

class Opener : public QObject
{
    Q_OBJECT
public slots:
    void open(const QUrl &) {}
};

void exportTable(benchmark::State &state)
{
    ExportController *rows = filledController();
    QTemporaryDir dir;
    Client::DesktopUtils utils;
    utils.setExportDir(dir.path());
    QVariantList columns;
    for (const QString &role : roles)
        columns.append(QVariantMap{{"title", role}, {"role", role}});
    const QVariantMap table{{"controller", QVariant::fromValue<QObject *>(rows)}, {"table", columns}};
    const double before = Bench::resetPeakMemory();
    for (auto _ : state) {
        if (!utils.writeToExcel(table).value("written").toBool())
            state.SkipWithError("export failed");
    }
    state.counters["rows_per_second"] =
        benchmark::Counter(double(rowCount) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["peak_MB"] = Bench::peakMiB();
    state.counters["peak_added_MB"] = Bench::peakMiB() - before;
}

// The same cells, already converted, written by the workbook library alone.
void workbookAlone(benchmark::State &state)
{
    ExportController *rows = filledController();
    QTemporaryDir dir;
    std::vector<QVariantList> cells;
    Utils utils;
    for (int r = 0; r < rowCount; ++r) {
        const QVariantMap &values = rows->originalModel()->rowValues(r);
        cells.push_back({values.value("id").toLongLong(), values.value("name"), values.value("phone"),
                         values.value("count").toLongLong(), values.value("price").toDouble(),
                         utils.formatDuration(values.value("waited").toLongLong()),
                         utils.utcmsec2LocalDateTime(values.value("dt_utc_insert").toLongLong(),
                                                     QStringLiteral("dd MMM yyyy, hh:mm"), 180),
                         utils.utcmsec2LocalDateTime(values.value("dt_utc_last_update").toLongLong(),
                                                     QStringLiteral("dd MMM yyyy, hh:mm"), 180),
                         values.value("rst_id_user_locked").toLongLong()});
    }
    const double before = Bench::resetPeakMemory();
    int round = 0;
    for (auto _ : state) {
        Xlsx::Document book;
        Xlsx::Format header;
        header.setFontBold(true);
        for (int c = 0; c < roles.size(); ++c)
            book.write(1, c + 1, roles.at(c), header);
        for (int r = 0; r < rowCount; ++r) {
            const QVariantList &row = cells[r];
            for (int c = 0; c < row.size(); ++c)
                book.write(r + 2, c + 1, row.at(c));
        }
        if (!book.saveAs(dir.filePath(QStringLiteral("alone%1.xlsx").arg(++round))))
            state.SkipWithError("save failed");
    }
    state.counters["rows_per_second"] =
        benchmark::Counter(double(rowCount) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["peak_MB"] = Bench::peakMiB();
    state.counters["peak_added_MB"] = Bench::peakMiB() - before;
}

} // namespace

BENCHMARK(workbookAlone)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(exportTable)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Client::ApiNetwork network;
    Common::AbstractController::setNetwork(&network);
    SpSingleton<Client::Controller::UserSession>::instance()->handleMessage(
        QStringLiteral("saOpen"), {{"RES", "10"}, {"utc_offset", "180"}, {"utc_dt", "1700000000000"}});
    Opener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    Common::AbstractController::setNetwork(nullptr);
    return 0;
}

#include "bench_export.moc"
