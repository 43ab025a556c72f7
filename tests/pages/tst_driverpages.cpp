// The driver pages end to end, in two programs signed in to one stand-in over PostgreSQL: the
// driver table filtered by group and typed text, a driver edited and saved (the row changes in
// PostgreSQL and in the other program's table), archived and returned (it moves between the
// driver table and the archive in both programs at once), copied through the editor, its
// password changed; a change pushed by the system never overwrites unsaved edits unasked, and
// refused archive and recommender requests say so.
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"

#include "dialog/driverchangepassword.h"
#include "shell/context.h"
#include "shell/global.h"
#include "startup/startup.h"

#include "gui/shell/global.h"
#include "gui/frame/frames.h"
#include "timelimit.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <utility>

using PageControls::press;

namespace {

const QString SecondLogin = QStringLiteral("second");
const QString SecondPassword = QStringLiteral("second-pages");

QStringList seed()
{
    return {
        "INSERT INTO driver_groups (name, dt_utc_insert, dt_utc_last_update) VALUES ('North', 1000, 1000),"
        " ('South', 1000, 1000)",
        "INSERT INTO drivers (sign, last_name, rst_id_group, is_archived, dt_utc_insert, dt_utc_last_update)"
        " SELECT d.sign, d.last_name, g.id, d.archived, 1000, 1000 FROM (VALUES ('n-1', 'Kowalski', 'North', 0),"
        " ('n-2', 'Nowak', 'North', 0), ('s-1', 'Smith', 'South', 0), ('a-1', 'Old', 'North', 1))"
        " AS d(sign, last_name, grp, archived) JOIN driver_groups g ON g.name = d.grp",
    };
}

QObject *viewOf(QObject *page)
{
    return page ? page->property("tableView").value<QObject *>() : nullptr;
}

// What a table page shows: "sign:last name" of each row, sorted.
QStringList shownDrivers(QObject *page)
{
    QObject *view = viewOf(page);
    auto *rows = view ? view->property("model").value<QAbstractItemModel *>() : nullptr;
    QStringList shown;
    for (int row = 0; rows && row < rows->rowCount(); ++row) {
        QVariant sign;
        QVariant lastName;
        QMetaObject::invokeMethod(rows, "data", Q_RETURN_ARG(QVariant, sign), Q_ARG(int, row),
                                  Q_ARG(QString, "sign"));
        QMetaObject::invokeMethod(rows, "data", Q_RETURN_ARG(QVariant, lastName), Q_ARG(int, row),
                                  Q_ARG(QString, "last_name"));
        shown.append(sign.toString() + ':' + lastName.toString());
    }
    shown.sort();
    return shown;
}

// The second program: signs in to the stand-in on the port, opens the driver table and the
// archive and prints what they show whenever it changes ("drivers ..." and "archive ..."), and
// its warnings and unexpected windows ("problems ...").
int follow(int port)
{
    PageProgram program;
    const QString failure = program.attach(port, SecondLogin, SecondPassword);
    if (!failure.isEmpty()) {
        std::printf("failed %s\n", qPrintable(failure));
        return 1;
    }
    QObject *drivers = program.openPage("qrc:/qml/driver/driver/DriverTable.qml");
    QObject *archive = program.openPage("qrc:/qml/driver/driver/DriverArchiveTable.qml");
    QHash<QString, QString> printed;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const QString problems = program.problems();
        if (!problems.isEmpty()) {
            std::printf("problems %s\n", qPrintable(QString(problems).replace('\n', QLatin1String(" | "))));
            std::fflush(stdout);
        }
        const QHash<QString, QObject *> pages{{"drivers", drivers}, {"archive", archive}};
        for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
            const QString line = shownDrivers(it.value()).join(',');
            if (printed.value(it.key(), "-") != line) {
                printed.insert(it.key(), line);
                std::printf("%s %s\n", qPrintable(it.key()), qPrintable(line));
                std::fflush(stdout);
            }
        }
    });
    timer.start(50);
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class TestDriverPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void filterAndEdit();
    void archiveAndReturn();
    void refusalsShow();
    void systemChangesAreReadAgain();
    void copyThroughEditor();
    void changePassword();
    void selectionResults();
    void statusColours();
    void tabsOfCarriedPages();
    void groupRightAndRating();
    void approveRequestedChange();

