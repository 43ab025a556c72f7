// Start-up of the program against the stand-in over PostgreSQL holding 10,000 drivers:
//   StartToSignInDialog: from starting the process to the sign-in dialog's first paint; the
//     anchor is bench_startup_anchor, a program of the same kind made of Qt alone, started the
//     same way, to its plain QDialog of the same fields: the ratio is our start-up over Qt's own.
//   SignInToLoaded: from pressing OK to the data-loading window closing (sign-in, session, the
//     22 first lists with every driver); the anchor is a bare QTcpSocket client that signs in,
//     opens the session, asks for the same lists and only unpacks the answers ("the wire
//     alone": the stand-in's and PostgreSQL's share).
// Each run of ours is a fresh process of this program (offscreen). Counters: "x_anchor", ours
// over the anchor ("ms_anchor" the anchor's time), beside "goal_x" where the ratio has a goal
// (the sign-in's 1.1, as the fleet benchmark's); "peak_MiB", the process's peak resident memory
// at the end of the measure. The label names the anchor.
#include "benchdatabase.h"
#include "benchfailure.h"
#include "firstpaint.h"
#include "wireclient.h"
#include "startup/startup.h"

#include "shell/context.h"
#include "shell/global.h"
#include "shell/mainwindow.h"

#include "common/core/utils/utils.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <optional>

namespace {

constexpr int driverCount = 10000;
const QString Login = QStringLiteral("admin");
const QString Password = QStringLiteral("admin");
const QString DatabaseName = QStringLiteral("koriv_bench_startup");
// The sign-in's goal: within 1.1 times the bare socket client.
constexpr double SignInGoal = 1.1;

// Child "dialog": the program up to its sign-in dialog.
int childDialog(int argc, char **argv)
{
    Startup::prepare();
    QApplication application(argc, argv);
    Startup startup;
    FirstPaint paint(true, [] { QCoreApplication::exit(0); });
    startup.loginDialog()->installEventFilter(&paint);
    return QApplication::exec();
}

// Child "signin": signs in and waits for the loading window to close; prints
// "<ms> <peak MiB> <drivers>".
int childSignIn(int argc, char **argv)
{
    Startup::prepare();
    QApplication application(argc, argv);
    Startup startup;
    QElapsedTimer clock;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        Global *global = Context::global();
        if (!global || global->loadingWindow() || global->loadedCount() == 0)
            return;
        poll.stop();
        std::printf("%.3f %.1f %d\n", clock.nsecsElapsed() / 1e6, FirstPaint::peakMiB(),
                    global->driver()->originalModel()->rowCount());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    FirstPaint paint(false, [&] {
        startup.loginDialog()->passwordEdit()->setText(Password);
        clock.start();
        startup.loginDialog()->accept();
        poll.start(1);
    });
    startup.loginDialog()->installEventFilter(&paint);
    QTimer::singleShot(120000, [] { QCoreApplication::exit(1); });
    return QApplication::exec();
}

// The database, the stand-in on it and the program's settings, for the whole run.
struct Setup
{
    QString error;
    QTemporaryDir home;
    QProcess standin;
    int port = 0;

    Setup()
    {
        if (!createDatabase() || !startStandin() || !insertDrivers())
            return;
        writeSettings();
    }

    ~Setup()
    {
        if (standin.state() != QProcess::NotRunning) {
            standin.write("quit\n");
            standin.closeWriteChannel();
            if (!standin.waitForFinished(5000))
                standin.kill();
        }
        QSqlDatabase::database(QStringLiteral("bench")).exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(DatabaseName));
    }

    bool createDatabase()
    {
        std::unique_ptr<Common::Db> db = Bench::openDb(&error);
        if (!db)
            return false;
        QSqlQuery query(QSqlDatabase::database(QStringLiteral("bench")));
        for (const QString &sql : {QStringLiteral("DROP DATABASE IF EXISTS %1").arg(DatabaseName),
                                   QStringLiteral("CREATE DATABASE %1").arg(DatabaseName)}) {
            if (!query.exec(sql)) {
                error = query.lastError().text();
                return false;
            }
        }
        return true;
    }

