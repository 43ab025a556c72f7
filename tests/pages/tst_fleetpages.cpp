// The driver editor's cars, photos, sessions and balance tabs and the driver session table at
// work, in the program signed in to the stand-in over PostgreSQL: a car added in the Cars tab of
// a driver with no car is stored as that driver's; two open editors keep their own photos while
// either reloads or closes; a driver's open session is closed from the session table, and a
// refused close says so and changes nothing; the balance tab's group filter; a day picked in the
// calendar of the session table's period.
#include "dayend.h"
#include "editortabs.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "shownperiod.h"
#include "testimages.h"
#include "timelimit.h"

#include "startup/startup.h"

#include "gui/core/context.h"
#include "gui/dialog/calendar.h"
#include "gui/widget/todaycalendar.h"
#include "timelimit.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using PageControls::formOf;
using PageControls::press;

namespace {

const QString DriverEditorUrl = QStringLiteral("qrc:/qml/driver/driver/DriverEditor.qml");

// A small PNG of one colour, as the base64 text that media rows hold.
QString photoData(const QColor &color)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    return pngBase64(image);
}

// The image the "photo" provider holds under a key; empty when none.
QString providedImage(const QString &key)
{
    QObject *provider = Gui::Context::qmlEngine()->rootContext()->contextProperty("IMAGE_PROVIDER").value<QObject *>();
    QString image;
    QMetaObject::invokeMethod(provider, "image", Q_RETURN_ARG(QString, image), Q_ARG(QString, key));
    return image;
}

// The photo tiles of a photo page: id -> provider key.
QMap<QString, QString> photoTiles(QObject *page)
{
    QMap<QString, QString> tiles;
    auto *photos = page->property("photos").value<QAbstractItemModel *>();
    const QHash<int, QByteArray> roles = photos->roleNames();
    const int idRole = roles.key("id");
    const int keyRole = roles.key("photo");
    for (int row = 0; row < photos->rowCount(); ++row)
        tiles.insert(photos->index(row, 0).data(idRole).toString(), photos->index(row, 0).data(keyRole).toString());
    return tiles;
}

QAbstractItemModel *shownRows(QObject *page)
{
    QObject *view = page->property("tableView").value<QObject *>();
    return view ? view->property("model").value<QAbstractItemModel *>() : nullptr;
}

// The text a date input draws in its day, month and year cells, joined by dots.
QString drawnDate(QObject *date)
{
    QStringList cells;
    for (const char *cell : {"day", "month", "year"}) {
        QObject *input = date->property(cell).value<QObject *>()->property("input").value<QObject *>();
        cells.append(input->property("displayText").toString());
    }
    return cells.join('.');
}

// The calendar window open on the screen; null when none is.
Gui::Dialog::Calendar *openCalendar()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *calendar = qobject_cast<Gui::Dialog::Calendar *>(window); calendar && calendar->isVisible())
            return calendar;
    }
    return nullptr;
}

// Where the calendar's grid draws a day of the month it shows: that month's days follow each other
// in reading order from the first "1" (the grid shows only the last days of the month before).
QPoint dayInGrid(QTableView *grid, int day)
{
    QList<QModelIndex> days;
    const QAbstractItemModel *model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (!days.isEmpty() || index.data().toString() == QLatin1String("1"))
                days.append(index);
        }
    }
    return day <= days.size() ? grid->visualRect(days.at(day - 1)).center() : QPoint();
}

// The value of the expression on the role with the operation in a list request's JSON_WHERE.
QString condition(const QJsonObject &request, const QString &role, const QString &operation)
{
    const QJsonArray groups = QJsonDocument::fromJson(request.value("JSON_WHERE").toString().toUtf8()).array();
    for (const QJsonValue &group : groups) {
        for (const QJsonValue &expression : group.toObject().value("expressions").toArray()) {
            const QJsonObject found = expression.toObject();
            if (found.value("role").toString() == role && found.value("operation").toString() == operation)
                return found.value("value").toVariant().toString();
        }
    }
    return {};
}

} // namespace

class TestFleetPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void carAddedInDriverEditor();
    void editorsKeepTheirOwnPhotos();
    void driverSessionClosed();
    void balanceGroupFilter();
    void periodPickedInCalendar();