private:
    QString driverId(const QString &sign);
    QObject *openEditor(const QString &sign);
    QObject *openedFrame();
    // Waits until the second program's page shows exactly these rows.
    bool followerShows(const QString &page, const QStringList &rows);
    void readFollower();

    PageProgram m_program;
    QProcess m_follower;
    QHash<QString, QString> m_followed;
    QStringList m_followerProblems;
};

void TestDriverPages::initTestCase()
{
    QString failure = m_program.start("driverpages", {SecondLogin + ':' + passwordDigest(SecondPassword)}, seed());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    connect(&m_follower, &QProcess::readyReadStandardOutput, this, &TestDriverPages::readFollower);
    m_follower.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_follower.start(QCoreApplication::applicationFilePath(),
                     {"--follow", QString::number(m_program.server().port())});
    QTRY_VERIFY_WITH_TIMEOUT(m_followed.contains("ready") || m_followed.contains("failed"), timeLimit(60000));
    QVERIFY2(!m_followed.contains("failed"), qPrintable(m_followed.value("failed")));
    QVERIFY(followerShows("drivers", {"n-1:Kowalski", "n-2:Nowak", "s-1:Smith"}));
    QVERIFY(followerShows("archive", {"a-1:Old"}));
}

void TestDriverPages::cleanupTestCase()
{
    readFollower();
    QVERIFY2(m_followerProblems.isEmpty(), qPrintable("the second program: " + m_followerProblems.join('\n')));
    m_follower.kill();
    m_follower.waitForFinished(timeLimit(5000));
}

void TestDriverPages::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
    readFollower();
    const QStringList followerProblems = std::exchange(m_followerProblems, {});
    QVERIFY2(followerProblems.isEmpty(), qPrintable("the second program: " + followerProblems.join('\n')));
}

void TestDriverPages::readFollower()
{
    while (m_follower.canReadLine()) {
        const QString line = QString::fromUtf8(m_follower.readLine()).trimmed();
        if (line.startsWith(QLatin1String("problems ")))
            m_followerProblems.append(line.section(' ', 1));
        else
            m_followed.insert(line.section(' ', 0, 0), line.section(' ', 1));
    }
}

bool TestDriverPages::followerShows(const QString &page, const QStringList &rows)
{
    const QString wanted = rows.join(',');
    const bool shown = QTest::qWaitFor([&] { return m_followed.value(page, "-") == wanted; }, timeLimit(10000));
    if (!shown)
        qWarning().noquote() << "the second program's" << page << "shows" << m_followed.value(page) << "not" << wanted;
    return shown;
}

QString TestDriverPages::driverId(const QString &sign)
{
    return m_program.query("SELECT id FROM drivers WHERE sign = ?", {sign}).toString();
}

QObject *TestDriverPages::openEditor(const QString &sign)
{
    const QString id = driverId(sign);
    QObject *editor = m_program.openPage("qrc:/qml/driver/driver/DriverEditor.qml", {{"state", "EDIT"}, {"id", id}});
    QQuickItem *field = editor ? pageControl(editor, "sign") : nullptr;
    QObject *form = editor ? editor->property("form").value<QObject *>() : nullptr;
    if (!field || !form || !QTest::qWaitFor([&] { return field->property("legalText") == sign; }, timeLimit(10000))
        || !QTest::qWaitFor([&] { return !form->property("isBusy").toBool(); }, timeLimit(10000)))
        return nullptr;
    return editor;
}

QObject *TestDriverPages::openedFrame()
{
    Gui::Frames *frames = Gui::Global::currentFrames();
    return frames && !frames->list().isEmpty() ? frames->list().last() : nullptr;
}

