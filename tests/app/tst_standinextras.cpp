// The controllers' own requests against the stand-in over PostgreSQL: answered to the instance
// that asked, with the database changed as asked, and refused without the rights.
#include "controller/crash/crashreport.h"
#include "controller/company/terminalcompany.h"
#include "controller/driver/driver.h"
#include "controller/driver/drivernonstatic.h"
#include "controller/driver/driverpaidservicetype.h"
#include "controller/driver/driversession.h"
#include "controller/notification/notification.h"
#include "controller/user/user.h"
#include "pgschema.h"
#include "scratchdatabase.h"
#include "standinclient.h"
#include "standinserver.h"
#include "timelimit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {

// Waits for the answer carrying the controller's own number among the signals of the spy.
QVariantMap ownAnswer(QSignalSpy &spy, const Client::Controller::ItemController &controller)
{
    QVariantMap found;
    const bool arrived = QTest::qWaitFor(
        [&] {
            for (const QList<QVariant> &signal : qAsConst(spy)) {
                const QVariantMap answer = signal.first().toMap();
                if (answer.value(QStringLiteral("RECEIVER")).toString() == controller.objectNumber()) {
                    found = answer;
                    return true;
                }
            }
            return false;
        },
        timeLimit(10000));
    if (!arrived)
        qWarning("no answer for controller %s", qPrintable(controller.objectNumber()));
    return found;
}

} // namespace

class TestStandinExtras : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void driverRequests();
    void passwordChanges();
    void otherRequests();
    void rightsOfAnOperator();

private:
    // The first column of the first row of a statement on the stand-in's database.
    QVariant sql(const QString &statement, const QVariantList &values = {});
    qint64 newDriver(const QString &extraColumns = {}, const QVariantList &extraValues = {});
    qint64 newNotification();

    std::unique_ptr<ScratchDatabase> m_database;
    StandinServer m_server;
    QSqlDatabase m_sql;
    std::unique_ptr<StandinClient> m_admin;
    std::unique_ptr<StandinClient> m_operator;
    int m_drivers = 0;
};

void TestStandinExtras::initTestCase()
{
    m_database = std::make_unique<ScratchDatabase>(QStringLiteral("extras"));
    QVERIFY2(m_database->isOpen(), qPrintable(m_database->error()));
    m_server.setEnvironment(m_database->environment());
    QVERIFY(m_server.start({"--database", "--quiet", "--user", "admin:" + passwordDigest("ad"), "--user",
                            "operator:" + passwordDigest("op")}));
    m_sql = PgSchema::addClusterDatabase(QStringLiteral("extras"));
    m_sql.setDatabaseName(m_database->name());
    QVERIFY2(m_sql.open(), qPrintable(m_sql.lastError().text()));
    m_admin = std::make_unique<StandinClient>();
    QVERIFY(m_admin->signIn(m_server.port(), "admin", "ad"));
    m_operator = std::make_unique<StandinClient>();
    QVERIFY(m_operator->signIn(m_server.port(), "operator", "op"));
}

void TestStandinExtras::cleanupTestCase()
{
    m_sql.close();
    m_sql = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("extras"));
}

QVariant TestStandinExtras::sql(const QString &statement, const QVariantList &values)
{
    QSqlQuery query(m_sql);
    query.prepare(statement);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        qWarning() << "statement failed:" << statement << query.lastError().text();
        return {};
    }
    return query.next() ? query.value(0) : QVariant();
}

qint64 TestStandinExtras::newDriver(const QString &extraColumns, const QVariantList &extraValues)
{
    QString placeholders;
    for (int i = 0; i < extraValues.size(); ++i)
        placeholders += QStringLiteral(", ?");
    const QString sign = QStringLiteral("drv%1").arg(++m_drivers);
    return sql(QStringLiteral("INSERT INTO drivers (sign, dt_utc_insert, dt_utc_last_update%1)"
                              " VALUES (?, 1000, 1000%2) RETURNING id")
                   .arg(extraColumns.isEmpty() ? QString() : QStringLiteral(", ") + extraColumns, placeholders),
               QVariantList{sign} + extraValues)
        .toLongLong();
}