private:
    QString insert(const QString &statement, const QVariantList &values = {});
    // The driver editor of the driver with the tab shown and its page made.
    QObject *openDriverTab(const QString &driverId, const QString &tab, QObject **page);

    PageProgram m_program;
};

void TestFleetPages::initTestCase()
{
    const QString failure = m_program.start("fleetpages");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestFleetPages::cleanupTestCase()
{
    // Where a planned day's end fell: between the first row of today's and the last check of it.
    const QString fault = DayEnd::straddleFault();
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestFleetPages::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

QString TestFleetPages::insert(const QString &statement, const QVariantList &values)
{
    return m_program.query(statement, values).toString();
}

QObject *TestFleetPages::openDriverTab(const QString &driverId, const QString &tab, QObject **page)
{
    QObject *editor = m_program.openPage(DriverEditorUrl, {{"state", "EDIT"}, {"id", driverId}});
    if (!editor || !QTest::qWaitFor([&] { return !formOf(editor)->property("isBusy").toBool(); }, timeLimit(10000))
        || !showEditorTab(editor, tab) || !QTest::qWaitFor([&] { return editorTabPage(editor, tab); }, timeLimit(5000)))
        return nullptr;
    *page = editorTabPage(editor, tab);
    return editor;
}

void TestFleetPages::carAddedInDriverEditor()
{
    const QString driver = insert("INSERT INTO drivers (sign, last_name) VALUES ('car-owner', 'Kovalenko') RETURNING id");
    QTRY_VERIFY(Gui::Context::qmlEngine());
    QObject *cars = nullptr;
    QPointer<QObject> editor = openDriverTab(driver, "carsTab", &cars);
    QVERIFY(editor && cars);
    // The driver has no car: the tab's list is empty, so no row names a driver.
    QVERIFY(m_program.waitForSent("car_trGetList", 1));
    QCOMPARE(m_program.sent("car_trGetList").last().value("rst_id_driver").toString(), driver);
    QTRY_COMPARE(shownRows(cars)->rowCount(), 0);

    QObject *view = cars->property("tableView").value<QObject *>();
    QVariant opened;
    QMetaObject::invokeMethod(view, "addAction", Q_RETURN_ARG(QVariant, opened));
    QPointer<QObject> carEditor = opened.value<QObject *>();
    QVERIFY(carEditor);
    QCOMPARE(carEditor->property("state").toString(), QString("ADD"));
    QTRY_COMPARE(pageControl(carEditor, "sign")->property("text").toString(), QString("car-owner"));
    pageControl(carEditor, "identifier")->setProperty("text", "BC 7777 AA");
    pageControl(carEditor, "model")->setProperty("text", "Octavia");
    const int adds = m_program.sentCount("car_trNew");
    press(carEditor, "okButton");
    QTRY_VERIFY(carEditor.isNull());

    QVERIFY(m_program.waitForSent("car_trNew", adds + 1));
    QCOMPARE(m_program.sent("car_trNew").last().value("rst_id_driver").toString(), driver);
    const QString car = insert("SELECT id FROM cars WHERE identifier = 'BC 7777 AA'");
    QVERIFY(!car.isEmpty());
    QCOMPARE(insert("SELECT rst_id_driver FROM cars WHERE id = ?", {car}), driver);
    QCOMPARE(insert("SELECT model FROM cars WHERE id = ?", {car}), QString("Octavia"));
    // The driver's tab shows the new car.
    QTRY_COMPARE(shownRows(cars)->rowCount(), 1);

    // Opened again, the stored car's driver is never sent.
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, 0));
    QMetaObject::invokeMethod(view, "editAction", Q_RETURN_ARG(QVariant, opened));
    carEditor = opened.value<QObject *>();
    QVERIFY(carEditor);
    QTRY_COMPARE(pageControl(carEditor, "identifier")->property("legalText").toString(), QString("BC 7777 AA"));
    QTRY_VERIFY(!formOf(carEditor)->property("isBusy").toBool());
    pageControl(carEditor, "year")->setProperty("text", "2019");
    const int updates = m_program.sentCount("car_trUpdate");
    press(carEditor, "okButton");
    QTRY_VERIFY(carEditor.isNull());
    QVERIFY(m_program.waitForSent("car_trUpdate", updates + 1));
    QVERIFY(!m_program.sent("car_trUpdate").last().contains("rst_id_driver"));
    QCOMPARE(insert("SELECT year FROM cars WHERE id = ?", {car}), QString("2019"));
    QVERIFY(m_program.closePage(editor));
}