void TestDriverPages::filterAndEdit()
{
    QPointer<QObject> table = m_program.openPage("qrc:/qml/driver/driver/DriverTable.qml");
    QVERIFY(table);
    QTRY_COMPARE(shownDrivers(table), QStringList({"n-1:Kowalski", "n-2:Nowak", "s-1:Smith"}));

    // A group: its drivers only, without the group column.
    QObject *groups = table->property("groupBox").value<QObject *>();
    QAbstractItemModel *groupRows = groups->property("model").value<QAbstractItemModel *>();
    int north = -1;
    QMetaObject::invokeMethod(groupRows, "checkValueByRole", Q_RETURN_ARG(int, north), Q_ARG(QString, "id"),
                              Q_ARG(QVariant, m_program.query("SELECT id FROM driver_groups WHERE name = 'North'")));
    QVERIFY(north > 0);
    groups->setProperty("currentIndex", north);
    QMetaObject::invokeMethod(groups, "activated", Q_ARG(int, north));
    QTRY_COMPARE(shownDrivers(table), QStringList({"n-1:Kowalski", "n-2:Nowak"}));
    QVariant column;
    QMetaObject::invokeMethod(viewOf(table), "findColumn", Q_RETURN_ARG(QVariant, column), Q_ARG(QVariant, "group_name"));
    QVERIFY(column.value<QObject *>());
    QVERIFY(!column.value<QObject *>()->property("visible").toBool());

    // Typed text narrows the group further; cleared, the group shows again.
    QQuickItem *text = pageControl(table, "filterField");
    QVERIFY(text);
    text->setProperty("text", "Nowak");
    QTRY_COMPARE(shownDrivers(table), QStringList({"n-2:Nowak"}));
    text->setProperty("text", "");
    QTRY_COMPARE(shownDrivers(table), QStringList({"n-1:Kowalski", "n-2:Nowak"}));

    // A field changed and saved: in PostgreSQL, in this table and in the other program's.
    QPointer<QObject> editor = openEditor("n-1");
    QVERIFY(editor);
    pageControl(editor, "last_name")->setProperty("text", "Kowalska");
    QVERIFY(editor->property("isDirty").toBool());
    press(editor, "okButton");
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(m_program.query("SELECT last_name FROM drivers WHERE sign = 'n-1'").toString(), QString("Kowalska"));
    QTRY_COMPARE(shownDrivers(table), QStringList({"n-1:Kowalska", "n-2:Nowak"}));
    QVERIFY(followerShows("drivers", {"n-1:Kowalska", "n-2:Nowak", "s-1:Smith"}));

    // Every group again, which the table keeps for the next time it opens.
    groups->setProperty("currentIndex", 0);
    QMetaObject::invokeMethod(groups, "activated", Q_ARG(int, 0));
    QTRY_COMPARE(shownDrivers(table), QStringList({"n-1:Kowalska", "n-2:Nowak", "s-1:Smith"}));
    QVERIFY(column.value<QObject *>()->property("visible").toBool());
    QVERIFY(m_program.closePage(table));
}

void TestDriverPages::archiveAndReturn()
{
    QPointer<QObject> table = m_program.openPage("qrc:/qml/driver/driver/DriverTable.qml");
    QPointer<QObject> archive = m_program.openPage("qrc:/qml/driver/driver/DriverArchiveTable.qml");
    QVERIFY(table && archive);
    QTRY_VERIFY(shownDrivers(table).contains("s-1:Smith"));
    QTRY_COMPARE(shownDrivers(archive), QStringList({"a-1:Old"}));

    QPointer<QObject> editor = openEditor("s-1");
    QVERIFY(editor);
    QQuickItem *button = pageControl(editor, "archiveButton");
    QVERIFY(button && button->isVisible());
    QCOMPARE(button->property("text").toString(), QString("Move to archive..."));
    m_program.watchdog().answerNext(QMessageBox::Yes);
    press(editor, "archiveButton");
    QTRY_COMPARE(m_program.query("SELECT is_archived FROM drivers WHERE sign = 's-1'").toInt(), 1);
    QTRY_COMPARE(button->property("text").toString(), QString("Return from archive..."));
    QTRY_VERIFY(!shownDrivers(table).contains("s-1:Smith"));
    QTRY_COMPARE(shownDrivers(archive), QStringList({"a-1:Old", "s-1:Smith"}));
    QVERIFY(followerShows("drivers", {"n-1:Kowalska", "n-2:Nowak"}));
    QVERIFY(followerShows("archive", {"a-1:Old", "s-1:Smith"}));
    QCOMPARE(m_program.watchdog().texts(), QStringList({"Confirm moving to archive"}));
    m_program.watchdog().reset();

    m_program.watchdog().answerNext(QMessageBox::Yes);
    press(editor, "archiveButton");
    QTRY_COMPARE(m_program.query("SELECT is_archived FROM drivers WHERE sign = 's-1'").toInt(), 0);
    QTRY_COMPARE(button->property("text").toString(), QString("Move to archive..."));
    QTRY_VERIFY(shownDrivers(table).contains("s-1:Smith"));
    QTRY_COMPARE(shownDrivers(archive), QStringList({"a-1:Old"}));
    QVERIFY(followerShows("drivers", {"n-1:Kowalska", "n-2:Nowak", "s-1:Smith"}));
    QVERIFY(followerShows("archive", {"a-1:Old"}));
    m_program.watchdog().reset();
    for (QObject *page : {editor.data(), table.data(), archive.data()})
        QVERIFY(m_program.closePage(page));
}

