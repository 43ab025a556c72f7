// Notifications in the program signed in to the stand-in over PostgreSQL: a driver's change
// request raised by the server rings the bell, is read in its editor and approved in the driver
// editor; the table marks notifications read only under their lock and removes exactly those
// it sent; "More..." opens the driver a change request names by sign alone (archived too), and
// nothing for a value that names no record; the notification types decide who receives an event.
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "secondclient.h"

#include "startup/startup.h"

#include "model/base/notification/notification.h"

#include "gui/core/context.h"
#include "gui/shell/global.h"
#include "gui/frame/frames.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/widget/countindicator.h"
#include "gui/widget/indicatortoolbutton.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using PageControls::formOf;
using PageControls::press;
using PageControls::shownRow;
using PageControls::shownValue;
using PageControls::tableViewOf;

namespace {

const QString SecondPassword = QStringLiteral("night shift");
const QString EditorUrl = QStringLiteral("qrc:/qml/notification/NotificationEditor-norvik.qml");
const QString DriverEditorUrl = QStringLiteral("qrc:/qml/driver/driver/DriverEditor.qml");

// Selects the rows of those records, the first one current.
void selectRecords(QObject *page, const QStringList &ids)
{
    QObject *view = tableViewOf(page);
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, shownRow(page, ids.first())));
    QObject *selection = view->property("selection").value<QObject *>();
    for (const QString &id : ids.mid(1)) {
        const int row = shownRow(page, id);
        QMetaObject::invokeMethod(selection, "select", Q_ARG(QVariant, row), Q_ARG(QVariant, row));
    }
}

QObject *lastFrame()
{
    Gui::Frames *frames = Gui::Global::currentFrames();
    return frames && !frames->list().isEmpty() ? frames->list().last() : nullptr;
}

int frameCount()
{
    Gui::Frames *frames = Gui::Global::currentFrames();
    return frames ? frames->list().size() : 0;
}

} // namespace

class TestNotificationFlows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void changeRequestApproved();
    void tableMarksReadAndRemoves();
    void moreOpensTheNamedRecord();
    void typesChooseTheReceivers();

private:
    // The server raises an event; the id of the signed-in operator's notification of it.
    QString raise(const QString &context, const QString &value);
    // A notification of the operator's whose message holds any value, as a database may hold one.
    QString store(const QString &context, const QString &value);
    QString userId(const QString &sign);
    int bellCount() const;
    // The operator's unread notifications in the database.
    int unreadOf(const QString &sign);
    // The notification requests of the program (not the second client) about that id, in order.
    QStringList requestsOf(const QString &id);
    QObject *openTable();

    SecondClient m_other;
    PageProgram m_program;
};

void TestNotificationFlows::initTestCase()
{
    const QString failure = m_program.start("notifications", {"second:" + passwordDigest(SecondPassword)});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(m_other.signIn(m_program.server().port(), "second", SecondPassword));
    m_other.watch<Model::Base::Notification>("notification");
}