void TestFleetPages::editorsKeepTheirOwnPhotos()
{
    const QString first = insert("INSERT INTO drivers (sign) VALUES ('photo-a') RETURNING id");
    const QString second = insert("INSERT INTO drivers (sign) VALUES ('photo-b') RETURNING id");
    const QString media = "INSERT INTO media (rst_id_driver, rst_id_car, tag, data, uuid, dt_utc_insert,"
                          " dt_utc_last_update) VALUES (?, 1, ?, ?, md5(random()::text), 1000, 1000) RETURNING id";
    const QString red = photoData(Qt::red);
    const QString blue = photoData(Qt::blue);
    const QString firstProfile = insert(media, {first, "profile", red});
    const QString firstLicense = insert(media, {first, "license_1", red});
    const QString secondProfile = insert(media, {second, "profile", blue});

    QObject *firstPage = nullptr;
    QObject *secondPage = nullptr;
    QPointer<QObject> firstEditor = openDriverTab(first, "photoTab", &firstPage);
    QVERIFY(firstEditor && firstPage);
    QTRY_COMPARE(photoTiles(firstPage).size(), 2);
    QPointer<QObject> secondEditor = openDriverTab(second, "photoTab", &secondPage);
    QVERIFY(secondEditor && secondPage);
    QTRY_COMPARE(photoTiles(secondPage).size(), 1);

    // Each page shows its own driver's photos, newest first, under keys of its own.
    QCOMPARE(photoTiles(firstPage).keys(), (QList<QString>{firstProfile, firstLicense}));
    QCOMPARE(photoTiles(secondPage).keys(), QList<QString>{secondProfile});
    const QString firstKey = photoTiles(firstPage).value(firstProfile);
    const QString secondKey = photoTiles(secondPage).value(secondProfile);
    QVERIFY(firstKey != secondKey);
    QCOMPARE(providedImage(firstKey), red);
    QCOMPARE(providedImage(secondKey), blue);

    // The second page reloads: the first keeps its tiles and images.
    const int lists = m_program.sentCount("media_trGetList");
    QMetaObject::invokeMethod(secondPage, "loadData");
    QVERIFY(m_program.waitForSent("media_trGetList", lists + 1));
    QTRY_VERIFY(!secondEditor->property("isBusy").toBool());
    QTest::qWait(timeLimit(200));
    QCOMPARE(photoTiles(firstPage).size(), 2);
    QCOMPARE(photoTiles(secondPage).size(), 1);
    QCOMPARE(providedImage(firstKey), red);

    // The viewer steps through the first page's photos only.
    QVariant opened;
    QMetaObject::invokeMethod(firstPage, "openViewer", Q_RETURN_ARG(QVariant, opened), Q_ARG(QVariant, 0));
    QPointer<QObject> viewer = opened.value<QObject *>();
    QVERIFY(viewer);
    QVERIFY(!pageControl(viewer, "previousButton")->isEnabled());
    QVERIFY(pageControl(viewer, "nextButton")->isEnabled());
    press(viewer, "nextButton");
    QTRY_COMPARE(viewer->property("currentIndex").toInt(), 1);
    QVERIFY(!pageControl(viewer, "nextButton")->isEnabled());
    QCOMPARE(pageControl(viewer, "photo")->property("source").toUrl().toString(),
             "image://photo/" + photoTiles(firstPage).value(firstLicense));
    QVERIFY(m_program.closePage(viewer));

    // The first editor closes: its images go, the second page's stay.
    QVERIFY(m_program.closePage(firstEditor));
    QCOMPARE(providedImage(firstKey), QString());
    QCOMPARE(providedImage(secondKey), blue);

    // A refused removal says so and keeps the tile.
    const QString receiver = secondPage->property("media").value<QObject *>()->property("objectNumber").toString();
    m_program.watchdog().reset();
    m_program.push({{"FN", "media_saRemove"}, {"RECEIVER", receiver}, {"RES", "0"}, {"ERRCODE", "120"},
                    {"id", secondProfile}});
    QTRY_COMPARE(m_program.watchdog().boxes().size(), 1);
    QVERIFY2(m_program.watchdog().texts().first().contains("code: 120"), qPrintable(m_program.watchdog().texts().first()));
    QCOMPARE(photoTiles(secondPage).keys(), QList<QString>{secondProfile});
    m_program.watchdog().reset();

    // A removal: confirmed, stored and the tile gone.
    m_program.watchdog().answerNext(QMessageBox::Yes);
    QMetaObject::invokeMethod(secondPage, "removePhoto", Q_ARG(QVariant, secondProfile));
    QTRY_COMPARE(photoTiles(secondPage).size(), 0);
    QCOMPARE(insert("SELECT count(*) FROM media WHERE id = ?", {secondProfile}), QString("0"));
    QCOMPARE(providedImage(secondKey), QString());
    m_program.watchdog().reset();
    QVERIFY(m_program.closePage(secondEditor));
}