qint64 TestStandinExtras::newNotification()
{
    return sql("INSERT INTO notifications (dt_utc_insert, dt_utc_last_update) VALUES (1, 1) RETURNING id").toLongLong();
}

void TestStandinExtras::driverRequests()
{
    m_admin->activate();
    Driver driver;
    DriverNonStatic archive;
    const qint64 id = newDriver(QStringLiteral("recommender, first_name"), {"someone", "Old"});
    QVERIFY(id > 1);

    // The archive moves a driver out; the archive page's own instance brings it back.
    QSignalSpy archivedByDriver(&driver, &Driver::saArchive);
    QSignalSpy archivedByArchive(&archive, &DriverNonStatic::saArchive);
    driver.trArchive({{"id", QString::number(id)}, {"is_archived", "1"}});
    QCOMPARE(ownAnswer(archivedByDriver, driver).value("RES").toString(), QString("10"));
    QCOMPARE(sql("SELECT is_archived FROM drivers WHERE id = ?", {id}).toInt(), 1);
    archive.trArchive({{"id", QString::number(id)}, {"is_archived", "0"}});
    QCOMPARE(ownAnswer(archivedByArchive, archive).value("RES").toString(), QString("10"));
    QCOMPARE(sql("SELECT is_archived FROM drivers WHERE id = ?", {id}).toInt(), 0);
    // Both instances hear every archive answer of the name; each request's answer is its own.
    QTRY_COMPARE(archivedByDriver.count(), 2);
    QCOMPARE(archivedByArchive.count(), 2);

    QSignalSpy recommender(&driver, &Driver::saRemoveRecommender);
    driver.trRemoveRecommender({{"id", QString::number(id)}});
    QCOMPARE(ownAnswer(recommender, driver).value("RES").toString(), QString("10"));
    QVERIFY(sql("SELECT recommender FROM drivers WHERE id = ?", {id}).isNull());

    // Approval of the driver's change request writes what the driver asked for.
    const QString proposal = QStringLiteral(R"({"data":{"id":"%1","first_name":"New"}})").arg(id);
    const qint64 message = sql("INSERT INTO notification_messages (context, value, dt_utc_insert, dt_utc_last_update)"
                               " VALUES ('driver.update', ?, 1, 1) RETURNING id",
                               {proposal})
                               .toLongLong();
    QSignalSpy approved(&driver, &Driver::saApprove);
    driver.trApprove({{"rst_id_nm", QString::number(message)}, {"ok", "1"}});
    QCOMPARE(ownAnswer(approved, driver).value("RES").toString(), QString("10"));
    QCOMPARE(sql("SELECT first_name FROM drivers WHERE id = ?", {id}).toString(), QString("New"));

    // The brand reports' drivers: those of a car company; a car's make alone makes no brand driver.
    const qint64 brand = sql("INSERT INTO car_brands (code, name, dt_utc_insert, dt_utc_last_update)"
                             " VALUES ('brand_x', 'X', 1, 1) RETURNING id")
                             .toLongLong();
    const qint64 car = sql("INSERT INTO cars (rst_id_driver, rst_id_car_brands, dt_utc_insert, dt_utc_last_update)"
                           " VALUES (?, ?, 1, 1) RETURNING id",
                           {id, brand})
                           .toLongLong();
    sql("UPDATE drivers SET rst_id_car = ? WHERE id = ?", {car, id});
    QSignalSpy brandDrivers(&driver, &Driver::saGetBrandDrivers);
    const QVariantMap period{{"dt_utc_insert_start", qint64(0)}, {"dt_utc_insert_end", qint64(5000)}};
    driver.trGetBrandDrivers(period);
    QCOMPARE(QJsonDocument::fromJson(ownAnswer(brandDrivers, driver).value("drivers").toString().toUtf8()).array().size(),
             0);
    brandDrivers.clear();
    const qint64 carCompany = sql("INSERT INTO companies (company_name, sign, uuid_company, dt_utc_insert, dt_utc_last_update)"
                                  " VALUES ('Brand Motors', 'brand-motors', 'brand-motors', 1, 1) RETURNING id")
                                  .toLongLong();
    sql("UPDATE drivers SET rst_id_car_company = ? WHERE id = ?", {carCompany, id});
    driver.trGetBrandDrivers(period);
    const QVariantMap answer = ownAnswer(brandDrivers, driver);
    QCOMPARE(answer.value("RES").toString(), QString("10"));
    const QJsonArray drivers = QJsonDocument::fromJson(answer.value("drivers").toString().toUtf8()).array();
    QCOMPARE(drivers.size(), 1);
    QCOMPARE(drivers.first().toObject().value("id").toVariant().toLongLong(), id);
    const QString sign = sql("SELECT sign FROM drivers WHERE id = ?", {id}).toString();
    QCOMPARE(drivers.first().toObject().value("sign").toString(), sign);
}

