// Payment and paid service pages end to end, the program signed in to the stand-in over
// PostgreSQL: a driver connected to a paid service type and the type applied (the balance entry
// is stored and shows in the open driver editor's balance tab, whose other tabs show the service
// and ask for the driver's payments); the
// raise-rating cost saved and read back as JSON numbers, and a missing record, a malformed value
// and an empty cost said, never saved; the payment log filtered by company and period, asked for
// only once both filter lists are there, and not kept waiting by a refused filter list; the
// credentials of payment systems and accounts reach their editors and no list.
#include "dayend.h"
#include "editortabs.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "shownperiod.h"

#include "startup/startup.h"

#include "client/controller/recordfinder.h"
#include "gui/frame/frames.h"
#include "gui/shell/global.h"
#include "timelimit.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using PageControls::cell;
using PageControls::press;
using PageControls::rowOf;
using PageControls::rowsOf;

namespace {

const QString LogList = QStringLiteral("paymentSysDriversPaymentsLog_trGetList");

QStringList seed()
{
    return {
        "INSERT INTO companies (company_name, sign, uuid_company, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('North Cab', 'north-cab', 'c-north', 1000, 1000), ('South Cab', 'south-cab', 'c-south', 1000, 1000)",
        "INSERT INTO drivers (sign, last_name, dt_utc_insert, dt_utc_last_update) VALUES ('pf-1', 'Payer', 1000, 1000),"
        " ('pf-2', 'Other', 1000, 1000)",
        // A credit type: the price is taken from the driver's balance.
        "INSERT INTO paid_service_type_driver (rst_id_bt, rst_id_company, name, price, enabled, dt_utc_insert,"
        " dt_utc_last_update) SELECT 15, id, 'Car wash', 12.5, 1, 1000, 1000 FROM companies WHERE sign = 'north-cab'",
        "INSERT INTO payment_systems (uuid, name, code, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('ps-flow', 'LiqPay', 'lqp', 1000, 1000)",
    };
}

// The objects below an object: its children and, for items, the items shown in it (an editor's
// tab pages made later belong to no parent object).
void collect(QObject *object, QList<QObject *> &found)
{
    if (!object || found.contains(object))
        return;
    found.append(object);
    for (QObject *child : object->children())
        collect(child, found);
    if (auto *item = qobject_cast<QQuickItem *>(object)) {
        for (QQuickItem *child : item->childItems())
            collect(child, found);
    }
}

// The item below the page (or its window) that has the property; with a controller name, the
// table view of that controller.
QObject *itemWith(QObject *page, const char *property, const QString &controller = QString())
{
    QList<QObject *> found;
    collect(page, found);
    collect(page ? page->property("window").value<QObject *>() : nullptr, found);
    if (auto *window = qobject_cast<QQuickWindow *>(page ? page->property("window").value<QObject *>() : nullptr))
        collect(window->contentItem(), found);
    for (QObject *child : found) {
        if (child == page || child->metaObject()->indexOfProperty(property) < 0)
            continue;
        QObject *owner = child->property("controller").value<QObject *>();
        if (controller.isEmpty() || (owner && owner->property("name").toString() == controller))
            return child;
    }
    return nullptr;
}

QStringList shownIds(QObject *view)
{
    QAbstractItemModel *rows = rowsOf(view);
    QStringList ids;
    for (int row = 0; rows && row < rows->rowCount(); ++row)
        ids.append(cell(rows, row, "id").toString());
    ids.sort();
    return ids;
}

// Shows an editor's tab by its object name.
bool showTab(QObject *editor, const QString &name)
{
    QObject *tabView = editor->property("tabView").value<QObject *>();
    QObject *bar = tabView ? tabView->property("tabBar").value<QObject *>() : nullptr;
    for (int index = 0; bar && index < bar->property("count").toInt(); ++index) {
        QQuickItem *button = nullptr;
        QMetaObject::invokeMethod(bar, "itemAt", Q_RETURN_ARG(QQuickItem *, button), Q_ARG(int, index));
        if (button && button->objectName() == name) {
            bar->setProperty("currentIndex", index);
            return true;
        }
    }
    return false;
}

QJsonObject conditions(const QJsonObject &request)
{
    // role -> "operation value" of every expression of the JSON_WHERE.
    QJsonObject found;
    const QJsonArray groups = QJsonDocument::fromJson(request.value("JSON_WHERE").toString().toUtf8()).array();
    for (const QJsonValue &group : groups) {
        for (const QJsonValue &expression : group.toObject().value("expressions").toArray()) {
            const QJsonObject e = expression.toObject();
            const QString key = e.value("role").toString();
            found.insert(key, (found.value(key).toString() + ' ' + e.value("operation").toString() + ' '
                               + e.value("value").toString()).trimmed());
        }
    }
    return found;
}

// A request of the program's own, sent after every request it sent so far. The stand-in tells of
// requests in the order they came: once it has told of the probe, it has told of them all.
class Probe
{
public:
    explicit Probe(PageProgram &program)
        : m_program(program), m_found(&m_finder, &Client::Controller::RecordFinder::found)
    {
        static int probes = 0;
        m_id = QString::number(-1000 - ++probes);
        m_finder.find({{"id", m_id}});
    }