void TestNotificationFlows::cleanup()
{
    // A case that failed half-way leaves its pages open (an editor holding its lock, a table the
    // bell would bring forward): the next case starts with none, closed without their questions.
    QList<QPointer<QObject>> open;
    if (Gui::Frames *frames = Gui::Global::currentFrames()) {
        for (QObject *frame : frames->list())
            open.append(frame);
    }
    for (const QPointer<QObject> &frame : qAsConst(open)) {
        if (frame)
            QMetaObject::invokeMethod(frame, "closeFrame");
    }
    QTRY_VERIFY(std::all_of(open.cbegin(), open.cend(), [](const QPointer<QObject> &frame) { return frame.isNull(); }));
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

QString TestNotificationFlows::userId(const QString &sign)
{
    return m_program.query("SELECT id FROM users WHERE sign = ?", {sign}).toString();
}

QString TestNotificationFlows::raise(const QString &context, const QString &value)
{
    StandinServer &server = m_program.server();
    const auto notified = StandinServer::isEvent("notified");
    const int before = server.count(notified);
    server.command(QStringLiteral("notify %1 %2").arg(context, value));
    if (!server.waitForCount(notified, before + 1))
        return QString();
    int message = 0;
    for (const QJsonObject &event : server.events()) {
        if (notified(event))
            message = event.value("message").toInt();
    }
    return m_program
        .query("SELECT id FROM notifications WHERE rst_id_nm = ? AND rst_id_owner = ?", {message, userId("admin")})
        .toString();
}

QString TestNotificationFlows::store(const QString &context, const QString &value)
{
    const QVariant message = m_program.query(
        "INSERT INTO notification_messages (rst_id_nt, context, value, is_completed, dt_utc_insert,"
        " dt_utc_last_update) VALUES (1, ?, ?, 0, 1000, 1000) RETURNING id",
        {context, value});
    return m_program
        .query("INSERT INTO notifications (rst_id_nt, rst_id_nm, rst_id_owner, is_readed, dt_utc_insert,"
               " dt_utc_last_update) VALUES (1, ?, ?, 0, 1000, 1000) RETURNING id",
               {message, userId("admin")})
        .toString();
}

int TestNotificationFlows::unreadOf(const QString &sign)
{
    return m_program.query("SELECT count(*) FROM notifications WHERE rst_id_owner = ? AND is_readed = 0", {userId(sign)})
        .toInt();
}

int TestNotificationFlows::bellCount() const
{
    auto *bell = Gui::Context::mainWindow()->findChild<Gui::IndicatorToolButton *>();
    return bell ? bell->indicator()->count() : -1;
}

QStringList TestNotificationFlows::requestsOf(const QString &id)
{
    QStringList names;
    for (const QJsonObject &event : m_program.server().events()) {
        const QJsonObject message = event.value("message").toObject();
        if (event.value("event") == "message" && event.value("conn").toInt() == m_program.connection()
            && message.value("id").toString() == id
            && message.value("FN").toString().startsWith("notification_"))
            names.append(message.value("FN").toString());
    }
    return names;
}

QObject *TestNotificationFlows::openTable()
{
    auto *bell = Gui::Context::mainWindow()->findChild<Gui::IndicatorToolButton *>();
    if (!bell)
        return nullptr;
    bell->click();
    QObject *page = lastFrame();
    return page && page->property("url").toString() == "qrc:/qml/notification/NotificationTable.qml" ? page : nullptr;
}

void TestNotificationFlows::changeRequestApproved()
{
    // A driver registered after the program loaded its lists: the shared driver list lacks him.
    const QString driver = m_program
                               .query("INSERT INTO drivers (sign, first_name, phone, dt_utc_insert, dt_utc_last_update)"
                                      " VALUES ('nt-approve', 'Old', '+1', 1000, 1000) RETURNING id")
                               .toString();
    const int rung = bellCount();
    const QString proposal = QStringLiteral(R"({"data": {"id": "%1", "first_name": "New", "phone": "+2"}})").arg(driver);
    const QString id = raise("driver.update", proposal);
    QVERIFY(!id.isEmpty());
    QTRY_COMPARE(bellCount(), rung + 1);

    QPointer<QObject> table = openTable();
    QVERIFY(table);
    QTRY_VERIFY(shownRow(table, id) >= 0);
    QCOMPARE(shownValue(table, id, "name"), QString("Update of driver"));
    QCOMPARE(shownValue(table, id, "is_readed"), QString("0"));

    // Read in its editor: marked read only once its lock is granted; the bell follows.
    QMetaObject::invokeMethod(tableViewOf(table), "selectRow", Q_ARG(QVariant, shownRow(table, id)));
    QVariant opened;
    QMetaObject::invokeMethod(tableViewOf(table), "editAction", Q_RETURN_ARG(QVariant, opened));
    QPointer<QObject> editor = opened.value<QObject *>();
    QVERIFY(editor);
    QCOMPARE(editor->property("url").toString(), EditorUrl);
    QTRY_COMPARE(pageControl(editor, "context")->property("legalText").toString(), QString("driver.update"));
    QTRY_COMPARE(m_program.query("SELECT is_readed FROM notifications WHERE id = ?", {id}).toInt(), 1);
    // The stand-in's log reaches this process on its own path, after the database may have changed.
    QTRY_COMPARE(requestsOf(id).mid(0, 3),
             (QStringList{"notification_trInfo", "notification_trLock", "notification_trUpdate"}));
    const QJsonObject mark = m_program.sent("notification_trUpdate").last();
    QCOMPARE(mark.value("is_readed").toString(), QString("1"));
    QTRY_COMPARE(bellCount(), rung);
    QTRY_COMPARE(shownValue(table, id, "is_readed"), QString("1"));
    QVERIFY(pageControl(editor, "moreButton")->isVisible());

    // "More...": the driver editor of the id the value carries, with the change to resolve.
    press(editor, "moreButton");
    QPointer<QObject> driverEditor = lastFrame();
    QVERIFY(driverEditor);
    QCOMPARE(driverEditor->property("url").toString(), DriverEditorUrl);
    QCOMPARE(driverEditor->property("id").toString(), driver);
    QObject *form = formOf(driverEditor);
    QTRY_VERIFY(form->property("resolutionVisible").toBool());
    QQuickItem *firstName = pageControl(driverEditor, "first_name");
    QCOMPARE(firstName->property("legalText").toString(), QString("New"));
    QVERIFY(firstName->property("isMismatch").toBool());
    QTRY_VERIFY(!form->property("isBusy").toBool());

    // Approved: the driver row takes the proposal, the request is completed, and the open
    // notification editor reads the completion the system made.
    const int reads = m_program.sentCount("notification_trInfo");
    QMetaObject::invokeMethod(form, "resolutionApprove");
    QVERIFY(m_program.waitForSent("driver_trApprove", m_program.sentCount("driver_trApprove")));
    QTRY_COMPARE(m_program.query("SELECT first_name || ' ' || phone FROM drivers WHERE id = ?", {driver}).toString(),
                 QString("New +2"));
    QCOMPARE(m_program.query("SELECT m.is_completed FROM notification_messages m JOIN notifications n"
                             " ON n.rst_id_nm = m.id WHERE n.id = ?", {id}).toInt(), 1);
    QTRY_VERIFY(editor->property("isCompleted").toBool());
    QTRY_VERIFY(m_program.sentCount("notification_trInfo") > reads);
    QTRY_VERIFY(!form->property("resolutionVisible").toBool());
    QTRY_COMPARE(shownValue(table, id, "is_completed"), QString("1"));
    QVERIFY(m_program.closePage(driverEditor));

    // A completed request leads to the driver with nothing left to resolve.
    press(editor, "moreButton");
    driverEditor = lastFrame();
    QVERIFY(driverEditor);
    QCOMPARE(driverEditor->property("url").toString(), DriverEditorUrl);
    QTRY_COMPARE(pageControl(driverEditor, "first_name")->property("legalText").toString(), QString("New"));
    QTRY_VERIFY(!formOf(driverEditor)->property("isBusy").toBool());
    QVERIFY(!formOf(driverEditor)->property("resolutionVisible").toBool());
    QVERIFY(!pageControl(driverEditor, "first_name")->property("isMismatch").toBool());
    QVERIFY(m_program.closePage(driverEditor));
    QVERIFY(m_program.closePage(editor));
    QVERIFY(m_program.closePage(table));
}

void TestNotificationFlows::tableMarksReadAndRemoves()
{
    const QString value = QStringLiteral(R"({"data": {"id": "2"}})");
    const QString a = raise("driver.update", value);
    const QString b = raise("driver.update", value);
    const QString c = raise("driver.update", value);
    const QString d = raise("driver.update", value);
    QVERIFY(!a.isEmpty() && !b.isEmpty() && !c.isEmpty() && !d.isEmpty());
    QPointer<QObject> table = openTable();
    QVERIFY(table);
    QTRY_VERIFY(shownRow(table, d) >= 0);
    // The bell counts the four once their list has come, whatever an earlier case left unread.
    QTRY_COMPARE(bellCount(), unreadOf("admin"));
    const int unread = bellCount();

    // Two marked read: each locked, updated once the lock is granted, unlocked.
    selectRecords(table, {a, b});
    press(table, "markReadButton");
    QTRY_COMPARE(m_program.query("SELECT count(*) FROM notifications WHERE id IN (?, ?) AND is_readed = 1", {a, b})
                     .toInt(),
                 2);
    const QStringList marked{"notification_trLock", "notification_trUpdate", "notification_trUnlock"};
    QTRY_COMPARE(requestsOf(a), marked);
    QTRY_COMPARE(requestsOf(b), marked);
    QTRY_COMPARE(bellCount(), unread - 2);
    QTRY_COMPARE(shownValue(table, a, "is_readed"), QString("1"));

    // A selection of a read and an unread one: only the unread one is asked for.
    selectRecords(table, {a, c});
    press(table, "markReadButton");
    QTRY_COMPARE(requestsOf(c), marked);
    QCOMPARE(requestsOf(a), marked);

    // Another operator holds the lock: the refusal says so and nothing is updated.
    QCOMPARE(m_other.request("trLock", {{"id", d}}).value("RES").toString(), QString("10"));
    selectRecords(table, {d});
    press(table, "markReadButton");
    QTRY_VERIFY(!m_program.watchdog().boxes().isEmpty());
    QVERIFY2(m_program.watchdog().texts().first().startsWith("LOCK: "), qPrintable(m_program.watchdog().texts().join('\n')));
    m_program.watchdog().reset();
    QCOMPARE(requestsOf(d), QStringList{"notification_trLock"});
    QCOMPARE(m_program.query("SELECT is_readed FROM notifications WHERE id = ?", {d}).toInt(), 0);
    QCOMPARE(shownValue(table, d, "is_readed"), QString("0"));

    // Removed together: exactly the ids sent leave the database and the list.
    const int removals = m_program.sentCount("notification_trBatchRemove");
    m_program.watchdog().answerNext(QMessageBox::Yes);
    selectRecords(table, {a, b});
    press(table, "removeButton");
    QVERIFY(m_program.waitForSent("notification_trBatchRemove", removals + 1));
    QCOMPARE(m_program.sent("notification_trBatchRemove").last().value("id").toString(),
             QString("[%1,%2]").arg(a, b));
    QTRY_VERIFY(shownRow(table, a) < 0 && shownRow(table, b) < 0);
    QCOMPARE(m_program.query("SELECT count(*) FROM notifications WHERE id IN (?, ?)", {a, b}).toInt(), 0);
    QVERIFY(shownRow(table, c) >= 0 && shownRow(table, d) >= 0);
    QCOMPARE(m_program.watchdog().texts(), QStringList{"Do you want to delete records?"});
    m_program.watchdog().reset();
    QTRY_VERIFY(!table->property("isBusy").toBool());

    // A refused removal keeps every row and says why.
    m_program.watchdog().answerNext(QMessageBox::Yes);
    selectRecords(table, {c, d});
    press(table, "removeButton");
    QVERIFY(m_program.waitForSent("notification_trBatchRemove", removals + 2));
    QTRY_COMPARE(m_program.watchdog().texts().size(), 2);
    QVERIFY2(m_program.watchdog().texts().last().startsWith(
                 "REMOVE: Record can't be deleted because it locked by other user"),
             qPrintable(m_program.watchdog().texts().join('\n')));
    m_program.watchdog().reset();
    QVERIFY(shownRow(table, c) >= 0 && shownRow(table, d) >= 0);
    QCOMPARE(m_program.query("SELECT count(*) FROM notifications WHERE id IN (?, ?)", {c, d}).toInt(), 2);
    QTRY_VERIFY(!table->property("isBusy").toBool());
    QCOMPARE(m_other.request("trUnlock", {{"id", d}}).value("RES").toString(), QString("10"));
    QVERIFY(m_program.closePage(table));
}

void TestNotificationFlows::moreOpensTheNamedRecord()
{
    const QString driver = m_program
                               .query("INSERT INTO drivers (sign, first_name, dt_utc_insert, dt_utc_last_update)"
                                      " VALUES ('nt-more', 'Ann', 1000, 1000) RETURNING id")
                               .toString();
    m_program.query("INSERT INTO notification_types (code, groups, users, dt_utc_insert, dt_utc_last_update)"
                    " SELECT 'order.create', groups, '[]', 1000, 1000 FROM notification_types"
                    " WHERE code = 'driver.update.request'");
    const struct {
        QString context;
        QString value;
        QString error;
    } refused[] = {
        {"driver.update", "not json", "The notification's value is not a JSON object: not json"},
        {"driver.update", R"(["nt-more"])", "The notification's value is not a JSON object: [\"nt-more\"]"},
        {"driver.update", R"({"data": {"sign": "nt-nobody", "first_name": "Bo"}})",
         "There is no driver with the sign \"nt-nobody\""},
        {"driver.update", R"({"data": {"first_name": "Bo"}})",
         "The notification names the driver neither by id nor by sign"},
        {"driver.unarchive", R"({"id": "1"})", "The notification does not name the driver by id"},
        {"car.update", R"({"data": {"rst_id_driver": "5"}})", "The notification does not name the car by id"},
    };
    for (const auto &event : refused) {
        const QString id = store(event.context, event.value);
        QVERIFY(!id.isEmpty());
        QPointer<QObject> editor = m_program.openPage(EditorUrl, {{"state", "EDIT"}, {"id", id}});
        QVERIFY(editor);
        QTRY_COMPARE(editor->property("value").toString(), event.value);
        QVERIFY(pageControl(editor, "moreButton")->isVisible());
        const int frames = frameCount();
        press(editor, "moreButton");
        QTRY_VERIFY(!m_program.watchdog().boxes().isEmpty());
        QCOMPARE(m_program.watchdog().texts(), QStringList{event.error});
        m_program.watchdog().reset();
        QCOMPARE(frameCount(), frames);
        QVERIFY(m_program.closePage(editor));
    }

    // A change request that names its driver by sign alone: found through the server, archived
    // as he is (the shared list leaves him out), and his editor shows the change to resolve.
    const QString archived = m_program
                                 .query("INSERT INTO drivers (sign, first_name, is_archived, dt_utc_insert,"
                                        " dt_utc_last_update) VALUES ('nt-archived', 'Cy', 1, 1000, 1000) RETURNING id")
                                 .toString();
    QString id = raise("driver.update", R"({"data": {"sign": "nt-archived", "first_name": "Di"}})");
    QPointer<QObject> editor = m_program.openPage(EditorUrl, {{"state", "EDIT"}, {"id", id}});
    QVERIFY(editor);
    QTRY_COMPARE(editor->property("context").toString(), QString("driver.update"));
    const int lookups = m_program.sentCount("driver_trGetList");
    press(editor, "moreButton");
    QVERIFY(m_program.waitForSent("driver_trGetList", lookups + 1));
    QCOMPARE(m_program.sent("driver_trGetList").last().value("sign").toString(), QString("nt-archived"));
    QTRY_COMPARE(lastFrame()->property("url").toString(), DriverEditorUrl);
    QPointer<QObject> driverEditor = lastFrame();
    QCOMPARE(driverEditor->property("id").toString(), archived);
    QTRY_COMPARE(pageControl(driverEditor, "first_name")->property("text").toString(), QString("Di"));
    QVERIFY(pageControl(driverEditor, "first_name")->property("isMismatch").toBool());
    QTRY_VERIFY(formOf(driverEditor)->property("resolutionVisible").toBool());
    QTRY_VERIFY(!formOf(driverEditor)->property("isBusy").toBool());
    QVERIFY(m_program.closePage(driverEditor));
    QVERIFY(m_program.closePage(editor));

    // A car's change names its driver by sign the same way.
    const QString car = m_program
                            .query("INSERT INTO cars (rst_id_driver, rst_id_car_brands, dt_utc_insert, dt_utc_last_update)"
                                   " VALUES (?, 1, 1000, 1000) RETURNING id", {archived})
                            .toString();
    id = raise("car.update", QStringLiteral(R"({"data": {"id": "%1", "sign": "nt-archived"}})").arg(car));
    editor = m_program.openPage(EditorUrl, {{"state", "EDIT"}, {"id", id}});
    QVERIFY(editor);
    QTRY_COMPARE(editor->property("context").toString(), QString("car.update"));
    press(editor, "moreButton");
    QTRY_COMPARE(lastFrame()->property("url").toString(), QString("qrc:/qml/driver/car/CarEditor.qml"));
    QPointer<QObject> carEditor = lastFrame();
    QCOMPARE(carEditor->property("id").toString(), car);
    QCOMPARE(carEditor->property("rst_id_driver").toString(), archived);
    QTRY_VERIFY(!formOf(carEditor)->property("isBusy").toBool());
    QVERIFY(m_program.closePage(carEditor));
    QVERIFY(m_program.closePage(editor));

    // A driver's return from the archive: his editor, with nothing to resolve there.
    id = raise("driver.unarchive", QStringLiteral(R"({"id": %1, "data": {"sign": "nt-more"}})").arg(driver));
    editor = m_program.openPage(EditorUrl, {{"state", "EDIT"}, {"id", id}});
    QVERIFY(editor);
    QTRY_COMPARE(editor->property("context").toString(), QString("driver.unarchive"));
    press(editor, "moreButton");
    driverEditor = lastFrame();
    QCOMPARE(driverEditor->property("url").toString(), DriverEditorUrl);
    QCOMPARE(driverEditor->property("id").toString(), driver);
    QTRY_COMPARE(pageControl(driverEditor, "first_name")->property("legalText").toString(), QString("Ann"));
    QVERIFY(!formOf(driverEditor)->property("resolutionVisible").toBool());
    QVERIFY(m_program.closePage(driverEditor));
    QVERIFY(m_program.closePage(editor));

    // Another kind of event has no record to go to.
    id = raise("order.create", R"({"data": {}})");
    editor = m_program.openPage(EditorUrl, {{"state", "EDIT"}, {"id", id}});
    QVERIFY(editor);
    QTRY_COMPARE(editor->property("context").toString(), QString("order.create"));
    QVERIFY(!pageControl(editor, "moreButton")->isVisible());
    QVERIFY(m_program.closePage(editor));
}

void TestNotificationFlows::typesChooseTheReceivers()
{
    QAction *command = Gui::Context::mainWindow()->menuBar()->findChild<QAction *>("notificationType");
    QVERIFY(command);
    command->trigger();
    QPointer<QObject> table = lastFrame();
    QVERIFY(table);
    QCOMPARE(table->property("url").toString(), QString("qrc:/qml/notification/NotificationTypeTable.qml"));
    const QString type = m_program.query("SELECT id FROM notification_types WHERE code = 'driver.unarchive.info'").toString();
    QTRY_VERIFY(shownRow(table, type) >= 0);
    QCOMPARE(shownValue(table, type, "name"), QString("Unarchive driver info"));

    QMetaObject::invokeMethod(tableViewOf(table), "selectRow", Q_ARG(QVariant, shownRow(table, type)));
    QVariant opened;
    QMetaObject::invokeMethod(tableViewOf(table), "editAction", Q_RETURN_ARG(QVariant, opened));
    QPointer<QObject> editor = opened.value<QObject *>();
    QVERIFY(editor);
    QTRY_COMPARE(pageControl(editor, "code")->property("legalText").toString(), QString("driver.unarchive.info"));
    QTRY_VERIFY(!formOf(editor)->property("isBusy").toBool());
    QVERIFY(!editor->property("isDirty").toBool());

    // The seeded operator, of a group that does not receive the type, is added as a user.
    const QString operatorId = userId("operator");
    QObject *users = pageControl(editor, "owners")->property("users").value<QObject *>();
    QMetaObject::invokeMethod(users, "appendOwners", Q_ARG(QVariant, QVariantList{operatorId}), Q_ARG(QVariant, 0));
    QVERIFY(editor->property("isDirty").toBool());
    // Listed by sign, from the shared user list.
    auto *owners = users->property("model").value<QAbstractItemModel *>();
    QVERIFY(owners && owners->rowCount() == 1);
    QCOMPARE(owners->index(0, 0).data(owners->roleNames().key("name")).toString(), QString("operator"));
    press(editor, "okButton");
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(m_program.query("SELECT users FROM notification_types WHERE id = ?", {type}).toString(),
             QString("[%1]").arg(operatorId));

    const QString driver = m_program.query("SELECT min(id) FROM drivers WHERE id > 1").toString();
    QVERIFY(!raise("driver.unarchive", QStringLiteral(R"({"id": "%1", "data": {}})").arg(driver)).isEmpty());
    const QVariant message = m_program.query("SELECT max(id) FROM notification_messages");
    QCOMPARE(m_program.query("SELECT count(*) FROM notifications WHERE rst_id_nm = ? AND rst_id_owner = ?",
                             {message, operatorId}).toInt(),
             1);
    QVERIFY(m_program.closePage(table));
}

KORIV_PAGE_TEST_MAIN(TestNotificationFlows)

#include "tst_notificationflows.moc"