void TestStandinExtras::passwordChanges()
{
    m_admin->activate();
    const qint64 driverId = newDriver();
    const qint64 terminalId = sql("INSERT INTO terminal_companies (sign, dt_utc_insert, dt_utc_last_update)"
                                  " VALUES ('term1', 1, 1) RETURNING id")
                                  .toLongLong();
    const qint64 userId = sql("SELECT id FROM users WHERE sign = 'operator'").toLongLong();
    Driver driver;
    TerminalCompany terminal;
    User user;
    QSignalSpy driverAnswers(&driver, &Driver::saChangePwd);
    QSignalSpy terminalAnswers(&terminal, &TerminalCompany::saChangePwd);
    QSignalSpy userAnswers(&user, &User::saChangePwd);

    driver.trChangePwd(
        {{"id", QString::number(driverId)}, {"pwd", passwordDigest("d1")}, {"pwd_confirm", passwordDigest("d1")}});
    QCOMPARE(ownAnswer(driverAnswers, driver).value("RES").toString(), QString("10"));
    QCOMPARE(sql("SELECT pwd FROM drivers WHERE id = ?", {driverId}).toString(), passwordDigest("d1"));

    terminal.trChangePwd(
        {{"id", QString::number(terminalId)}, {"pwd", passwordDigest("t1")}, {"pwd_confirm", passwordDigest("t2")}});
    QCOMPARE(ownAnswer(terminalAnswers, terminal).value("ERRCODE").toString(), QString("201"));

    user.trChangePwd({{"id", QString::number(userId)},
                      {"old_pwd", passwordDigest("wrong")},
                      {"pwd", passwordDigest("u1")},
                      {"pwd_confirm", passwordDigest("u1")}});
    QCOMPARE(ownAnswer(userAnswers, user).value("ERRCODE").toString(), QString("202"));
    QCOMPARE(sql("SELECT pwd FROM users WHERE id = ?", {userId}).toString(), passwordDigest("op"));
}