void TestFleetPages::driverSessionClosed()
{
    const QString driver = insert("INSERT INTO drivers (sign) VALUES ('sess-a') RETURNING id");
    const QString other = insert("INSERT INTO drivers (sign) VALUES ('sess-b') RETURNING id");
    const QString session = "INSERT INTO driver_sessions (rst_id_owner, sign, dt_start, dt_end, dt_utc_insert,"
                            " dt_utc_last_update) VALUES (?, ?, 1000, ?, ?, ?) RETURNING id";
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const QString open = insert(session, {driver, "sess-a", 0, now, now});
    const QString closed = insert(session, {driver, "sess-a", 2000, now, now});
    const QString otherOpen = insert(session, {other, "sess-b", 0, now, now});
    DayEnd::noteSeed(now);
    // A day's end planned for the run comes here at the latest: the sessions are the old day's.
    DayEnd::awaitPlannedEnd();

    const qint64 opened = QDateTime::currentMSecsSinceEpoch();
    QPointer<QObject> table = m_program.openPage("qrc:/qml/driver/driver-session/DriverSessionTable.qml");
    QVERIFY(table);
    // Today's sessions, that day's also when it ended since they were made.
    const ShownPeriod period(table, opened);
    QCOMPARE(period.dayFault(m_program), QString());
    QVERIFY(period.keepRows(m_program, QString("id IN (%1, %2, %3)").arg(open, closed, otherOpen)));
    QObject *container = table->property("container").value<QObject *>();
    QTRY_COMPARE(shownRows(container)->rowCount(), 3);
    // Unclosed, then Closed: each switch loads once, and Closed turns Unclosed off.
    int lists = m_program.sentCount("driverSession_trGetList");
    pageControl(table, "unclosedButton")->setProperty("checked", true);
    QVERIFY(m_program.waitForSent("driverSession_trGetList", lists + 1));
    QTRY_COMPARE(shownRows(container)->rowCount(), 2);
    pageControl(table, "closedButton")->setProperty("checked", true);
    QVERIFY(m_program.waitForSent("driverSession_trGetList", lists + 2));
    QVERIFY(!pageControl(table, "unclosedButton")->property("checked").toBool());
    QTRY_COMPARE(shownRows(container)->rowCount(), 1);
    QTest::qWait(timeLimit(200));
    QCOMPARE(m_program.sentCount("driverSession_trGetList"), lists + 2);
    pageControl(table, "unclosedButton")->setProperty("checked", true);
    QTRY_COMPARE(shownRows(container)->rowCount(), 2);

    // Closing the driver's session: the request is the page's own and its answer ends the wait;
    // the closed session leaves the unclosed list.
    QObject *view = container->property("tableView").value<QObject *>();
    int row = -1;
    QMetaObject::invokeMethod(shownRows(container), "checkValueByRole", Q_RETURN_ARG(int, row), Q_ARG(QString, "id"),
                              Q_ARG(QVariant, QVariant(open)));
    QVERIFY(row >= 0);
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, row));
    m_program.watchdog().answerNext(QMessageBox::Yes);
    press(table, "closeSessionButton");
    QVERIFY(m_program.waitForSent("driverSession_trClose", 1));
    const QJsonObject request = m_program.sent("driverSession_trClose").last();
    QCOMPARE(request.value("rst_id_owner").toString(), driver);
    QCOMPARE(request.value("RECEIVER").toString(),
             container->property("sessions").value<QObject *>()->property("objectNumber").toString());
    QTRY_COMPARE(insert("SELECT type_close FROM driver_sessions WHERE id = ?", {open}), QString("4"));
    QVERIFY(insert("SELECT dt_end FROM driver_sessions WHERE id = ?", {open}) != "0");
    QTRY_COMPARE(shownRows(container)->rowCount(), 1);
    DayEnd::noteCheck();
    QTRY_VERIFY(!table->property("isBusy").toBool());
    QCOMPARE(insert("SELECT dt_end FROM driver_sessions WHERE id = ?", {otherOpen}), QString("0"));
    QCOMPARE(insert("SELECT dt_end FROM driver_sessions WHERE id = ?", {closed}), QString("2000"));
    m_program.watchdog().reset();

    // Refused by the server: the page says so, the session stays open.
    m_program.query("UPDATE user_group_security_options SET option_value = '0' WHERE rst_id_so = "
                    "(SELECT id FROM security_options WHERE code = 'driverSession.crud.update')");
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, 0));
    m_program.watchdog().answerNext(QMessageBox::Yes);
    press(table, "closeSessionButton");
    QTRY_COMPARE(m_program.watchdog().boxes().size(), 2);
    QVERIFY2(m_program.watchdog().texts().last().contains("You don't have enough access privileges"),
             qPrintable(m_program.watchdog().texts().join('\n')));
    QCOMPARE(insert("SELECT dt_end FROM driver_sessions WHERE id = ?", {otherOpen}), QString("0"));
    QTRY_VERIFY(!table->property("isBusy").toBool());
    m_program.watchdog().reset();
    m_program.query("UPDATE user_group_security_options SET option_value = '1' WHERE rst_id_so = "
                    "(SELECT id FROM security_options WHERE code = 'driverSession.crud.update')");
    QVERIFY(m_program.closePage(table));
}

