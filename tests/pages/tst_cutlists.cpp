// Lists whose answer a lost connection cuts after some of its rows, in the program signed in to
// the stand-in through a relay that cuts it: the cars page's first list, and the drivers that a
// colleague archived in one statement (one update time for all of them) asked for by "Update
// drivers". While rows are missing the table says it is loading; once connected again the list
// holds every row PostgreSQL holds, each once and as stored.
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "screenshot.h"

#include "client/controller/itemcontroller.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "gui/core/context.h"
#include "timelimit.h"

#include <QJsonObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSqlQuery>
#include <QtTest>

using Client::Controller::ItemController;
using Client::Controller::OriginalModel;
using PageControls::rowsOf;
using PageControls::tableViewOf;

namespace {

const int Cars = 1200;
const int Drivers = 1000;
const int RowsBeforeTheCut = 300;

QStringList seed()
{
    return {
        "INSERT INTO drivers (sign, last_name, dt_utc_insert, dt_utc_last_update)"
        " SELECT 'cut-' || g, 'Driver ' || g, 1000, 1000 FROM generate_series(1, " + QString::number(Drivers) + ") g",
        "INSERT INTO cars (rst_id_driver, uuid, identifier, model, dt_utc_insert, dt_utc_last_update)"
        " SELECT d.id, md5('CC ' || g), 'CC ' || g, 'Model ' || g, 1000, 1000 FROM drivers d,"
        " generate_series(1, " + QString::number(Cars) + ") g WHERE d.sign = 'cut-1'",
    };
}

bool isOffline()
{
    return SpSingleton<Client::Controller::UserSession>::instance()->isOffline();
}

// Each row whose sign or identifier starts with "cut-" or "CC " as "id:update time:value of the
// role", in id order.
QStringList heldRows(const OriginalModel *rows, const QString &role)
{
    QStringList held;
    for (int row = 0; row < rows->rowCount(); ++row) {
        const QVariantMap &values = rows->rowValues(row);
        if (!values.value("sign").toString().startsWith("cut-")
            && !values.value("identifier").toString().startsWith("CC "))
            continue;
        held.append(QStringLiteral("%1:%2:%3").arg(values.value("id").toString(),
                                                   values.value("dt_utc_last_update").toString(),
                                                   values.value(role).toString()));
    }
    std::sort(held.begin(), held.end());
    return held;
}

// The record ids a view shows, in id order.
QStringList shownIds(QAbstractItemModel *shown)
{
    QStringList ids;
    for (int row = 0; shown && row < shown->rowCount(); ++row)
        ids.append(PageControls::cell(shown, row, "id").toString());
    std::sort(ids.begin(), ids.end());
    return ids;
}

ItemController *listControllerOf(QObject *view)
{
    return qobject_cast<ItemController *>(view->property("controller").value<QObject *>());
}

// The note a table shows while its list lacks rows; empty when it shows none.
QString incompleteNote(QObject *page)
{
    auto *note = qobject_cast<QQuickItem *>(pageControl(page, "incompleteListNote"));
    if (!note || !note->isVisible())
        return QString();
    for (QObject *child : note->findChildren<QObject *>()) {
        if (child->metaObject()->indexOfProperty("text") >= 0)
            return child->property("text").toString();
    }
    return QString();
}

} // namespace

class TestCutLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void firstListCutInTheMiddle();
    void changesSharingOneTimeCutInTheMiddle();

private:
    // What PostgreSQL holds of the rows that match, as heldRows() gives it.
    QStringList stored(const QString &table, const QString &column, const QString &match);
    // Cuts the answer to the next list request of that name, which send() causes, and waits
    // until the program is offline and the stand-in has reported the request.
    bool cut(const QString &fn, const std::function<void()> &send);
    // Lets the program connect again and waits until the stand-in has reported the list request
    // that asks for what the cut answer lacked.
    bool reconnect(const QString &fn);
    // The update time the newest list request of that name that the stand-in reported asked from.
    qint64 lastAskedFrom(const QString &fn) const;

    PageProgram m_program;
};