void TestDriverPages::refusalsShow()
{
    QPointer<QObject> editor = openEditor("n-2");
    QVERIFY(editor);
    QObject *form = editor->property("form").value<QObject *>();
    const QString receiver = form->property("controller").value<QObject *>()->property("objectNumber").toString();
    QQuickItem *button = pageControl(editor, "archiveButton");
    const QString id = driverId("n-2");

    // A refused archive keeps the flag and says why, in place of the success notice.
    m_program.watchdog().reset();
    m_program.push({{"FN", "driver_saArchive"}, {"RECEIVER", receiver}, {"RES", "0"}, {"ERRCODE", "120"},
                    {"id", id}, {"is_archived", "1"}});
    QTRY_COMPARE(m_program.watchdog().boxes().size(), 1);
    QCOMPARE(m_program.watchdog().boxes().first().icon, QMessageBox::Critical);
    QCOMPARE(button->property("text").toString(), QString("Move to archive..."));
    m_program.watchdog().reset();

    // A refused recommender removal keeps the recommender.
    pageControl(editor, "recommender")->setProperty("legalText", "n-1");
    m_program.push({{"FN", "driver_saRemoveRecommender"}, {"RECEIVER", receiver}, {"RES", "0"},
                    {"ERRCODE", "120"}, {"id", id}});
    QTRY_COMPARE(m_program.watchdog().boxes().size(), 1);
    QCOMPARE(pageControl(editor, "recommender")->property("text").toString(), QString("n-1"));
    m_program.watchdog().reset();

    // Another editor's answers are not this one's.
    m_program.push({{"FN", "driver_saArchive"}, {"RECEIVER", "999999"}, {"RES", "10"}, {"id", id},
                    {"is_archived", "1"}});
    QCOMPARE(button->property("text").toString(), QString("Move to archive..."));
    QVERIFY(m_program.watchdog().boxes().isEmpty());
    QVERIFY(m_program.closePage(editor));
}

void TestDriverPages::systemChangesAreReadAgain()
{
    QPointer<QObject> editor = openEditor("n-2");
    QVERIFY(editor);
    const QString id = driverId("n-2");
    QQuickItem *lastName = pageControl(editor, "last_name");
    QQuickItem *latitude = pageControl(editor, "lat");
    const QVariantMap push{{"FN", "driver_srUpdated"}, {"RECEIVER", "ALL"}, {"id", id}, {"id_owner_modify", "1"},
                           {"sign", ""}};
    const auto systemStores = [&](const QString &assignments) {
        m_program.query(QString("UPDATE drivers SET %1, dt_utc_last_update = dt_utc_last_update + 1000 WHERE id = ?")
                            .arg(assignments),
                        {id});
        m_program.push(push);
    };

    // Unsaved edits, and the platform moves the driver: read again without dimming or asking;
    // the edits stay, the position shows where the driver is.
    lastName->setProperty("text", "Nowakowski");
    int reads = m_program.sentCount("driver_trInfo");
    systemStores("lat = 50.45");
    QVERIFY(m_program.waitForSent("driver_trInfo", reads + 1));
    QTRY_COMPARE(latitude->property("text").toString(), QString("50.45"));
    QCOMPARE(lastName->property("text").toString(), QString("Nowakowski"));
    QVERIFY(!editor->property("isBusy").toBool());
    QVERIFY(m_program.watchdog().boxes().isEmpty());

    // The system changed what the form sends: asked, naming it; No keeps the edits.
    m_program.watchdog().answerNext(QMessageBox::No);
    reads = m_program.sentCount("driver_trInfo");
    systemStores("middle_name = 'Systemovych'");
    QTRY_COMPARE(m_program.watchdog().boxes().size(), 1);
    QCOMPARE(m_program.watchdog().texts().first(), QString("Data changed by user 'system'. Apply?"));
    QCOMPARE(lastName->property("text").toString(), QString("Nowakowski"));
    m_program.watchdog().reset();

    // Nothing unsaved: the record is read again at once and shown.
    lastName->setProperty("text", lastName->property("legalText"));
    QVERIFY(!editor->property("isDirty").toBool());
    reads = m_program.sentCount("driver_trInfo");
    m_program.push(push);
    QVERIFY(m_program.waitForSent("driver_trInfo", reads + 1));
    QTRY_COMPARE(pageControl(editor, "middle_name")->property("text").toString(), QString("Systemovych"));
    QVERIFY(m_program.watchdog().boxes().isEmpty());
    QVERIFY(m_program.closePage(editor));
}