    bool startStandin()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PGDATABASE"), DatabaseName);
        standin.setProcessEnvironment(environment);
        standin.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        standin.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(KORIV_SOURCE_DIR "/tools/standin-server/standin.py"), QStringLiteral("--database"),
                       QStringLiteral("--quiet"), QStringLiteral("--dbinit"), QStringLiteral(KORIV_DBINIT),
                       QStringLiteral("--user"), Login + QLatin1Char(':') + Utils().getPwdHash(Password)});
        QElapsedTimer waited;
        waited.start();
        while (port == 0 && waited.elapsed() < 60000 && standin.waitForReadyRead(60000)) {
            while (standin.canReadLine()) {
                const QJsonObject event = QJsonDocument::fromJson(standin.readLine()).object();
                if (event.value(QStringLiteral("event")) == QLatin1String("listening"))
                    port = event.value(QStringLiteral("port")).toInt();
            }
        }
        if (port == 0)
            error = QStringLiteral("the stand-in server did not start");
        return port != 0;
    }

    bool insertDrivers()
    {
        const bool inserted = insertDriverRows();
        QSqlDatabase::removeDatabase(QStringLiteral("drivers"));
        return inserted;
    }

    bool insertDriverRows()
    {
        QSqlDatabase database = QSqlDatabase::cloneDatabase(QStringLiteral("bench"), QStringLiteral("drivers"));
        database.setDatabaseName(DatabaseName);
        if (!database.open()) {
            error = database.lastError().text();
            return false;
        }
        QSqlQuery query(database);
        const bool inserted = query.exec(QStringLiteral(
            "INSERT INTO drivers (sign, first_name, last_name, phone, rating, status, inner_note, "
            "dt_utc_insert, dt_utc_last_update) "
            "SELECT 'D' || g, 'Name ' || g, 'Surname ' || g, '+38050' || (1000000 + g), 3 + (g % 20) / 10.0, "
            "(g % 4) * 1000, 'Driver number ' || g, 1715600000000 + g, 1715680000000 + g "
            "FROM generate_series(1, %1) AS g")
                                             .arg(driverCount));
        if (!inserted)
            error = query.lastError().text();
        return inserted;
    }

    void writeSettings()
    {
        QDir().mkpath(home.filePath(QStringLiteral("config/Koriv")));
        QFile dirs(home.filePath(QStringLiteral("config/user-dirs.dirs")));
        if (dirs.open(QIODevice::WriteOnly))
            dirs.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(home.filePath(QStringLiteral("documents"))) + "\"\n");
        QSettings settings(home.filePath(QStringLiteral("config/Koriv/KorivAdmin.ini")), QSettings::IniFormat);
        settings.beginWriteArray(QStringLiteral("hosts"), 1);
        settings.setArrayIndex(0);
        settings.setValue(QStringLiteral("name"), QStringLiteral("Stand-in"));
        settings.setValue(QStringLiteral("address"), QStringLiteral("127.0.0.1"));
        settings.setValue(QStringLiteral("port"), port);
        settings.endArray();
        settings.setValue(QStringLiteral("auth/login"), Login);
        settings.setValue(QStringLiteral("i18n/lang"), QStringLiteral("en"));
        settings.setValue(QStringLiteral("updating/checkOnStartup"), false);
    }

    QProcessEnvironment childEnvironment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        return environment;
    }
};

Setup *runSetup = nullptr;

Setup &setup()
{
    return *runSetup;
}

struct ChildResult
{
    QStringList fields;
    qint64 startedNs = 0;
};

// The program that starts beside ours.
const QString AnchorProgram = QStringLiteral(KORIV_STARTUP_ANCHOR);