    // Waits until the stand-in has told of the probe.
    bool heard()
    {
        return m_program.server().waitFor([this](const QJsonObject &event) {
            return StandinServer::isMessage("city_trGetList")(event)
                && event.value("message").toObject().value("id").toString() == m_id;
        });
    }
    // Waits for its answer, so that none comes to a finder that is gone.
    bool answered() { return !m_found.isEmpty() || m_found.wait(timeLimit(10000)); }

private:
    PageProgram &m_program;
    Client::Controller::RecordFinder m_finder{QStringLiteral("city")};
    QSignalSpy m_found;
    QString m_id;
};

// Waits until the stand-in has told of every request the program sent so far.
bool allSentHeard(PageProgram &program)
{
    Probe probe(program);
    return probe.heard() && probe.answered();
}

} // namespace

class TestPaymentPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void paidServiceConnectedAndApplied();
    void raiseRatingCost();
    void paymentLogByCompanyAndPeriod();
    void paymentLogWaitsForBothFilterLists();
    void refusedFilterListEndsTheWait();
    void companyAccountsTab();
    void credentialsStayInTheEditor();
    void duplicateTakesAnotherProvider();

private:
    QString id(const QString &statement) { return m_program.query(statement).toString(); }
    void setAdminRight(const QString &code, const QString &value);
    QObject *openRaiseRating();

    PageProgram m_program;
};