void TestFleetPages::balanceGroupFilter()
{
    const QString driver = insert("INSERT INTO drivers (sign) VALUES ('balance-a') RETURNING id");
    QObject *balance = nullptr;
    const qint64 opened = QDateTime::currentMSecsSinceEpoch();
    QPointer<QObject> editor = openDriverTab(driver, "balanceTab", &balance);
    QVERIFY(editor && balance);
    QCOMPARE(ShownPeriod(balance, opened).dayFault(m_program), QString());
    QVERIFY(m_program.waitForSent("dbl_trGetList", 1));
    // All groups: neither filter, and the placeholder type alone.
    QJsonObject request = m_program.sent("dbl_trGetList").last();
    QCOMPARE(request.value("rst_id_owner").toString(), driver);
    QVERIFY(!request.contains("rst_id_bg") && !request.contains("rst_id_bt"));
    QVERIFY(request.contains("dt_utc_insert_start") && request.contains("dt_utc_insert_end"));
    QObject *typeBox = balance->property("typeBox").value<QObject *>();
    QCOMPARE(typeBox->property("count").toInt(), 1);

    // A group: its types and those of every group, and the group sent.
    const QString group = insert("SELECT min(id) FROM driver_balance_groups WHERE id > 1");
    QVERIFY(!group.isEmpty());
    QObject *groups = balance->property("groups").value<QObject *>();
    QObject *groupRows = groups->property("proxyModel").value<QObject *>();
    int row = -1;
    QMetaObject::invokeMethod(groupRows, "checkValueByRole", Q_RETURN_ARG(int, row), Q_ARG(QString, "id"),
                              Q_ARG(QVariant, QVariant(group)));
    QVERIFY(row >= 0);
    const int lists = m_program.sentCount("dbl_trGetList");
    balance->property("groupBox").value<QObject *>()->setProperty("currentIndex", row);
    QMetaObject::invokeMethod(balance, "onGroupChosen");
    QVERIFY(m_program.waitForSent("dbl_trGetList", lists + 1));
    request = m_program.sent("dbl_trGetList").last();
    QCOMPARE(request.value("rst_id_bg").toString(), group);
    const int types = insert("SELECT count(*) FROM driver_balance_types WHERE rst_id_bg IN (1, ?)", {group}).toInt();
    QCOMPARE(typeBox->property("count").toInt(), types);
    QVERIFY(m_program.closePage(editor));
}