void TestDriverPages::copyThroughEditor()
{
    QPointer<QObject> table = m_program.openPage("qrc:/qml/driver/driver/DriverTable.qml");
    QVERIFY(table);
    QObject *view = viewOf(table);
    QTRY_VERIFY(view->property("rowCount").toInt() >= 3);
    QVariant row;
    QAbstractItemModel *rows = view->property("model").value<QAbstractItemModel *>();
    int wanted = -1;
    QMetaObject::invokeMethod(rows, "checkValueByRole", Q_RETURN_ARG(int, wanted), Q_ARG(QString, "id"),
                              Q_ARG(QVariant, driverId("n-2")));
    QVERIFY(wanted >= 0);
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, wanted));
    press(table, "duplicateButton");
    QPointer<QObject> copy = openedFrame();
    QVERIFY(copy && copy != table);
    QCOMPARE(copy->property("state").toString(), QString("DUPLICATE"));
    QQuickItem *sign = pageControl(copy, "sign");
    QTRY_COMPARE(sign->property("legalText").toString(), QString("n-2"));
    sign->setProperty("text", "n-3");
    const int copies = m_program.sentCount("driver_trDuplicate");
    press(copy, "duplicateButton");
    QVERIFY(m_program.waitForSent("driver_trDuplicate", copies + 1));
    QCOMPARE(m_program.sent("driver_trDuplicate").last().value("sign").toString(), QString("n-3"));
    QTRY_VERIFY(copy.isNull());
    QCOMPARE(m_program.query("SELECT last_name FROM drivers WHERE sign = 'n-3'").toString(), QString("Nowak"));
    // The copy shows here at once, and in the other program.
    QTRY_VERIFY(shownDrivers(table).contains("n-3:Nowak"));
    QVERIFY(followerShows("drivers", {"n-1:Kowalska", "n-2:Nowak", "n-3:Nowak", "s-1:Smith"}));
    QVERIFY(m_program.closePage(table));
}

void TestDriverPages::changePassword()
{
    QPointer<QObject> editor = openEditor("n-1");
    QVERIFY(editor);
    press(editor, "changePasswordButton");
    DriverChangePassword *dialog = nullptr;
    QTRY_VERIFY((dialog = [] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<DriverChangePassword *>(widget))
                return found;
        }
        return static_cast<DriverChangePassword *>(nullptr);
    }()));
    dialog->newPasswordEdit()->setText("road-7");
    dialog->confirmEdit()->setText("road-7");
    QMetaObject::invokeMethod(dialog, "accept");
    const QString digest = QString::fromLatin1(
        QCryptographicHash::hash(QByteArray("road-7"), QCryptographicHash::Md5).toHex());
    QTRY_COMPARE(m_program.query("SELECT pwd FROM drivers WHERE sign = 'n-1'").toString(), digest);
    m_program.watchdog().reset();
    QVERIFY(m_program.closePage(editor));
}