void TestPaymentPages::initTestCase()
{
    const QString failure = m_program.start("paymentpages", {}, seed());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestPaymentPages::cleanupTestCase()
{
    // Where a planned day's end fell: between the first row of today's and the last check of it.
    const QString fault = DayEnd::straddleFault();
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestPaymentPages::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestPaymentPages::setAdminRight(const QString &code, const QString &value)
{
    m_program.setAdminRight(code, value);
}

void TestPaymentPages::paidServiceConnectedAndApplied()
{
    const QString driver = id("SELECT id FROM drivers WHERE sign = 'pf-1'");
    const QString type = id("SELECT id FROM paid_service_type_driver WHERE name = 'Car wash'");

    // Connected from the driver's side: the editor starts with the driver and the type.
    QPointer<QObject> editor = m_program.openPage(
        "qrc:/qml/driver/driver-paid-service/DriverPaidServiceEditor.qml",
        {{"state", "ADD"}, {"rst_id_owner", driver}, {"drv_sign", "pf-1"}, {"rst_id_pst", type}});
    QVERIFY(editor);
    QCOMPARE(pageControl(editor, "drv_sign")->property("text").toString(), QString("pf-1"));
    QTRY_COMPARE(pageControl(editor, "pst_name")->property("text").toString(), QString("Car wash"));
    QVERIFY(pageControl(editor, "enabled")->property("checked").toBool());
    const int news = m_program.sentCount("driverPaidService_trNew");
    press(editor, "okButton");
    QVERIFY(m_program.waitForSent("driverPaidService_trNew", news + 1));
    QJsonObject request = m_program.sent("driverPaidService_trNew").last();
    for (const char *key : {"FN", "RECEIVER", "SIGN"})
        request.remove(key);
    QCOMPARE(request, (QJsonObject{{"id", "0"}, {"rst_id_owner", driver}, {"rst_id_pst", type}, {"enabled", "1"}}));
    QTRY_COMPARE(m_program.query("SELECT count(*) FROM paid_driver_services WHERE rst_id_owner = ? AND rst_id_pst = ?"
                                 " AND enabled = 1", {driver, type}).toInt(), 1);
    QVERIFY(m_program.closePage(editor));

    // The driver editor: the paid services tab shows the driver's only, the payments tab asks for
    // the driver's.
    m_program.query("INSERT INTO paid_driver_services (rst_id_owner, rst_id_pst, enabled, dt_utc_insert,"
                    " dt_utc_last_update) SELECT id, ?, 1, 1000, 1000 FROM drivers WHERE sign = 'pf-2'", {type});
    const qint64 editorOpened = QDateTime::currentMSecsSinceEpoch();
    QPointer<QObject> driverEditor = m_program.openPage("qrc:/qml/driver/driver/DriverEditor.qml",
                                                        {{"state", "EDIT"}, {"id", driver}});
    QVERIFY(driverEditor);
    QTRY_VERIFY(!driverEditor->property("isBusy").toBool()
                && driverEditor->property("form").value<QObject *>()->property("id").toString() == driver);
    QVERIFY(showTab(driverEditor, "paidServicesTab"));
    QObject *services = nullptr;
    QTRY_VERIFY((services = itemWith(driverEditor, "hardFilters", "driverPaidService")));
    QTRY_COMPARE(rowsOf(services)->rowCount(), 1);
    QCOMPARE(cell(rowsOf(services), 0, "pst_name").toString(), QString("Car wash"));
    const int logs = m_program.sentCount(LogList);
    QVERIFY(showTab(driverEditor, "paymentsLogTab"));
    QVERIFY(m_program.waitForSent(LogList, logs + 1));
    QCOMPARE(conditions(m_program.sent(LogList).last()).value("rst_id_owner").toString(), "= " + driver);
    QCOMPARE(ShownPeriod(editorTabPage(driverEditor, "paymentsLogTab"), editorOpened).dayFault(m_program), QString());
    // The balance tab stays open while the service is applied.
    QVERIFY(showTab(driverEditor, "balanceTab"));
    QObject *balance = nullptr;
    QTRY_VERIFY((balance = itemWith(driverEditor, "hardFilters", "dbl")));
    QTRY_VERIFY(!driverEditor->property("isBusy").toBool());
    QCOMPARE(rowsOf(balance)->rowCount(), 0);
    const ShownPeriod balancePeriod(editorTabPage(driverEditor, "balanceTab"), editorOpened);
    QCOMPARE(balancePeriod.dayFault(m_program), QString());

    // Applied: confirmed, the price is booked on the driver's balance.
    QPointer<QObject> table = m_program.openPage("qrc:/qml/driver/driver-paid-service-type/DriverPaidServiceTypeTable.qml");
    QVERIFY(table);
    QObject *view = itemWith(table, "hardFilters");
    QTRY_VERIFY(rowOf(rowsOf(view), type) >= 0);
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, rowOf(rowsOf(view), type)));
    m_program.watchdog().answerNext(QMessageBox::Yes);
    press(table, "applyButton");
    QVERIFY(m_program.waitForSent("driverPaidServiceType_trImplementPaidService", 1));
    QCOMPARE(m_program.sent("driverPaidServiceType_trImplementPaidService").last().value("id").toString(), type);
    QTRY_COMPARE(m_program.query("SELECT count(*) FROM driver_balance_logs WHERE rst_id_owner = ? AND value = -12.5",
                                 {driver}).toInt(), 1);
    QCOMPARE(m_program.query("SELECT balance FROM drivers WHERE id = ?", {driver}).toDouble(), -12.5);
    DayEnd::noteSeed();
    // The open driver editor's balance tab shows the entry: by its push or, where the day the tab
    // shows ended before it was booked, dated into that day and read again.
    QVERIFY(balancePeriod.keepRows(m_program, "rst_id_owner = " + driver));
    QTRY_COMPARE(rowsOf(balance)->rowCount(), 1);
    QCOMPARE(cell(rowsOf(balance), 0, "value").toDouble(), -12.5);
    DayEnd::noteCheck();
    QTRY_VERIFY(!table->property("isBusy").toBool());
    QCOMPARE(m_program.watchdog().texts(), QStringList{"Are you sure to change balance?"});
    m_program.watchdog().reset();

    // A disabled type is refused with its own message, and nothing is booked.
    m_program.query("UPDATE paid_service_type_driver SET enabled = 0 WHERE id = ?", {type});
    m_program.watchdog().answerNext(QMessageBox::Yes);
    press(table, "applyButton");
    QTRY_COMPARE(m_program.watchdog().texts().size(), 2);
    QVERIFY2(m_program.watchdog().texts().last().startsWith("DRIVER PAID SERVICE TYPE: Serivce type is disabled"),
             qPrintable(m_program.watchdog().texts().join('\n')));
    m_program.watchdog().reset();
    QCOMPARE(m_program.query("SELECT count(*) FROM driver_balance_logs WHERE rst_id_owner = ?", {driver}).toInt(), 1);
    QVERIFY(!table->property("isBusy").toBool());
    QVERIFY(m_program.closePage(table));
    QVERIFY(m_program.closePage(driverEditor));
}