void TestCutLists::initTestCase()
{
    m_program.setThroughProxy(true);
    const QString failure = m_program.start("cutlists", {}, seed());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestCutLists::cleanup()
{
    m_program.watchdog().reset();
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

QStringList TestCutLists::stored(const QString &table, const QString &column, const QString &match)
{
    QSqlQuery query(m_program.database());
    query.exec(QStringLiteral("SELECT id, dt_utc_last_update, %1 FROM %2 WHERE %3").arg(column, table, match));
    QStringList rows;
    while (query.next())
        rows.append(QStringLiteral("%1:%2:%3").arg(query.value(0).toString(), query.value(1).toString(),
                                                  query.value(2).toString()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool TestCutLists::cut(const QString &fn, const std::function<void()> &send)
{
    const int lists = m_program.sentCount(fn);
    m_program.proxy().cutListAnswer(fn, RowsBeforeTheCut, true);
    send();
    return QTest::qWaitFor([&] { return m_program.proxy().lost().endsWith(fn); }, timeLimit(20000))
        && QTest::qWaitFor([] { return isOffline(); }, timeLimit(10000)) && m_program.waitForSent(fn, lists + 1);
}

bool TestCutLists::reconnect(const QString &fn)
{
    const int lists = m_program.sentCount(fn);
    m_program.proxy().release();
    return QTest::qWaitFor([] { return !isOffline(); }, timeLimit(20000)) && m_program.waitForSent(fn, lists + 1);
}

qint64 TestCutLists::lastAskedFrom(const QString &fn) const
{
    const QList<QJsonObject> lists = m_program.sent(fn);
    return lists.isEmpty() ? -1 : lists.last().value("dt_utc_last_update").toVariant().toLongLong();
}

void TestCutLists::firstListCutInTheMiddle()
{
    QObject *page = nullptr;
    QVERIFY(cut("car_trGetList", [&] { page = m_program.openPage("qrc:/qml/driver/car/CarTable.qml"); }));
    QVERIFY(page);
    QObject *view = tableViewOf(page);
    QVERIFY(view && listControllerOf(view));
    OriginalModel *rows = listControllerOf(view)->originalModel();
    QTRY_COMPARE(rows->rowCount(), RowsBeforeTheCut);
    QTRY_COMPARE(incompleteNote(page), QString("Loading…"));
    QVERIFY(PageControls::saveDrawnWindow(page, "cut-list-loading.png"));

    QVERIFY(reconnect("car_trGetList"));
    const QStringList expected = stored("cars", "identifier", "identifier LIKE 'CC %'");
    QCOMPARE(expected.size(), Cars);
    QTRY_COMPARE_WITH_TIMEOUT(incompleteNote(page), QString(), timeLimit(20000));
    QCOMPARE(heldRows(rows, "identifier"), expected);
    const int allCars = m_program.query("SELECT count(*) FROM cars WHERE id > 1").toInt();
    QTRY_COMPARE(rowsOf(view)->rowCount(), allCars);
    QCOMPARE(shownIds(rowsOf(view)).removeDuplicates(), 0);
    QVERIFY(m_program.closePage(page));
}

void TestCutLists::changesSharingOneTimeCutInTheMiddle()
{
    QObject *page = m_program.openPage("qrc:/qml/driver/driver/DriverTable.qml");
    QVERIFY(page);
    QObject *view = tableViewOf(page);
    QVERIFY(view && listControllerOf(view));
    const QString working = "SELECT string_agg(id::text, ',' ORDER BY id::text) FROM drivers WHERE id > 1"
                            " AND is_archived = 0";
    QTRY_COMPARE(shownIds(rowsOf(view)).join(','), m_program.query(working).toString());
    QObject *global = Gui::Context::qmlEngine()->rootContext()->contextProperty("GLOBAL").value<QObject *>();
    auto *drivers = qobject_cast<ItemController *>(global->property("driver").value<QObject *>());
    QVERIFY(drivers);

    // A colleague archives all drivers but a hundred in one statement: they share one time.
    const qint64 before = m_program.query("SELECT max(dt_utc_last_update) FROM drivers WHERE id > 1"
                                          " AND is_archived = 0").toLongLong();
    const qint64 archived = before + 60000;
    m_program.query("UPDATE drivers SET is_archived = 1, dt_utc_last_update = ? WHERE sign LIKE 'cut-%' AND"
                    " substr(sign, 5)::int > 100", {archived});
    QVERIFY(cut("driver_trGetList", [&] { QMetaObject::invokeMethod(drivers, "onAutoUpdateTimerTimeout"); }));
    QTRY_COMPARE(lastAskedFrom("driver_trGetList"), before + 1);
    QTRY_COMPARE(incompleteNote(page), QString("Loading…"));

    QVERIFY(reconnect("driver_trGetList"));
    const QStringList expected = stored("drivers", "is_archived", "sign LIKE 'cut-%'");
    QCOMPARE(expected.filter(QString(":%1:1").arg(archived)).size(), Drivers - 100);
    QTRY_COMPARE_WITH_TIMEOUT(heldRows(drivers->originalModel(), "is_archived"), expected, timeLimit(20000));
    QTRY_COMPARE(incompleteNote(page), QString());
    QTRY_COMPARE(shownIds(rowsOf(view)).join(','), m_program.query(working).toString());
    QVERIFY(PageControls::saveDrawnWindow(page, "cut-list-made-whole.png"));

    // Later changes are asked for from the time the whole answer reached.
    QMetaObject::invokeMethod(drivers, "onAutoUpdateTimerTimeout");
    QTRY_COMPARE(lastAskedFrom("driver_trGetList"), archived + 1);
    QVERIFY(m_program.closePage(page));
}

KORIV_PAGE_TEST_MAIN(TestCutLists)
#include "tst_cutlists.moc"