void TestStandinExtras::otherRequests()
{
    m_admin->activate();
    const qint64 driverId = newDriver(QStringLiteral("balance"), {100.0});

    // A crash report's database comes on request, as base64 text.
    const QByteArray file("SQLite format 3\0crash", 21);
    const qint64 report = sql("INSERT INTO crash_reports (rst_id_driver, db, dt_utc_insert, dt_utc_last_update)"
                              " VALUES (?, ?, 1, 1) RETURNING id",
                              {driverId, QString::fromLatin1(file.toBase64())})
                              .toLongLong();
    CrashReport crashes;
    QSignalSpy databases(&crashes, &CrashReport::saGetDb);
    crashes.trGetDb({{"id", QString::number(report)}});
    QCOMPARE(QByteArray::fromBase64(ownAnswer(databases, crashes).value("db").toString().toLatin1()), file);

    // A paid service is booked on the balance of each driver who uses it.
    const qint64 type = sql("INSERT INTO paid_service_type_driver (rst_id_bt, name, price, enabled, dt_utc_insert,"
                            " dt_utc_last_update) VALUES ((SELECT min(id) FROM driver_balance_types WHERE id > 1),"
                            " 'Parking', 12.5, 1, 1, 1) RETURNING id")
                            .toLongLong();
    sql("INSERT INTO paid_driver_services (rst_id_owner, rst_id_pst, enabled, dt_utc_insert, dt_utc_last_update)"
        " VALUES (?, ?, 1, 1, 1)",
        {driverId, type});
    DriverPaidServiceType services;
    QSignalSpy implemented(&services, &DriverPaidServiceType::saImplementPaidService);
    services.trImplementPaidService({{"id", QString::number(type)}});
    QCOMPARE(ownAnswer(implemented, services).value("RES").toString(), QString("10"));
    QCOMPARE(sql("SELECT count(*) FROM driver_balance_logs WHERE rst_id_owner = ?", {driverId}).toInt(), 1);
    QVERIFY(sql("SELECT balance FROM drivers WHERE id = ?", {driverId}).toDouble() != 100.0);

    // Several notifications go at once.
    const qint64 first = newNotification();
    const qint64 second = newNotification();
    Notification notifications;
    QSignalSpy removed(&notifications, &Notification::saBatchRemove);
    notifications.trBatchRemove({{"id", QStringLiteral("[%1,%2]").arg(first).arg(second)}});
    QCOMPARE(ownAnswer(removed, notifications).value("RES").toString(), QString("10"));
    QCOMPARE(sql("SELECT count(*) FROM notifications WHERE id IN (?, ?)", {first, second}).toInt(), 0);

    // A driver's open session is closed; the answer is this instance's and the connection stays.
    const qint64 session = sql("INSERT INTO driver_sessions (rst_id_owner, sign, dt_start, dt_end, dt_utc_insert,"
                               " dt_utc_last_update) VALUES (?, 's', 1000, 0, 1, 1) RETURNING id",
                               {driverId})
                               .toLongLong();
    DriverSession sessions;
    QSignalSpy closed(&sessions, &DriverSession::saClose);
    QVERIFY(sessions.trClose({{"rst_id_owner", QString::number(driverId)}}));
    QCOMPARE(ownAnswer(closed, sessions).value("RES").toString(), QString("10"));
    QCOMPARE(sql("SELECT type_close FROM driver_sessions WHERE id = ?", {session}).toInt(), 4);
    crashes.trGetDb({{"id", QString::number(report)}});
    QTRY_COMPARE_WITH_TIMEOUT(databases.count(), 2, timeLimit(10000));
}

void TestStandinExtras::rightsOfAnOperator()
{
    // Operators may read drivers but change none; they may not book balances or remove notifications.
    m_operator->activate();
    const qint64 driverId = newDriver();
    const qint64 notification = newNotification();
    Driver driver;
    Notification notifications;
    DriverPaidServiceType services;
    QSignalSpy archived(&driver, &Driver::saArchive);
    QSignalSpy passwords(&driver, &Driver::saChangePwd);
    QSignalSpy removed(&notifications, &Notification::saBatchRemove);
    QSignalSpy implemented(&services, &DriverPaidServiceType::saImplementPaidService);
    driver.trArchive({{"id", QString::number(driverId)}, {"is_archived", "1"}});
    driver.trChangePwd(
        {{"id", QString::number(driverId)}, {"pwd", passwordDigest("x")}, {"pwd_confirm", passwordDigest("x")}});
    notifications.trBatchRemove({{"id", QStringLiteral("[%1]").arg(notification)}});
    services.trImplementPaidService({{"id", "2"}});
    for (QSignalSpy *spy : {&archived, &passwords}) {
        const QVariantMap answer = ownAnswer(*spy, driver);
        QCOMPARE(answer.value("RES").toString(), QString("0"));
        QCOMPARE(answer.value("ERRCODE").toString(), QString("50"));
    }
    QCOMPARE(ownAnswer(removed, notifications).value("ERRCODE").toString(), QString("50"));
    QCOMPARE(ownAnswer(implemented, services).value("ERRCODE").toString(), QString("50"));
    QCOMPARE(sql("SELECT is_archived FROM drivers WHERE id = ?", {driverId}).toInt(), 0);
    QVERIFY(sql("SELECT pwd FROM drivers WHERE id = ?", {driverId}).toString().isEmpty());
    QCOMPARE(sql("SELECT count(*) FROM notifications WHERE id = ?", {notification}).toInt(), 1);
}

QTEST_MAIN(TestStandinExtras)
#include "tst_standinextras.moc"