QObject *TestPaymentPages::openRaiseRating()
{
    QObject *editor = m_program.openPage("qrc:/qml/driver/driver-raise-rating/DriverRaiseRatingEditor.qml");
    QObject *form = editor ? editor->property("form").value<QObject *>() : nullptr;
    if (!form || !QTest::qWaitFor([&] { return !form->property("isBusy").toBool(); }, timeLimit(10000)))
        return nullptr;
    return editor;
}

void TestPaymentPages::raiseRatingCost()
{
    const QString stored = "SELECT value FROM values WHERE code = 'raise_rating_cost'";
    const QString updates = QStringLiteral("value_trUpdate");

    // Point mode at 7.5 a point: stored as JSON numbers, the common cost kept; the lock taken
    // on the record read is released.
    const int unlocks = m_program.sentCount("value_trUnlock");
    QPointer<QObject> editor = openRaiseRating();
    QVERIFY(editor);
    QTRY_COMPARE(pageControl(editor, "common_cost")->property("legalText").toString(), QString("30"));
    QVERIFY(pageControl(editor, "commonMode")->property("checked").toBool());
    QVERIFY(!pageControl(editor, "point_cost")->isEnabled());
    pageControl(editor, "pointMode")->setProperty("checked", true);
    QVERIFY(pageControl(editor, "point_cost")->isEnabled());
    pageControl(editor, "point_cost")->setProperty("text", "7.5");
    press(editor, "okButton");
    QTRY_VERIFY(editor.isNull());
    QVERIFY(m_program.waitForSent("value_trUnlock", unlocks + 1));
    QJsonObject value = QJsonDocument::fromJson(m_program.query(stored).toByteArray()).object();
    QCOMPARE(value.value("mode").toString(), QString("point"));
    QVERIFY(value.value("cost").toObject().value("point").isDouble());
    QCOMPARE(value.value("cost").toObject().value("point").toDouble(), 7.5);
    QCOMPARE(value.value("cost").toObject().value("common").toDouble(), 30.0);

    // Read back as stored.
    editor = openRaiseRating();
    QVERIFY(editor);
    QTRY_VERIFY(pageControl(editor, "pointMode")->property("checked").toBool());
    QCOMPARE(pageControl(editor, "point_cost")->property("text").toString(), QString("7.5"));

    // An empty cost is said and not sent; the editor stays.
    int sent = m_program.sentCount(updates);
    pageControl(editor, "point_cost")->setProperty("text", "");
    press(editor, "okButton");
    QTRY_COMPARE(m_program.watchdog().texts(), QStringList{"Cost must be a number"});
    m_program.watchdog().reset();
    QVERIFY(allSentHeard(m_program));
    QCOMPARE(m_program.sentCount(updates), sent);
    QVERIFY(editor);
    pageControl(editor, "point_cost")->setProperty("text", "7.5");
    QVERIFY(m_program.closePage(editor));

    // A malformed value is said; closing saves nothing over it.
    const QString good = m_program.query(stored).toString();
    m_program.query("UPDATE values SET value = '{\"mode\": \"point\"' WHERE code = 'raise_rating_cost'");
    editor = openRaiseRating();
    QVERIFY(editor);
    QTRY_VERIFY(!m_program.watchdog().texts().isEmpty());
    QVERIFY2(m_program.watchdog().texts().first().startsWith("The stored raise rating cost is not valid"),
             qPrintable(m_program.watchdog().texts().join('\n')));
    m_program.watchdog().reset();
    QCOMPARE(pageControl(editor, "common_cost")->property("text").toString(), QString("0"));
    press(editor, "okButton");
    QTRY_VERIFY(editor.isNull());
    // Its lock and unlock are heard too, before the locks are counted below.
    QVERIFY(allSentHeard(m_program));
    QCOMPARE(m_program.sentCount(updates), sent);
    QCOMPARE(m_program.query(stored).toString(), QString("{\"mode\": \"point\""));
    m_program.query("UPDATE values SET value = ? WHERE code = 'raise_rating_cost'", {good});

    // No record: said, the editor is not left busy, locks and saves nothing.
    m_program.query("UPDATE values SET code = 'raise_rating_cost_off' WHERE code = 'raise_rating_cost'");
    const int locks = m_program.sentCount("value_trLock");
    editor = openRaiseRating();
    QVERIFY(editor);
    QTRY_VERIFY(!m_program.watchdog().texts().isEmpty());
    QCOMPARE(m_program.watchdog().texts(), QStringList{"The server has no raise rating cost (value \"raise_rating_cost\")"});
    m_program.watchdog().reset();
    QVERIFY(!editor->property("isBusy").toBool());
    press(editor, "okButton");
    QTRY_VERIFY(editor.isNull());
    QVERIFY(allSentHeard(m_program));
    QCOMPARE(m_program.sentCount(updates), sent);
    QCOMPARE(m_program.sentCount("value_trLock"), locks);
    m_program.query("UPDATE values SET code = 'raise_rating_cost' WHERE code = 'raise_rating_cost_off'");
}

