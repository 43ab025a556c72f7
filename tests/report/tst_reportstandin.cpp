#include "reporttest.h"

#include "report/reportfactory.h"

#include "client/controller/auth.h"
#include "client/controller/usersession.h"
#include "messagedispatcher.h"
#include "network.h"
#include "scratchdatabase.h"
#include "standinserver.h"

#include "common/net/netdto.h"
#include "timelimit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using Client::Controller::Auth;
using Client::Controller::UserSession;

namespace {

const QString login = QStringLiteral("reporter");
const QString password = QStringLiteral("s3cret");

} // namespace

// A report request through the stand-in over a real socket: the stand-in answers with the report
// tool's data object, and the client's generate() writes its workbooks.
class TestReportStandin : public QObject
{
    Q_OBJECT

private slots:
    void driverBalanceReportThroughTheStandin();
};

void TestReportStandin::driverBalanceReportThroughTheStandin()
{
    ScratchDatabase scratch(QStringLiteral("report_standin"));
    QVERIFY2(scratch.isOpen(), qPrintable(scratch.error()));
    StandinServer server;
    server.setEnvironment(scratch.environment());
    QVERIFY2(server.start({"--database", "--quiet", "--dbinit", qEnvironmentVariable("KORIV_DBINIT"), "--user",
                           login + ':' + passwordDigest(password)}),
             "the stand-in did not start");

    // Two drivers with balance logs; the stand-in grants the report to the administrators, whom new
    // users join.
    {
        QSqlDatabase database = PgSchema::addClusterDatabase(QStringLiteral("seed"));
        database.setDatabaseName(scratch.name());
        QVERIFY2(database.open(), qPrintable(database.lastError().text()));
        const QStringList statements{
            "INSERT INTO drivers (id, sign, first_name, last_name, balance) VALUES "
            "(9, 'd9', 'Ivan', 'Petrov', 12.5), (10, 'd10', 'Olga', 'Koval', 3)",
            "INSERT INTO driver_balance_logs (rst_id_owner, bg_name, bt_name, value, dt_utc_insert, trn_key) VALUES "
            "(9, 'Bonus', 'Order', 10, 1709251201000, 'a'), (9, '', 'Refill', 5, 1709251202000, 'b'), "
            "(10, 'Bonus', 'Order', 7, 1709251201500, 'c')"};
        for (const QString &statement : statements) {
            QSqlQuery query(database);
            QVERIFY2(query.exec(statement), qPrintable(statement + ": " + query.lastError().text()));
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("seed"));

    Network network;
    Common::AbstractController::setNetwork(&network);
    network.setMessageDispatcher(QSharedPointer<MessageDispatcher>::create());
    network.start();
    Auth auth;
    UserSession session;
    QObject::connect(&network, &Common::ApiNetwork::fireTrAuth, &auth, &Auth::trAuth);
    QObject::connect(&auth, &Auth::saAuth, &session, &UserSession::trOpen);
    QList<QVariantMap> received;
    QObject::connect(&network, qOverload<QVariantMap>(&Common::ApiNetwork::messageReceived), this,
                     [&](const QVariantMap &message) { received.append(message); });
    const auto answer = [&](const QString &fn) {
        for (const QVariantMap &message : received) {
            if (message.value("FN") == fn)
                return message;
        }
        return QVariantMap();
    };
    network.setHost("127.0.0.1");
    network.setPort(server.port());
    network.setSign(login);
    network.setPwd(passwordDigest(password));
    emit network.makeConnection();
    QTRY_VERIFY_WITH_TIMEOUT(!answer("userSession_saOpen").isEmpty(), timeLimit(10000));

    const QJsonObject options{{"rst_id_owner", QJsonArray{"9", "10"}}, {"rst_id_bt", QJsonArray{"1"}},
                              {"group_by_bt", false}, {"sign_role", "sign"}, {"utc", "180"},
                              {"dt_utc_insert_start", "1709251200000"}, {"dt_utc_insert_end", "1709337599000"}};
    NetDTO request;
    request.insert("FN", "report_trCreate");
    request.insert("RECEIVER", "77");
    request.insert("type", 14);
    request.insert("options", QString::fromUtf8(QJsonDocument(options).toJson(QJsonDocument::Compact)));
    emit network.sendMessage(request);
    QTRY_VERIFY_WITH_TIMEOUT(!answer("report_saCreate").isEmpty(), timeLimit(30000));
    const QVariantMap created = answer("report_saCreate");
    QCOMPARE(created.value("RECEIVER").toString(), QStringLiteral("77"));
    QVERIFY2(created.value("RES").toString() == "10", qPrintable(created.value("exception_description").toString()));
    emit network.closeConnection();

    QTemporaryDir folder;
    const QSharedPointer<Report::AbstractReport> report = Report::createReport(14);
    report->setClock([] { return ReportTest::fixedNow; });
    QVERIFY2(report->generate(created.value("JSON").toString(), folder.path(),
                              ReportTest::templatePath("IndividualBalanceLogReportBase.xlsx")),
             qPrintable(report->errorString()));
    const QStringList files = report->writtenFiles();
    QCOMPARE(files.size(), 2);
    QVERIFY(files.at(0).endsWith("/20240305_17_07_09-d10.xlsx"));
    QVERIFY(files.at(1).endsWith("/20240305_17_07_09-d9.xlsx"));
    const QJsonObject olga = ReportTest::sheet(files.at(0));
    QCOMPARE(ReportTest::value(olga, "E9").toString(), QStringLiteral("Olga Koval"));
    QCOMPARE(ReportTest::value(olga, "C21").toString(), QStringLiteral("Bonus, Order"));
    QCOMPARE(ReportTest::value(olga, "F22").toDouble(), 7.0);
    const QJsonObject ivan = ReportTest::sheet(files.at(1));
    QCOMPARE(ReportTest::value(ivan, "E8").toString(), QStringLiteral("d9"));
    QCOMPARE(ReportTest::value(ivan, "E11").toDouble(), 12.5);
    QCOMPARE(ReportTest::value(ivan, "C22").toString(), QStringLiteral("Refill"));
    QCOMPARE(ReportTest::value(ivan, "G22").toString(), QStringLiteral("01.03.2024 03:00"));
    QCOMPARE(ReportTest::value(ivan, "F23").toDouble(), 15.0);
    Common::AbstractController::setNetwork(nullptr);
}

QTEST_GUILESS_MAIN(TestReportStandin)
#include "tst_reportstandin.moc"