// Runs program with arguments as a child; its one line of output, or nothing.
std::optional<ChildResult> runProgram(const QString &program, const QStringList &arguments)
{
    QProcess child;
    child.setProcessEnvironment(setup().childEnvironment());
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ChildResult result;
    result.startedNs = FirstPaint::clockNs();
    child.start(program, arguments);
    if (!child.waitForFinished(180000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "bench_startup: the child \"%s\" failed (exit code %d)\n",
                     qPrintable((QStringList{program} + arguments).join(' ')), child.exitCode());
        return std::nullopt;
    }
    result.fields = QString::fromUtf8(child.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
    return result;
}

// Runs this program as a child in the given mode.
std::optional<ChildResult> runChild(const QString &mode)
{
    return runProgram(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), mode});
}

// Seconds from starting the child to its first paint, and its peak memory.
std::optional<std::pair<double, double>> timeToPaint(const std::optional<ChildResult> &child)
{
    if (!child || child->fields.size() != 2)
        return std::nullopt;
    return std::pair{(child->fields.at(0).toLongLong() - child->startedNs) / 1e9, child->fields.at(1).toDouble()};
}

// One measured run: our time and the anchor's in seconds, and our peak memory.
struct Run
{
    double ours = 0;
    double anchor = 0;
    double peakMiB = 0;
};

// Runs once per iteration; the iteration's time is ours.
void measure(benchmark::State &state, const std::function<std::optional<Run>(const char **error)> &once)
{
    if (!setup().error.isEmpty()) {
        Bench::fail(state, qPrintable(setup().error));
        return;
    }
    Run total;
    for (auto _ : state) {
        const char *error = "a child process failed";
        const std::optional<Run> run = once(&error);
        if (!run) {
            Bench::fail(state, error);
            return;
        }
        state.SetIterationTime(run->ours);
        total.ours += run->ours;
        total.anchor += run->anchor;
        total.peakMiB = std::max(total.peakMiB, run->peakMiB);
    }
    state.counters["ms_anchor"] = total.anchor * 1e3 / state.iterations();
    state.counters["x_anchor"] = total.ours / total.anchor;
    state.counters["peak_MiB"] = total.peakMiB;
}

void StartToSignInDialog(benchmark::State &state)
{
    measure(state, [](const char **) -> std::optional<Run> {
        const auto program = timeToPaint(runChild(QStringLiteral("dialog")));
        const auto plain = timeToPaint(runProgram(AnchorProgram, {}));
        if (!program || !plain)
            return std::nullopt;
        return Run{program->first, plain->first, program->second};
    });
    state.SetLabel("anchor: Qt alone, its own executable");
}

// The anchor of the sign-in: the same requests over a bare socket; seconds, or nothing.
std::optional<double> wireSignIn(int port)
{
    QElapsedTimer clock;
    clock.start();
    WireClient client;
    if (!client.signIn(port, Login, Password) || !client.loadFirstLists())
        return std::nullopt;
    return clock.nsecsElapsed() / 1e9;
}

void SignInToLoaded(benchmark::State &state)
{
    measure(state, [](const char **error) -> std::optional<Run> {
        const std::optional<ChildResult> child = runChild(QStringLiteral("signin"));
        const std::optional<double> wire = wireSignIn(setup().port);
        if (!child || child->fields.size() != 3 || !wire) {
            *error = "the sign-in did not complete";
            return std::nullopt;
        }
        if (child->fields.at(2).toInt() < driverCount) {
            *error = "not every driver arrived";
            return std::nullopt;
        }
        return Run{child->fields.at(0).toDouble() / 1000, *wire, child->fields.at(1).toDouble()};
    });
    state.counters["goal_x"] = SignInGoal;
    state.SetLabel("anchor: a bare socket client");
}

BENCHMARK(StartToSignInDialog)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(SignInToLoaded)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) {
        const QByteArray mode = argv[2];
        if (mode == "dialog")
            return childDialog(argc, argv);
        if (mode == "signin")
            return childSignIn(argc, argv);
        return 2;
    }
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        Setup setup;
        runSetup = &setup;
        benchmark::RunSpecifiedBenchmarks();
        runSetup = nullptr;
    }
    benchmark::Shutdown();
    return Bench::exitCode();
}