void TestPaymentPages::paymentLogByCompanyAndPeriod()
{
    const QString north = id("SELECT id FROM companies WHERE sign = 'north-cab'");
    const QString south = id("SELECT id FROM companies WHERE sign = 'south-cab'");
    const QString system = id("SELECT id FROM payment_systems WHERE code = 'lqp'");
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const QString entry = "INSERT INTO payment_systems_drivers_payments_logs (rst_id_company, rst_id_payment_system,"
                          " sign, amount, trn_key, dt_utc_insert, dt_utc_last_update) VALUES (?, ?, 'pf-1', 10, ?, ?, ?)"
                          " RETURNING id";
    QStringList expected;
    for (const char *key : {"n-1", "n-2"})
        expected.append(m_program.query(entry, {north, system, key, now, now}).toString());
    expected.sort();
    m_program.query(entry, {north, system, "n-old", now - 3 * 86400000LL, now});
    const QString southEntry = m_program.query(entry, {south, system, "s-1", now, now}).toString();
    DayEnd::noteSeed(now);
    // A day's end planned for the run comes here at the latest: the payments are the old day's.
    DayEnd::awaitPlannedEnd();

    const int before = m_program.sentCount(LogList);
    const qint64 opened = QDateTime::currentMSecsSinceEpoch();
    QPointer<QObject> table = m_program.openPage("qrc:/qml/payment/payment-system-log/PaymentSystemLogTable.qml");
    QVERIFY(table);
    QVERIFY(m_program.waitForSent(LogList, before + 1));
    QObject *view = itemWith(table, "hardFilters");
    QObject *container = itemWith(table, "paymentSystems");
    QVERIFY(view && container);
    // Everything of the period first: no company or system condition.
    QJsonObject first = conditions(m_program.sent(LogList).last());
    QVERIFY(!first.contains("rst_id_company") && !first.contains("rst_id_payment_system"));
    // Today's payments, that day's also when it ended since they were made; the old one stays out.
    const ShownPeriod period(table, opened);
    QCOMPARE(period.dayFault(m_program), QString());
    QVERIFY(period.keepRows(m_program, QString("id IN (%1, %2)").arg(expected.join(", "), southEntry)));
    QTRY_VERIFY(shownIds(view).contains(southEntry) && shownIds(view).contains(expected.first()));

    // The "all" entries come first.
    QObject *companies = container->property("companies").value<QObject *>();
    auto *companyRows = companies->property("proxyModel").value<QAbstractItemModel *>();
    QCOMPARE(cell(companyRows, 0, "id").toString(), QString("1"));
    QCOMPARE(cell(companyRows, 0, "company_name").toString(), QString("[All companies]"));

    // North chosen: exactly its payments of the period.
    QObject *companyBox = container->property("companyBox").value<QObject *>();
    companyBox->setProperty("currentIndex", rowOf(companyRows, north));
    QMetaObject::invokeMethod(container, "onFilterChosen");
    // The list asked again, whether or not the day's payments were asked for once more above.
    QTRY_COMPARE(conditions(m_program.sent(LogList).last()).value("rst_id_company").toString(), "= " + north);
    const QJsonObject chosen = conditions(m_program.sent(LogList).last());
    QVERIFY(chosen.value("dt_utc_insert").toString().startsWith(">= "));
    QTRY_COMPARE(shownIds(view), expected);
    DayEnd::noteCheck();
    QTRY_VERIFY(!table->property("isBusy").toBool());
    QVERIFY(m_program.closePage(table));
}