void TestDriverPages::selectionResults()
{
    const int working = m_program.query("SELECT count(*) FROM drivers WHERE id > 1 AND is_archived = 0").toInt();
    const QString url = QStringLiteral("qrc:/qml/driver/driver/DriverTable.qml");

    // SELECT: the current driver's id and sign, then the chooser closes.
    QPointer<QObject> chooser = m_program.openPage(url, {{"state", "SELECT"}});
    QVERIFY(chooser);
    QObject *view = viewOf(chooser);
    QTRY_COMPARE(view->property("rowCount").toInt(), working);
    QAbstractItemModel *rows = view->property("model").value<QAbstractItemModel *>();
    auto rowOf = [&](const QString &sign) {
        int row = -1;
        QMetaObject::invokeMethod(rows, "checkValueByRole", Q_RETURN_ARG(int, row), Q_ARG(QString, "id"),
                                  Q_ARG(QVariant, driverId(sign)));
        return row;
    };
    QSignalSpy chosen(chooser, SIGNAL(select(QVariant)));
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, rowOf("n-2")));
    press(chooser, "selectButton");
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().toMap(), QVariantMap({{"id", driverId("n-2")}, {"sign", "n-2"}}));
    QTRY_VERIFY(chooser.isNull());

    // REPORT: every selected driver's id and sign.
    chooser = m_program.openPage(url, {{"state", "REPORT"}});
    QVERIFY(chooser);
    view = viewOf(chooser);
    QTRY_COMPARE(view->property("rowCount").toInt(), working);
    rows = view->property("model").value<QAbstractItemModel *>();
    QSignalSpy reported(chooser, SIGNAL(select(QVariant)));
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, rowOf("n-1")));
    QObject *selection = view->property("selection").value<QObject *>();
    QVERIFY(QMetaObject::invokeMethod(selection, "select", Q_ARG(QVariant, rowOf("s-1")), Q_ARG(QVariant, rowOf("s-1"))));
    press(chooser, "selectButton");
    QCOMPARE(reported.count(), 1);
    QStringList signs;
    for (const QVariant &entry : reported.first().first().toList()) {
        const QVariantMap driver = entry.toMap();
        QCOMPARE(driver.value("id").toString(), driverId(driver.value("sign").toString()));
        signs.append(driver.value("sign").toString());
    }
    signs.sort();
    QCOMPARE(signs, QStringList({"n-1", "s-1"}));
    QTRY_VERIFY(chooser.isNull());
}

void TestDriverPages::statusColours()
{
    QPointer<QObject> table = m_program.openPage("qrc:/qml/driver/driver/DriverTable.qml");
    QVERIFY(table);
    QTRY_VERIFY(viewOf(table)->property("rowCount").toInt() > 0);
    Client::Controller::OriginalModel *drivers = Context::global()->driver()->originalModel();
    auto *window = qobject_cast<QQuickWindow *>(table->property("window").value<QObject *>());
    QVERIFY(window);
    // The colour of the drawn cell that shows the text.
    std::function<QColor(QQuickItem *, const QString &)> cellColour = [&](QQuickItem *item, const QString &text) {
        if (item->property("text").toString() == text && item->property("color").isValid())
            return item->property("color").value<QColor>();
        for (QQuickItem *child : item->childItems()) {
            const QColor found = cellColour(child, text);
            if (found.isValid())
                return found;
        }
        return QColor();
    };
    // The colour follows the number whatever the text says (translated texts differ).
    const QVector<QPair<QString, QColor>> statuses{
        {"1000", Context::global()->style()->brightGreenColor()}, {"2200", QColor("yellow")},
        {"2000", QColor("red")}, {"3000", QColor("white")}, {"1500", QColor("gray")}};
    for (const auto &status : statuses) {
        const QString text = QStringLiteral("status %1").arg(status.first);
        drivers->updateValue(driverId("n-1"), "status", status.first, true);
        drivers->updateValue(driverId("n-1"), "status_string", text, true);
        QTRY_VERIFY2(cellColour(window->contentItem(), text) == status.second, qPrintable(text));
    }
    QVERIFY(m_program.closePage(table));
}