// Driver Sessions in a tab of the main window (as Alt with the menu command opens it): the End
// date's calendar opens below the day on that date and stays open whichever window is activated
// after it; a day clicked shows in the End date, and a double click on it asks the list again for
// the period that ends with that day; opened again, the calendar is on that day, and Escape or a
// click on the page dismisses it; open when its page closes, in a window or a tab, it goes with
// the page without a signal. A zone's run names the day to pick in KORIV_CALENDAR_DAY
// (yyyy-MM-dd), such as the day its daylight saving starts at midnight; the End date starts a
// week off it.
void TestFleetPages::periodPickedInCalendar()
{
    const int lists = m_program.sentCount("driverSession_trGetList");
    const qint64 opened = QDateTime::currentMSecsSinceEpoch();
    QPointer<QObject> table = Gui::Context::createQmlFrame("qrc:/qml/driver/driver-session/DriverSessionTable.qml",
                                                           {{"isWindow", false}});
    QVERIFY(table);
    QVERIFY(m_program.waitForSent("driverSession_trGetList", lists + 1));
    // Opened on the operator's day, whatever the machine's zone.
    QCOMPARE(ShownPeriod(table, opened).dayFault(m_program), QString());
    QObject *endDate = pageControl(table, "period")->property("endDate").value<QObject *>();
    const QDate given = QDate::fromString(qEnvironmentVariable("KORIV_CALENDAR_DAY"), Qt::ISODate);
    if (given.isValid())
        endDate->setProperty("legalText", given.addDays(given.day() > 14 ? -7 : 7).toString("dd.MM.yy"));
    auto *arrow = endDate->property("arrowButton").value<QQuickItem *>();
    QQuickWindow *page = arrow->window();
    QVERIFY(QTest::qWaitForWindowExposed(page, timeLimit(5000)));
    const QPoint arrowPoint = arrow->mapToScene({arrow->width() / 2, 5}).toPoint();
    QTest::mouseClick(page, Qt::LeftButton, {}, arrowPoint);
    QTRY_VERIFY(openCalendar());
    QPointer<Gui::Dialog::Calendar> calendar = openCalendar();
    // The window clicked activated only now, as a window system may do with an inactive one: the
    // calendar stays open and takes the keys that reach that window.
    page->requestActivate();
    QTRY_COMPARE(QGuiApplication::focusWindow(), page);
    QVERIFY(calendar && calendar->isVisible());
    const QDate shown = QDate::fromString(drawnDate(endDate), "dd.MM.yy").addYears(100);
    QCOMPARE(calendar->calendar()->selectedDate(), shown);
    QTest::keyClick(page, Qt::Key_Right);
    QCOMPARE(calendar->calendar()->selectedDate(), shown.addDays(1));
    QTest::keyClick(page, Qt::Key_Left);
    QCOMPARE(calendar->calendar()->selectedDate(), shown);
    auto *day = endDate->property("day").value<QQuickItem *>();
    QCOMPARE(calendar->pos(), day->mapToGlobal({0, 25}).toPoint());

    // The day named, or a week off the day shown: in the month shown either way.
    const QDate picked = given.isValid() ? given : shown.addDays(shown.day() > 14 ? -7 : 7);
    auto *grid = calendar->findChild<QTableView *>();
    const QPoint cell = dayInGrid(grid, picked.day());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(drawnDate(endDate), picked.toString("dd.MM.yy"));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
    QTRY_VERIFY(calendar.isNull());
    QVERIFY(m_program.waitForSent("driverSession_trGetList", lists + 2));
    QCOMPARE(drawnDate(endDate), picked.toString("dd.MM.yy"));
    // The period runs to the end of that day at the user's offset.
    QObject *session = Gui::Context::qmlEngine()->rootContext()->contextProperty("USER_SESSION").value<QObject *>();
    const int offset = session->property("utc_offset").toInt() * 60;
    const QDateTime end(picked.addDays(1), QTime(0, 0), Qt::OffsetFromUTC, offset);
    QCOMPARE(condition(m_program.sent("driverSession_trGetList").last(), "dt_utc_insert", "<="),
             QString::number(end.toMSecsSinceEpoch()));

    // Opened again, the calendar is on the day picked. Escape, pressed while the page holds the
    // focus, dismisses it and leaves that day shown, the focus back in the End date.
    QTest::mouseClick(page, Qt::LeftButton, {}, arrowPoint);
    QTRY_VERIFY(openCalendar());
    calendar = openCalendar();
    QCOMPARE(calendar->calendar()->selectedDate(), picked);
    page->requestActivate();
    QTRY_COMPARE(QGuiApplication::focusWindow(), page);
    QTest::keyClick(page, Qt::Key_Escape);
    QTRY_VERIFY(calendar.isNull());
    QCOMPARE(drawnDate(endDate), picked.toString("dd.MM.yy"));
    QTRY_VERIFY(endDate->property("activeFocus").toBool());
    // The main window activated, it stays open; a click on the page, on the arrow too, dismisses
    // it and opens none.
    QTest::mouseClick(page, Qt::LeftButton, {}, arrowPoint);
    QTRY_VERIFY(openCalendar());
    calendar = openCalendar();
    QWindow *main = Gui::Context::mainWidget()->windowHandle();
    QSignalSpy focusMoves(qApp, &QGuiApplication::focusWindowChanged);
    main->requestActivate();
    // Waits for the activation itself: the main window soon hands the focus on to its tab's page.
    QTRY_VERIFY(std::any_of(focusMoves.cbegin(), focusMoves.cend(),
                            [main](const QVariantList &move) { return move.first().value<QWindow *>() == main; }));
    QVERIFY(calendar->isVisible());
    QTest::mouseClick(page, Qt::LeftButton, {}, arrowPoint);
    QVERIFY(!openCalendar());
    QTRY_VERIFY(calendar.isNull());
    QCOMPARE(drawnDate(endDate), picked.toString("dd.MM.yy"));

    // Open when its page's window is hidden or its page closes, the calendar goes with it and hands
    // it nothing: with the page's own window, hidden alone, then closed (hidden at once and deleted
    // later), and with the tab.
    QPointer<QObject> window = m_program.openPage("qrc:/qml/driver/driver-session/DriverSessionTable.qml");
    QVERIFY(window && m_program.waitForSent("driverSession_trGetList", lists + 3));
    QTRY_VERIFY_WITH_TIMEOUT(!window->property("isRequestPending").toBool(), timeLimit(10000));
    for (const auto &[frame, hideOnly] : {std::pair<QObject *, bool>{window, true}, {window, false}, {table, false}}) {
        QObject *date = pageControl(frame, "period")->property("endDate").value<QObject *>();
        arrow = date->property("arrowButton").value<QQuickItem *>();
        arrow->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(arrow->window(), timeLimit(5000)));
        QTest::mouseClick(arrow->window(), Qt::LeftButton, {}, arrow->mapToScene({arrow->width() / 2, 5}).toPoint());
        QTRY_VERIFY(openCalendar());
        calendar = openCalendar();
        QSignalSpy finished(calendar.data(), &QDialog::finished);
        QSignalSpy days(calendar.data(), &Gui::Dialog::Calendar::selectedDayChanged);
        if (hideOnly)
            arrow->window()->hide();
        else
            QVERIFY(m_program.closePage(frame));
        QTRY_VERIFY_WITH_TIMEOUT(calendar.isNull(), timeLimit(5000));
        QCOMPARE(finished.count() + days.count(), 0);
    }
}

KORIV_PAGE_TEST_MAIN(TestFleetPages)

#include "tst_fleetpages.moc"