void TestPaymentPages::paymentLogWaitsForBothFilterLists()
{
    // The company list waits on a lock; the payment system list is answered by hand meanwhile.
    {
        QSqlDatabase blocker = QSqlDatabase::cloneDatabase(m_program.database(), "payment-blocker");
        QVERIFY(blocker.open());
        QVERIFY(blocker.transaction());
        // The lock goes however the test ends.
        const std::shared_ptr<void> release(nullptr, [&blocker](void *) { blocker.rollback(); });
        QVERIFY(QSqlQuery(blocker).exec("LOCK TABLE companies IN ACCESS EXCLUSIVE MODE"));
        const int companyLists = m_program.sentCount("company_trGetList");
        const int before = m_program.sentCount(LogList);
        QPointer<QObject> table = m_program.openPage("qrc:/qml/payment/payment-system-log/PaymentSystemLogTable.qml");
        QVERIFY(table);
        QVERIFY(m_program.waitForSent("company_trGetList", companyLists + 1));
        QObject *container = itemWith(table, "paymentSystems");
        QVERIFY(container);
        QObject *systems = container->property("paymentSystems").value<QObject *>();
        const QString receiver = systems->property("objectNumber").toString();
        for (const char *state : {"start", "end"}) {
            m_program.push({{"FN", "paymentSystem_saGetList"}, {"RECEIVER", receiver}, {"RES", "10"},
                            {"STATE", state}});
        }
        QTRY_VERIFY(container->property("paymentSystemsArrived").toBool());
        // Its answer waits behind the company list's.
        Probe probe(m_program);
        QVERIFY(probe.heard());
        QCOMPARE(m_program.sentCount(LogList), before);
        QVERIFY(!container->property("filtersArrived").toBool());

        // The company list arrives: the log is asked for once.
        QVERIFY(blocker.rollback());
        QVERIFY(probe.answered());
        QVERIFY(m_program.waitForSent(LogList, before + 1));
        // Once answered and shown, nothing asks again.
        QTRY_VERIFY(!table->property("isBusy").toBool());
        QVERIFY(allSentHeard(m_program));
        QCOMPARE(m_program.sentCount(LogList), before + 1);
        QVERIFY(m_program.closePage(table));
    }
    QSqlDatabase::removeDatabase("payment-blocker");
}