void TestDriverPages::tabsOfCarriedPages()
{
    // The tabs whose pages are carried, after "Essentials"; the others are absent.
    int carried = 0;
    for (const char *page : {"driver/car/CarContainer.qml", "driver/driver/balance/DriverBalanceTable.qml",
                             "payment/payment-system-log/PaymentSystemLogContainer.qml",
                             "driver/driver-paid-service/DriverPaidServiceContainer.qml",
                             "driver/driver-session/DriverSessionContainer.qml", "driver/driver/photo/DriverPhoto.qml"})
        carried += QFile::exists(QStringLiteral(":/qml/") + page) ? 1 : 0;

    // A new driver: only "Essentials" works, no password or archive yet.
    QPointer<QObject> created = m_program.openPage("qrc:/qml/driver/driver/DriverEditor.qml", {{"state", "ADD"}});
    QVERIFY(created);
    QObject *tabBar = created->property("tabView").value<QObject *>()->property("tabBar").value<QObject *>();
    QCOMPARE(tabBar->property("count").toInt(), 1 + carried);
    for (int tab = 1; tab <= carried; ++tab) {
        QQuickItem *button = nullptr;
        QMetaObject::invokeMethod(tabBar, "itemAt", Q_RETURN_ARG(QQuickItem *, button), Q_ARG(int, tab));
        QVERIFY(button && !button->isEnabled());
    }
    QVERIFY(!pageControl(created, "changePasswordButton")->isVisible());
    QVERIFY(!pageControl(created, "archiveButton")->isVisible());
    QVERIFY(m_program.closePage(created));

    QPointer<QObject> stored = openEditor("n-1");
    QVERIFY(stored);
    tabBar = stored->property("tabView").value<QObject *>()->property("tabBar").value<QObject *>();
    QCOMPARE(tabBar->property("count").toInt(), 1 + carried);
    QVERIFY(pageControl(stored, "changePasswordButton")->isVisible());

    // The group picker: the group table for selection, its choice taken as the driver's group.
    QQuickItem *groupBox = pageControl(stored, "groupBox");
    QQuickItem *browse = groupBox ? groupBox->findChild<QQuickItem *>("browseButton") : nullptr;
    QVERIFY(browse);
    QMetaObject::invokeMethod(browse, "clicked");
    QPointer<QObject> chooser = openedFrame();
    QVERIFY(chooser && chooser->property("url").toString().endsWith("DriverGroupTable.qml"));
    QCOMPARE(chooser->property("state").toString(), QString("SELECT"));
    QObject *view = viewOf(chooser);
    QAbstractItemModel *rows = view->property("model").value<QAbstractItemModel *>();
    const QString south = m_program.query("SELECT id FROM driver_groups WHERE name = 'South'").toString();
    int row = -1;
    QTRY_VERIFY(QMetaObject::invokeMethod(rows, "checkValueByRole", Q_RETURN_ARG(int, row), Q_ARG(QString, "id"),
                                          Q_ARG(QVariant, south)) && row >= 0);
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, row));
    press(chooser, "selectButton");
    QTRY_VERIFY(chooser.isNull());
    QObject *essentials = stored->property("essentials").value<QObject *>();
    QCOMPARE(essentials->property("groupValue").value<QObject *>()->property("value").toString(), south);
    QCOMPARE(pageControl(stored, "group_name")->property("text").toString(), QString("South"));
    QVERIFY(stored->property("isDirty").toBool());
    QObject *group = essentials->property("groupValue").value<QObject *>();
    group->setProperty("value", group->property("legalValue"));
    QVERIFY(!stored->property("isDirty").toBool());
    QVERIFY(m_program.closePage(stored));
}

void TestDriverPages::groupRightAndRating()
{
    // Without the read right on driver groups neither table starts: no driver shows, and why.
    for (const char *url : {"qrc:/qml/driver/driver/DriverTable.qml", "qrc:/qml/driver/driver/DriverArchiveTable.qml"}) {
        const std::shared_ptr<void> withheld = m_program.withholdRight("driverGroup");
        m_program.watchdog().reset();
        const int lists = m_program.sentCount("driver_trGetList");
        QPointer<QObject> table = m_program.openPage(url);
        QVERIFY(table);
        QTRY_VERIFY(!m_program.watchdog().boxes().isEmpty());
        QVERIFY(m_program.watchdog().texts().join('\n').contains("You don't have enough access privileges"));
        QTest::qWait(timeLimit(200));
        QCOMPARE(viewOf(table)->property("rowCount").toInt(), 0);
        QCOMPARE(m_program.sentCount("driver_trGetList"), lists);
        m_program.watchdog().reset();
        QVERIFY(m_program.closePage(table));
    }

    // The rating takes a number from 1.0 to 5.0 with a point.
    QPointer<QObject> editor = openEditor("n-1");
    QVERIFY(editor);
    QQuickItem *rating = pageControl(editor, "rating");
    const QVector<QPair<QString, bool>> ratings{{"1", true}, {"4.75", true}, {"5.0", true}, {"0.9", false},
                                               {"5.1", false}, {"4,5", false}, {"6", false}};
    for (const auto &value : ratings) {
        rating->setProperty("text", value.first);
        QVERIFY2(rating->property("acceptableInput").toBool() == value.second, qPrintable(value.first));
    }
    rating->setProperty("text", rating->property("legalText"));

    // "More..." lists the driver's rating changes; the source filter narrows the request.
    const int lists = m_program.sentCount("driverRatingLog_trGetList");
    press(editor, "ratingLogButton");
    QVERIFY(m_program.waitForSent("driverRatingLog_trGetList", lists + 1));
    QJsonObject request = m_program.sent("driverRatingLog_trGetList").last();
    QCOMPARE(request.value("rst_id_driver").toString(), driverId("n-1"));
    QVERIFY(!request.contains("is_system"));
    QVERIFY(request.contains("dt_utc_insert_start") && request.contains("dt_utc_insert_end"));
    QPointer<QObject> log = openedFrame();
    QVERIFY(log && log->property("url").toString().endsWith("DriverRatingLogTable.qml"));
    QObject *source = log->property("sourceBox").value<QObject *>();
    source->setProperty("currentIndex", 2);
    QMetaObject::invokeMethod(source, "activated", Q_ARG(int, 2));
    QVERIFY(m_program.waitForSent("driverRatingLog_trGetList", lists + 2));
    request = m_program.sent("driverRatingLog_trGetList").last();
    QCOMPARE(request.value("is_system").toString(), QString("1"));
    QVERIFY(m_program.closePage(log));
    QVERIFY(m_program.closePage(editor));
}

void TestDriverPages::approveRequestedChange()
{
    const QString id = driverId("n-2");
    const QString message = m_program.query(
        "INSERT INTO notification_messages (context, value, is_completed, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('driver.update', ?, 0, 1000, 1000) RETURNING id",
        {QStringLiteral("{\"data\": {\"id\": \"%1\", \"last_name\": \"Nowacki\"}}").arg(id)}).toString();
    QVERIFY(!message.isEmpty());
    const QVariantMap approve{{"context", "driver.update"}, {"isCompleted", false}, {"rst_id_nm", message},
                              {"data", QVariantMap{{"id", id}, {"last_name", "Nowacki"}}}};
    QPointer<QObject> editor = m_program.openPage("qrc:/qml/driver/driver/DriverEditor.qml",
                                                  {{"state", "EDIT"}, {"id", id}, {"approve", approve}});
    QVERIFY(editor);
    QObject *form = editor->property("form").value<QObject *>();
    QQuickItem *lastName = pageControl(editor, "last_name");

    // The proposed value shows as a mismatch beside the resolution.
    QTRY_VERIFY(form->property("resolutionVisible").toBool());
    QCOMPARE(lastName->property("legalText").toString(), QString("Nowacki"));
    QVERIFY(lastName->property("isMismatch").toBool());
    QTRY_VERIFY(!form->property("isBusy").toBool());

    // Approved: the request names the message, the driver takes the value, the resolution goes.
    QMetaObject::invokeMethod(form, "resolutionApprove");
    QVERIFY(m_program.waitForSent("driver_trApprove", 1));
    const QJsonObject request = m_program.sent("driver_trApprove").last();
    QCOMPARE(request.value("rst_id_nm").toString(), message);
    QCOMPARE(request.value("ok").toString(), QString("1"));
    QTRY_VERIFY(!form->property("resolutionVisible").toBool());
    QTRY_COMPARE(m_program.query("SELECT last_name FROM drivers WHERE id = ?", {id}).toString(), QString("Nowacki"));
    QCOMPARE(m_program.query("SELECT is_completed FROM notification_messages WHERE id = ?", {message}).toInt(), 1);
    // The record read again shows as stored, without the resolution.
    const int reads = m_program.sentCount("driver_trInfo");
    QVERIFY(reads > 0);
    QTRY_VERIFY(!form->property("isBusy").toBool());
    QTest::qWait(timeLimit(300));
    QVERIFY(!form->property("resolutionVisible").toBool());
    QCOMPARE(lastName->property("text").toString(), QString("Nowacki"));
    QVERIFY(!editor->property("isDirty").toBool());
    QVERIFY(m_program.closePage(editor));
}

int main(int argc, char *argv[])
{
    return pageTestMain(argc, argv, [] { return std::make_unique<TestDriverPages>(); },
                        [](int argc, char **argv) -> std::optional<int> {
                            if (argc == 3 && QByteArray(argv[1]) == "--follow")
                                return follow(QByteArray(argv[2]).toInt());
                            return std::nullopt;
                        });
}

#include "tst_driverpages.moc"