void TestPaymentPages::refusedFilterListEndsTheWait()
{
    // The server no longer grants the company list.
    setAdminRight("company.crud.read", "0");
    const int before = m_program.sentCount(LogList);
    QPointer<QObject> table = m_program.openPage("qrc:/qml/payment/payment-system-log/PaymentSystemLogTable.qml");
    QVERIFY(table);
    QTRY_VERIFY(!m_program.watchdog().boxes().isEmpty());
    QVERIFY2(m_program.watchdog().texts().first().startsWith(
                 "GET LIST: You don't have enough access privileges for this operation"),
             qPrintable(m_program.watchdog().texts().join('\n')));
    m_program.watchdog().reset();
    // The log still comes, for all companies, and nothing waits.
    QVERIFY(m_program.waitForSent(LogList, before + 1));
    QVERIFY(!conditions(m_program.sent(LogList).last()).contains("rst_id_company"));
    QObject *container = itemWith(table, "paymentSystems");
    auto *companyRows = container->property("companies").value<QObject *>()->property("proxyModel")
                            .value<QAbstractItemModel *>();
    QCOMPARE(companyRows->rowCount(), 1);
    QTRY_VERIFY(!table->property("isBusy").toBool());
    setAdminRight("company.crud.read", "1");
    QVERIFY(m_program.closePage(table));
}

void TestPaymentPages::companyAccountsTab()
{
    const QString north = id("SELECT id FROM companies WHERE sign = 'north-cab'");
    const QString account = id(
        "INSERT INTO payment_systems_company_accounts (uuid, rst_id_company, rst_id_payment_system, public_key,"
        " private_key, dt_utc_insert, dt_utc_last_update) SELECT 'acc-flow', " + north + ", id, 'pk-north',"
        " 'private-secret', 1000, 1000 FROM payment_systems WHERE code = 'lqp' RETURNING id");
    QPointer<QObject> editor = m_program.openPage("qrc:/qml/company/company/CompanyEditor.qml",
                                                  {{"state", "EDIT"}, {"id", north}});
    QVERIFY(editor);
    QTRY_COMPARE(editor->property("form").value<QObject *>()->property("id").toString(), north);
    const int lists = m_program.sentCount("paymentSysAccComp_trGetList");
    QVERIFY(showTab(editor, "accountsTab"));
    QVERIFY(m_program.waitForSent("paymentSysAccComp_trGetList", lists + 1));
    QCOMPARE(m_program.sent("paymentSysAccComp_trGetList").last().value("rst_id_company").toString(), north);
    QObject *view = itemWith(editor, "hardFilters", "paymentSysAccComp");
    QTRY_COMPARE(shownIds(view), QStringList{account});
    // The list never holds the private key.
    QVERIFY(!cell(rowsOf(view), 0, "private_key").isValid() || cell(rowsOf(view), 0, "private_key").toString().isEmpty());

    // Its editor opens with the company and reads the key.
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, 0));
    QVariant opened;
    QMetaObject::invokeMethod(view, "editAction", Q_RETURN_ARG(QVariant, opened));
    QPointer<QObject> accountEditor = opened.value<QObject *>();
    QVERIFY(accountEditor);
    QTRY_COMPARE(pageControl(accountEditor, "private_key")->property("legalText").toString(), QString("private-secret"));
    QCOMPARE(pageControl(accountEditor, "company_name")->property("text").toString(), QString("North Cab"));
    QCOMPARE(pageControl(accountEditor, "ps_name")->property("text").toString(), QString("LiqPay"));
    QVERIFY(m_program.closePage(accountEditor));
    QVERIFY(m_program.closePage(editor));
}

void TestPaymentPages::credentialsStayInTheEditor()
{
    const QString system = id("SELECT id FROM payment_systems WHERE code = 'lqp'");
    m_program.query("UPDATE payment_systems SET password = 'liq-secret' WHERE id = ?", {system});
    QPointer<QObject> table = m_program.openPage("qrc:/qml/payment/payment-system/PaymentSystemTable.qml");
    QVERIFY(table);
    QObject *view = itemWith(table, "hardFilters");
    QTRY_VERIFY(rowOf(rowsOf(view), system) >= 0);
    QVERIFY(cell(rowsOf(view), rowOf(rowsOf(view), system), "password").toString().isEmpty());

    // The editor reads the password and sends it back unchanged with the new login.
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, rowOf(rowsOf(view), system)));
    QVariant opened;
    QMetaObject::invokeMethod(view, "editAction", Q_RETURN_ARG(QVariant, opened));
    QPointer<QObject> editor = opened.value<QObject *>();
    QVERIFY(editor);
    QTRY_COMPARE(pageControl(editor, "password")->property("legalText").toString(), QString("liq-secret"));
    QTRY_VERIFY(!editor->property("form").value<QObject *>()->property("isBusy").toBool());
    // No credit key field but for Fondy, and the provider is fixed.
    QVERIFY(!pageControl(editor, "fondy_credit_key")->isVisible());
    QVERIFY(!pageControl(editor, "name")->isEnabled());
    pageControl(editor, "login")->setProperty("text", "liq-merchant");
    const int updates = m_program.sentCount("paymentSystem_trUpdate");
    press(editor, "okButton");
    QTRY_VERIFY(editor.isNull());
    QVERIFY(m_program.waitForSent("paymentSystem_trUpdate", updates + 1));
    QCOMPARE(m_program.sent("paymentSystem_trUpdate").last().value("password").toString(), QString("liq-secret"));
    QCOMPARE(m_program.query("SELECT password FROM payment_systems WHERE id = ?", {system}).toString(),
             QString("liq-secret"));

    // The table takes the saved record, but not its password.
    QTRY_COMPARE(cell(rowsOf(view), rowOf(rowsOf(view), system), "login").toString(), QString("liq-merchant"));
    QVERIFY(cell(rowsOf(view), rowOf(rowsOf(view), system), "password").toString().isEmpty());
    QVERIFY(m_program.closePage(table));
}

// Name and code are unique: Duplicate copies in the editor, one at a time, under another provider.
void TestPaymentPages::duplicateTakesAnotherProvider()
{
    const QString system = id("SELECT id FROM payment_systems WHERE code = 'lqp'");
    QPointer<QObject> table = m_program.openPage("qrc:/qml/payment/payment-system/PaymentSystemTable.qml");
    QVERIFY(table);
    QObject *view = itemWith(table, "hardFilters");
    QTRY_VERIFY(rowOf(rowsOf(view), system) >= 0);
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, rowOf(rowsOf(view), system)));
    const int copies = m_program.sentCount("paymentSystem_trDuplicate");
    press(table, "duplicateButton");
    QPointer<QObject> editor;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (QObject *frame : Gui::Global::currentFrames()->list()) {
                if (frame->property("url").toString().endsWith("PaymentSystemEditor.qml")
                    && frame->property("state") == "DUPLICATE")
                    editor = frame;
            }
            return !editor.isNull();
        }(),
        timeLimit(10000));
    QTRY_COMPARE(pageControl(editor, "code")->property("text").toString(), QString("lqp"));
    QVERIFY(allSentHeard(m_program));
    QCOMPARE(m_program.sentCount("paymentSystem_trDuplicate"), copies);
    QQuickItem *amount = pageControl(editor, "amount");
    QCOMPARE(amount->property("to").toInt(), 1);
    QVERIFY(!amount->isEnabled());

    // The provider is chosen for the copy.
    QQuickItem *name = pageControl(editor, "name");
    QVERIFY(name->isEnabled());
    name->setProperty("currentIndex", 1);
    QMetaObject::invokeMethod(name, "activated", Q_ARG(int, 1));
    QCOMPARE(pageControl(editor, "code")->property("text").toString(), QString("esp"));
    press(editor, "duplicateButton");
    QVERIFY(m_program.waitForSent("paymentSystem_trDuplicate", copies + 1));
    const QJsonObject request = m_program.sent("paymentSystem_trDuplicate").last();
    QCOMPARE(request.value("id").toString(), system);
    QCOMPARE(request.value("name").toString(), QString("EasyPay"));
    QCOMPARE(request.value("code").toString(), QString("esp"));
    QTRY_VERIFY_WITH_TIMEOUT(editor.isNull(), timeLimit(10000));
    const QString copy = id("SELECT id FROM payment_systems WHERE code = 'esp'");
    QVERIFY(!copy.isEmpty());
    QTRY_VERIFY(rowOf(rowsOf(view), copy) >= 0);
    QVERIFY(m_program.closePage(table));
}

KORIV_PAGE_TEST_MAIN(TestPaymentPages)

#include "tst_paymentpages.moc"
