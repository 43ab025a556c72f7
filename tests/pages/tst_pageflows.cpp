// Pages at work, the program signed in to the stand-in over PostgreSQL beside a second client:
// the SMS table filtered and a record renamed (stored, shown in the open table and in the second
// client's list), a city added, edited and removed in both, a record locked by the other client
// that the editor cannot save, a refused list that leaves no page waiting, a refused timed reload
// said once, and a crash report's database saved to a file; the SMS editor's variables window
// belonging to the editor; the "[All ...]" entries first in the filter boxes, drawn as they read;
// the security option pages granting and withdrawing an operator's rights as the stand-in
// enforces them; a saved GUI session that is no JSON object is not sent, and a group's new UTC
// offset only with the operator's yes; the columns a group's tables hide, chosen in the roles
// dialog and hidden in the city table; the user and group pickers' results, and a user's
// sessions closed from the session table (last: it ends the second client's connection).
#include "dayend.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "screenshot.h"
#include "secondclient.h"
#include "shownperiod.h"

#include "startup/startup.h"

#include "client/controller/desktopcontroller.h"
#include "gui/core/context.h"
#include "gui/shell/global.h"
#include "gui/dialog/roles.h"
#include "gui/frame/frames.h"
#include "gui/mainwindow/guisessionmenu.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/widget/tablewidget.h"

#include "model/orlem/city/city.h"
#include "model/orlem/sms/sms.h"
#include "timelimit.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QQuickItem>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

namespace {

const QString SecondPassword = QStringLiteral("second shift");
const QString OperatorPassword = QStringLiteral("operator's");

// The item of a page that has the property (the table view: "hardFilters"; the table: "filterField").
QObject *itemWith(QObject *page, const char *property)
{
    return PageControls::itemWithProperty(page, property);
}

QAbstractItemModel *shownRows(QObject *page)
{
    return PageControls::rowsOf(PageControls::tableViewOf(page));
}

// The row of the view showing the record; -1 when it is not shown.
int shownRow(QObject *page, const QString &id)
{
    return PageControls::shownRow(page, id);
}

QString shownValue(QObject *page, const QString &id, const QString &role)
{
    return PageControls::shownValue(page, id, role);
}

// Makes the record current and runs a view action ("editAction", "addAction", "deleteAction").
QObject *viewAction(QObject *page, const QString &action, const QString &id = QString())
{
    QObject *view = itemWith(page, "hardFilters");
    if (!id.isEmpty())
        QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, shownRow(page, id)));
    QVariant result;
    QMetaObject::invokeMethod(view, action.toLatin1().constData(), Q_RETURN_ARG(QVariant, result));
    return result.value<QObject *>();
}

void press(QObject *page, const QString &button)
{
    PageControls::press(page, button);
}

} // namespace

class TestPageFlows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void smsRenamedEverywhere();
    void citiesAddedEditedRemoved();
    void lockedRecordIsNotSaved();
    void refusedListEndsTheWait();
    void refusedTimedReloadSaidOnce();
    void crashDatabaseSaved();
    void smsVariablesBelongToTheEditor();
    void allEntriesLeadFilterBoxes();
    void securityOptionPages();
    void editorsCheckAndAskFirst();
    void hiddenColumnsOption();
    void userEditorTabs();
    void userPickersAndSessions();
    void directDuplicateShowsTheCopy();

private:
    // The security option list of a user or group editor, shown with the option group of code.
    QObject *optionList(QObject *editor, const QString &typeCode);
    // The operator's answer to a city list of its own: "RES/ERRCODE".
    QString operatorCityList();
    // Sets the admin group's value of an option in the database (the server's view of rights).
    void setAdminRight(const QString &code, const QString &value);
    QString insert(const QString &statement);

    // Made first and gone last: see SecondClient.
    SecondClient m_other;
    SecondClient m_operator;
    PageProgram m_program;
};

void TestPageFlows::initTestCase()
{
    const QString failure = m_program.start("pageflows", {"second:" + passwordDigest(SecondPassword),
                                                          "operator:" + passwordDigest(OperatorPassword)});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(m_other.signIn(m_program.server().port(), "second", SecondPassword));
    QVERIFY(m_operator.signIn(m_program.server().port(), "operator", OperatorPassword));
    m_operator.watch<Model::Orlem::City>("city");
}

void TestPageFlows::cleanupTestCase()
{
    // Where a planned day's end fell: between the first row of today's and the last check of it.
    const QString fault = DayEnd::straddleFault();
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestPageFlows::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestPageFlows::setAdminRight(const QString &code, const QString &value)
{
    m_program.setAdminRight(code, value);
}

QString TestPageFlows::insert(const QString &statement)
{
    return m_program.query(statement).toString();
}

void TestPageFlows::smsRenamedEverywhere()
{
    insert("INSERT INTO sms (name, code, value) VALUES ('Welcome', 'welcome', 'Hello {SIGN}') RETURNING id");
    const QString id = insert("INSERT INTO sms (name, code, value) VALUES ('Goodbye', 'goodbye', 'Bye {SIGN}') RETURNING id");
    SecondClient &other = m_other;
    other.watch<Model::Orlem::Sms>("sms");
    QVERIFY(other.load());
    QCOMPARE(other.value(id, "name").toString(), QString("Goodbye"));

    QPointer<QObject> table = m_program.openPage("qrc:/qml/sms/SmsTable.qml");
    QVERIFY(table);
    const int stored = m_program.query("SELECT count(*) FROM sms WHERE id > 1").toInt();
    QTRY_COMPARE(shownRows(table)->rowCount(), stored);
    itemWith(table, "filterField")->property("filterField").value<QObject *>()->setProperty("text", "Goodb");
    QTRY_COMPARE(shownRows(table)->rowCount(), 1);

    QPointer<QObject> editor = viewAction(table, "editAction", id);
    QVERIFY(editor);
    QQuickItem *name = pageControl(editor, "name");
    QTRY_COMPARE(name->property("legalText").toString(), QString("Goodbye"));
    QTRY_VERIFY(!editor->property("form").value<QObject *>()->property("isBusy").toBool());
    name->setProperty("text", "Farewell");
    press(editor, "okButton");
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(m_program.query("SELECT name FROM sms WHERE id = ?", {id}).toString(), QString("Farewell"));
    // The open table follows its own save.
    itemWith(table, "filterField")->property("filterField").value<QObject *>()->setProperty("text", "");
    QTRY_COMPARE(shownValue(table, id, "name"), QString("Farewell"));
    QTRY_COMPARE(other.value(id, "name").toString(), QString("Farewell"));
    QVERIFY(m_program.closePage(table));
}

void TestPageFlows::citiesAddedEditedRemoved()
{
    SecondClient &other = m_other;
    other.watch<Model::Orlem::City>("city");
    QVERIFY(other.load());
    QPointer<QObject> table = m_program.openPage("qrc:/qml/address/city/CityTable.qml");
    QVERIFY(table);

    // Add.
    QPointer<QObject> editor = viewAction(table, "addAction");
    QVERIFY(editor);
    QCOMPARE(editor->property("state").toString(), QString("ADD"));
    pageControl(editor, "name")->setProperty("text", "Odesa");
    pageControl(editor, "coords_vertex")->setProperty("text", "46.48 30.72");
    press(editor, "okButton");
    QTRY_VERIFY(editor.isNull());
    const QString id = m_program.query("SELECT id FROM cities WHERE name = 'Odesa'").toString();
    QVERIFY(!id.isEmpty());
    QCOMPARE(m_program.query("SELECT coords_vertex FROM cities WHERE id = ?", {id}).toString(), QString("46.48 30.72"));
    QTRY_COMPARE(shownValue(table, id, "name"), QString("Odesa"));
    QTRY_COMPARE(other.value(id, "name").toString(), QString("Odesa"));

    // Edit.
    editor = viewAction(table, "editAction", id);
    QVERIFY(editor);
    QTRY_COMPARE(pageControl(editor, "name")->property("legalText").toString(), QString("Odesa"));
    QTRY_VERIFY(!editor->property("form").value<QObject *>()->property("isBusy").toBool());
    pageControl(editor, "name")->setProperty("text", "Odessa");
    press(editor, "okButton");
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(m_program.query("SELECT name FROM cities WHERE id = ?", {id}).toString(), QString("Odessa"));
    QTRY_COMPARE(shownValue(table, id, "name"), QString("Odessa"));
    QTRY_COMPARE(other.value(id, "name").toString(), QString("Odessa"));

    // The table as a picker: the chosen city goes back to the opener and the picker closes.
    QPointer<QObject> picker = m_program.openPage("qrc:/qml/address/city/CityTable.qml", {{"state", "SELECT"}});
    QVERIFY(picker);
    QVERIFY(pageControl(picker, "selectButton")->isVisible());
    QVERIFY(!pageControl(table, "selectButton")->isVisible());
    QSignalSpy chosen(picker, SIGNAL(select(QVariant)));
    QTRY_VERIFY(shownRow(picker, id) >= 0);
    QMetaObject::invokeMethod(itemWith(picker, "hardFilters"), "selectRow", Q_ARG(QVariant, shownRow(picker, id)));
    QMetaObject::invokeMethod(itemWith(picker, "hardFilters"), "doubleClickAction");
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().toMap(), (QVariantMap{{"rst_id_city", id}}));
    QTRY_VERIFY(picker.isNull());

    // Remove, confirmed.
    m_program.watchdog().answerNext(QMessageBox::Yes);
    viewAction(table, "deleteAction", id);
    QTRY_VERIFY(m_program.query("SELECT count(*) FROM cities WHERE id = ?", {id}).toInt() == 0);
    QTRY_COMPARE(shownRow(table, id), -1);
    QTRY_VERIFY(!other.hasRow(id));
    QCOMPARE(m_program.watchdog().texts(), QStringList{"Do you want to delete record?"});
    m_program.watchdog().reset();
    QVERIFY(m_program.closePage(table));
}

void TestPageFlows::lockedRecordIsNotSaved()
{
    const QString id = insert("INSERT INTO sms (name, code, value) VALUES ('Locked', 'locked', 'x') RETURNING id");
    SecondClient &other = m_other;
    other.watch<Model::Orlem::Sms>("sms");
    QCOMPARE(other.request("trLock", {{"id", id}}).value("RES").toString(), QString("10"));
    // Withdrawn on the server and in the program, which then has nothing to ask.
    setAdminRight("sms.crud.update_locked_record", "0");
    const auto withheld = m_program.withholdRight("sms", "update_locked_record");

    QPointer<QObject> editor = m_program.openPage("qrc:/qml/sms/SmsEditor.qml", {{"state", "EDIT"}, {"id", id}});
    QVERIFY(editor);
    QQuickItem *name = pageControl(editor, "name");
    QTRY_COMPARE(name->property("legalText").toString(), QString("Locked"));
    // The lock is refused and said so.
    QTRY_VERIFY(m_program.watchdog().texts().join('\n').startsWith("LOCK: "));
    m_program.watchdog().reset();
    name->setProperty("text", "Mine now");
    press(editor, "okButton");
    QTRY_VERIFY(!m_program.watchdog().boxes().isEmpty());
    QVERIFY2(m_program.watchdog().texts().first().startsWith("UPDATE: Record locked by other user"),
             qPrintable(m_program.watchdog().texts().join('\n')));
    m_program.watchdog().reset();
    QVERIFY(editor);
    QCOMPARE(m_program.query("SELECT name FROM sms WHERE id = ?", {id}).toString(), QString("Locked"));

    setAdminRight("sms.crud.update_locked_record", "1");
    QCOMPARE(other.request("trUnlock", {{"id", id}}).value("RES").toString(), QString("10"));
    name->setProperty("text", "Locked");
    QVERIFY(m_program.closePage(editor));
}

void TestPageFlows::refusedListEndsTheWait()
{
    // The client holds the right, the server no longer grants it.
    setAdminRight("crashReport.crud.read", "0");
    QPointer<QObject> table = m_program.openPage("qrc:/qml/crash/CrashReportTable.qml");
    QVERIFY(table);
    QTRY_VERIFY(!m_program.watchdog().boxes().isEmpty());
    QVERIFY2(m_program.watchdog().texts().first().startsWith(
                 "GET LIST: You don't have enough access privileges for this operation"),
             qPrintable(m_program.watchdog().texts().join('\n')));
    m_program.watchdog().reset();
    QObject *view = itemWith(table, "hardFilters");
    QVERIFY(!view->property("isPrepareMode").toBool());
    QVERIFY(!view->property("isListPending").toBool());
    QObject *busyTimer = table->findChild<QObject *>("busyTimer");
    QVERIFY(busyTimer && !busyTimer->property("running").toBool());
    QVERIFY(!table->property("isBusy").toBool());
    setAdminRight("crashReport.crud.read", "1");
    QVERIFY(m_program.closePage(table));
}

void TestPageFlows::refusedTimedReloadSaidOnce()
{
    // The companies reload on a timer; the client holds the right, the server no longer grants it.
    setAdminRight("company.crud.read", "0");
    const int before = m_program.sentCount("company_trGetList");
    QPointer<QObject> table = m_program.openPage("qrc:/qml/company/company/CompanyTable.qml");
    QVERIFY(table);
    auto *company = table->property("company").value<Client::Controller::DesktopController *>();
    QVERIFY(company && company->autoUpdate());
    company->setAutoUpdateInterval(1);
    QTRY_COMPARE(m_program.watchdog().boxes().size(), 1);
    m_program.watchdog().reset();
    // Said once: the timer asks nothing more while the server refuses.
    QTest::qWait(timeLimit(3500));
    QCOMPARE(m_program.watchdog().boxes().size(), 0);
    QCOMPARE(m_program.sentCount("company_trGetList"), before + 1);

    // A reload the operator asks for, granted again: the timer reloads again.
    setAdminRight("company.crud.read", "1");
    company->reGetList();
    QVERIFY(m_program.waitForSent("company_trGetList", before + 2));
    QVERIFY(m_program.waitForSent("company_trGetList", before + 4));
    QCOMPARE(m_program.watchdog().boxes().size(), 0);
    QVERIFY(m_program.closePage(table));
}

void TestPageFlows::crashDatabaseSaved()
{
    const QByteArray bytes("SQLite format 3\0crash", 21);
    const QString now = QString::number(QDateTime::currentMSecsSinceEpoch());
    const QString withDb = insert("INSERT INTO crash_reports (db, dt_utc_insert, dt_utc_last_update) VALUES ('"
                                  + QString::fromLatin1(bytes.toBase64()) + "', " + now + ", " + now + ") RETURNING id");
    const QString withoutDb = insert("INSERT INTO crash_reports (db, dt_utc_insert, dt_utc_last_update) VALUES ('', "
                                     + now + ", " + now + ") RETURNING id");
    DayEnd::noteSeed(now.toLongLong());
    // The list asks for the operator's day, whole: the day on the test's clock while the page
    // opened, at the offset the stand-in gives the user.
    const qint64 opened = QDateTime::currentMSecsSinceEpoch();
    const int lists = m_program.sentCount("crashReport_trGetList");
    QPointer<QObject> table = m_program.openPage("qrc:/qml/crash/CrashReportTable.qml");
    QVERIFY(table);
    QVERIFY(m_program.waitForSent("crashReport_trGetList", lists + 1));
    const QJsonObject request = m_program.sent("crashReport_trGetList").last();
    QCOMPARE(DayEnd::periodFault("the crash reports' list", request.value("dt_utc_insert_start").toString().toLongLong(),
                                 request.value("dt_utc_insert_end").toString().toLongLong(), opened,
                                 QDateTime::currentMSecsSinceEpoch(), m_program.utcOffset()),
             QString());
    // The reports made now are the day's, that day's also when it ended since they were made.
    const ShownPeriod period(table, opened);
    QCOMPARE(period.dayFault(m_program), QString());
    QVERIFY(period.keepRows(m_program, "id IN (" + withDb + ", " + withoutDb + ")"));
    QTRY_VERIFY(shownRow(table, withDb) >= 0 && shownRow(table, withoutDb) >= 0);
    DayEnd::noteCheck();

    // No database: said so, no file dialog.
    QMetaObject::invokeMethod(itemWith(table, "hardFilters"), "selectRow", Q_ARG(QVariant, shownRow(table, withoutDb)));
    press(table, "downloadButton");
    QTRY_COMPARE(m_program.watchdog().texts(), QStringList{"Database is absent or corrupted"});
    m_program.watchdog().reset();

    // A database: saved under the chosen name with ".db" appended.
    QTemporaryDir folder;
    const QString chosen = folder.filePath("crash");
    // The file dialog gets a name without the ending.
    m_program.watchdog().handleNext([&folder](QDialog *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QLineEdit *name = files ? files->findChild<QLineEdit *>("fileNameEdit") : nullptr;
        if (!name) {
            dialog->reject();
            return;
        }
        QCOMPARE(files->windowTitle(), QString("Save Database File"));
        QCOMPARE(files->nameFilters(), QStringList{"Database files (*.db)"});
        files->setDirectory(folder.path());
        name->setText("crash");
        dialog->accept();
    });
    QMetaObject::invokeMethod(itemWith(table, "hardFilters"), "selectRow", Q_ARG(QVariant, shownRow(table, withDb)));
    press(table, "downloadButton");
    QTRY_VERIFY(QFile::exists(chosen + ".db"));
    QFile saved(chosen + ".db");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), bytes);
    QVERIFY(table->property("database").isNull() || !table->property("database").isValid()
            || table->property("database").toByteArray().isEmpty());

    // A file that cannot be written is reported, not taken for saved.
    table->setProperty("database", bytes);
    m_program.messages().expect("Failed to open file for writing");
    QVariant result;
    QMetaObject::invokeMethod(table, "saveDatabase", Q_RETURN_ARG(QVariant, result),
                              Q_ARG(QVariant, QUrl::fromLocalFile(folder.filePath("missing/folder/crash.db"))));
    QVERIFY(!result.toBool());
    QVERIFY(!QFile::exists(folder.filePath("missing/folder/crash.db")));
    QTRY_COMPARE(m_program.watchdog().texts(),
                 QStringList{"Failed to save the database file " + folder.filePath("missing/folder/crash.db")});
    m_program.watchdog().reset();
    QVERIFY(m_program.closePage(table));
}

QObject *TestPageFlows::optionList(QObject *editor, const QString &typeCode)
{
    QObject *tabs = itemWith(editor, "tabContents");
    QObject *list = itemWith(editor, "setAllValue");
    if (!tabs || !list)
        return nullptr;
    tabs->property("tabBar").value<QObject *>()->setProperty("currentIndex", tabs->property("tabBar")
                                                                 .value<QObject *>()->property("count").toInt() - 1);
    QObject *types = list->property("typeView").value<QObject *>();
    auto *rows = types->property("model").value<QAbstractItemModel *>();
    int row = -1;
    QTest::qWaitFor([&] {
        QMetaObject::invokeMethod(rows, "checkValueByRole", Q_RETURN_ARG(int, row), Q_ARG(QString, "code"),
                                  Q_ARG(QVariant, QVariant(typeCode)));
        return row >= 0;
    }, timeLimit(5000));
    if (row < 0)
        return nullptr;
    QMetaObject::invokeMethod(types, "selectRow", Q_ARG(QVariant, row));
    return list;
}

QString TestPageFlows::operatorCityList()
{
    const QVariantMap answer = m_operator.request("trGetList", {});
    return answer.value("RES").toString() + "/" + answer.value("ERRCODE").toString();
}

void TestPageFlows::smsVariablesBelongToTheEditor()
{
    const QString id = insert("INSERT INTO sms (name, code, value) VALUES ('Hello', 'hello', 'Hi {SIGN}') RETURNING id");
    const auto shown = [] {
        QList<QWidget *> found;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->inherits("SmsVariables") && widget->isVisible())
                found.append(widget);
        }
        return found;
    };
    QPointer<QObject> editor = m_program.openPage("qrc:/qml/sms/SmsEditor.qml", {{"state", "EDIT"}, {"id", id}});
    QVERIFY(editor);
    QTRY_VERIFY(!PageControls::formOf(editor)->property("isBusy").toBool());
    auto *editorWindow = editor->property("window").value<QWindow *>();
    QVERIFY(editorWindow && editorWindow->isVisible());
    editorWindow->setGeometry(40, 40, 700, 450);

    // Over the editor, kept above its window.
    press(editor, "variablesButton");
    QTRY_COMPARE(shown().size(), 1);
    QPointer<QWidget> variables = shown().first();
    QCOMPARE(variables->windowHandle()->transientParent(), editorWindow);
    QVERIFY2(editorWindow->geometry().contains(variables->geometry().center()),
             qPrintable(QString("%1,%2").arg(variables->x()).arg(variables->y())));
    QImage screen(QGuiApplication::primaryScreen()->size(), QImage::Format_RGB32);
    screen.fill(Qt::darkGray);
    QPainter painter(&screen);
    painter.drawImage(editorWindow->position(), editorWindow->screen()->grabWindow(editorWindow->winId()).toImage());
    painter.drawImage(variables->pos(), variables->grab().toImage());
    painter.end();
    QVERIFY(saveScreenshot(screen, "sms-variables.png"));
    // It goes with its editor.
    QVERIFY(m_program.closePage(editor));
    QTRY_VERIFY(variables.isNull());
}

void TestPageFlows::allEntriesLeadFilterBoxes()
{
    const auto check = [](QObject *page, const QString &box, const QString &all, int rowsAtLeast) {
        QQuickItem *combo = pageControl(page, box);
        QVERIFY2(combo, qPrintable(box));
        auto *rows = combo->property("model").value<QAbstractItemModel *>();
        QVERIFY(rows);
        QTRY_VERIFY(rows->rowCount() >= rowsAtLeast);
        QCOMPARE(rows->data(rows->index(0, 0), rows->roleNames().key("id")).toString(), QString("1"));
        // What the box draws: the label alone, nothing before it.
        QMetaObject::invokeMethod(combo, "resetCurrentIndex");
        auto *drawn = combo->property("contentItem").value<QQuickItem *>();
        QVERIFY(drawn);
        QCOMPARE(drawn->property("text").toString(), all);
    };
    QPointer<QObject> users = m_program.openPage("qrc:/qml/user/user/UserTable.qml");
    QVERIFY(users);
    check(users, "groupBox", "[All groups]",
          1 + m_program.query("SELECT count(*) FROM user_groups WHERE id > 1").toInt());
    QVERIFY(m_program.closePage(users));
    QPointer<QObject> drivers = m_program.openPage("qrc:/qml/driver/driver/DriverTable.qml");
    QVERIFY(drivers);
    check(drivers, "groupBox", "[All groups]", 1);
    check(drivers, "cityBox", "[All cities]", 1);
    QVERIFY(m_program.closePage(drivers));
    QPointer<QObject> logs = m_program.openPage("qrc:/qml/payment/payment-system-log/PaymentSystemLogTable.qml");
    QVERIFY(logs);
    check(logs, "companyBox", "[All companies]", 1);
    check(logs, "paymentSystemBox", "[All payment systems]", 1);
    QVERIFY(m_program.closePage(logs));
}

void TestPageFlows::securityOptionPages()
{
    const QString group = m_program.query("SELECT rst_id_group FROM users WHERE sign = 'operator'").toString();
    const QString user = m_program.query("SELECT id FROM users WHERE sign = 'operator'").toString();
    const QString readOption = m_program.query("SELECT id FROM security_options WHERE code = 'city.crud.read'").toString();
    QCOMPARE(operatorCityList(), QString("10/"));

    // The group's value, withdrawn in the option editor opened from the group's options.
    QPointer<QObject> groupEditor = m_program.openPage("qrc:/qml/user/user-group/UserGroupEditor.qml",
                                                       {{"state", "EDIT"}, {"id", group}});
    QVERIFY(groupEditor);
    const int lists = m_program.sentCount("ugso_trGetList");
    QObject *groupOptions = optionList(groupEditor, "city.crud");
    QVERIFY(groupOptions);
    QVERIFY(m_program.waitForSent("ugso_trGetList", lists + 1));
    // The values of the chosen option group, of this group only.
    const QString cityType = m_program.query("SELECT id FROM security_option_types WHERE code = 'city.crud'").toString();
    QTRY_COMPARE(m_program.sent("ugso_trGetList").last().value("rst_id_sot1").toString(), cityType);
    QJsonObject request = m_program.sent("ugso_trGetList").last();
    QCOMPARE(request.value("rst_id_group").toString(), group);
    QVERIFY(!request.contains("rst_id_owner"));
    QObject *values = groupOptions->property("valueView").value<QObject *>();
    const QString valueId = m_program.query("SELECT id FROM user_group_security_options WHERE rst_id_group = ? AND "
                                            "rst_id_so = ?", {group, readOption}).toString();
    int row = -1;
    auto *valueRows = values->property("model").value<QAbstractItemModel *>();
    QTRY_VERIFY([&] {
        QMetaObject::invokeMethod(valueRows, "checkValueByRole", Q_RETURN_ARG(int, row), Q_ARG(QString, "id"),
                                  Q_ARG(QVariant, QVariant(valueId)));
        return row >= 0;
    }());
    QMetaObject::invokeMethod(values, "selectRow", Q_ARG(QVariant, row));
    QVariant opened;
    QMetaObject::invokeMethod(groupOptions, "openValue", Q_RETURN_ARG(QVariant, opened));
    QPointer<QObject> optionEditor = opened.value<QObject *>();
    QVERIFY(optionEditor);
    QCOMPARE(optionEditor->property("state").toString(), QString("UGSO"));
    QCOMPARE(optionEditor->property("secureControllerName").toString(), QString("city"));
    QQuickItem *check = pageControl(optionEditor, "option_value_check");
    QTRY_VERIFY(check->property("legalChecked").toBool());
    QTRY_VERIFY(!optionEditor->property("form").value<QObject *>()->property("isBusy").toBool());
    check->setProperty("checked", false);
    const int updates = m_program.sentCount("ugso_trUpdate");
    press(optionEditor, "okButton");
    QVERIFY(m_program.waitForSent("ugso_trUpdate", updates + 1));
    request = m_program.sent("ugso_trUpdate").last();
    for (const char *key : {"FN", "RECEIVER", "SIGN"})
        request.remove(key);
    QCOMPARE(request.toVariantMap(), (QVariantMap{{"id", valueId}, {"option_value", "0"}}));
    QTRY_VERIFY(optionEditor.isNull());
    QCOMPARE(operatorCityList(), QString("0/50"));
    QVERIFY(m_program.closePage(groupEditor));

    // The operator's own values (a platform server makes them with the user), set all at once:
    // "Yes" grants what the group withholds, "No" withdraws what it grants.
    m_program.query("INSERT INTO user_security_options (rst_id_owner, rst_id_so, option_value, is_using) "
                    "SELECT ?, id, '0', 0 FROM security_options WHERE code LIKE 'city.crud.%' AND data_type = 'bool'",
                    {user});
    const int options = m_program.query("SELECT count(*) FROM user_security_options WHERE rst_id_owner = ?", {user})
                            .toInt();
    QVERIFY(options > 1);
    QPointer<QObject> userEditor = m_program.openPage("qrc:/qml/user/user/UserEditor.qml",
                                                      {{"state", "EDIT"}, {"id", user}});
    QVERIFY(userEditor);
    QObject *userOptions = optionList(userEditor, "city.crud");
    QVERIFY(userOptions);
    auto *userRows = userOptions->property("valueView").value<QObject *>()->property("model").value<QAbstractItemModel *>();
    QTRY_COMPARE(userRows->rowCount(), options);
    const auto setAll = [&](const QString &button, const QString &value) {
        const int locks = m_program.sentCount("uso_trLock");
        const int unlocks = m_program.sentCount("uso_trUnlock");
        m_program.watchdog().answerNext(QMessageBox::Yes);
        press(userEditor, button);
        QTRY_COMPARE(m_program.query("SELECT count(*) FROM user_security_options WHERE rst_id_owner = ? AND "
                                     "option_value = ? AND is_using = 1", {user, value}).toInt(), options);
        QTRY_VERIFY(!userOptions->property("isSettingAll").toBool());
        QTRY_COMPARE(m_program.sentCount("uso_trLock") - locks, options);
        QVERIFY(m_program.waitForSent("uso_trUnlock", unlocks + options));
        // Each update went out under its granted lock and each lock was given back.
        QList<QJsonObject> all;
        for (const QJsonObject &event : m_program.server().events()) {
            const QJsonObject message = event.value("message").toObject();
            if (message.value("FN").toString().startsWith("uso_tr") && message.value("FN") != "uso_trGetList")
                all.append(message);
        }
        QCOMPARE(all.last().value("FN").toString(), QString("uso_trUnlock"));
        for (int i = 0; i + 2 < all.size(); ++i) {
            if (all[i].value("FN") != "uso_trUpdate")
                continue;
            QCOMPARE(all[i - 1].value("FN").toString(), QString("uso_trLock"));
            QCOMPARE(all[i - 1].value("id"), all[i].value("id"));
            QCOMPARE(all[i].value("is_using").toString(), QString("1"));
        }
        m_program.watchdog().reset();
    };
    setAll("setAllYesButton", "1");
    QCOMPARE(operatorCityList(), QString("10/"));
    // Nothing left to change: nothing asked, nothing sent.
    const int updatesBefore = m_program.sentCount("uso_trUpdate");
    press(userEditor, "setAllYesButton");
    QTest::qWait(timeLimit(300));
    QVERIFY(m_program.watchdog().boxes().isEmpty());
    QCOMPARE(m_program.sentCount("uso_trUpdate"), updatesBefore);

    m_program.query("UPDATE user_group_security_options SET option_value = '1' WHERE id = ?", {valueId});
    setAll("setAllNoButton", "0");
    QCOMPARE(operatorCityList(), QString("0/50"));
    QVERIFY(m_program.closePage(userEditor));
    m_program.query("DELETE FROM user_security_options WHERE rst_id_owner = ?", {user});
    QCOMPARE(operatorCityList(), QString("10/"));
}

void TestPageFlows::editorsCheckAndAskFirst()
{
    const QString admin = m_program.query("SELECT id FROM users WHERE sign = 'admin'").toString();
    // The GUI-session menu's "New" opens the editor of a new session of the signed-in user; it
    // starts with the shell's arrangement, and a value that is no JSON object stays.
    auto *guiSessions = Gui::Context::mainWindow()->findChild<Gui::Private::GuiSessionMenu *>();
    QVERIFY(guiSessions);
    guiSessions->recreate();
    QAction *create = nullptr;
    for (QAction *action : guiSessions->actions()) {
        if (action->text() == "&New")
            create = action;
    }
    QVERIFY(create);
    create->trigger();
    QPointer<QObject> session = Gui::Global::currentFrames()->list().last();
    QVERIFY(session);
    QCOMPARE(session->property("url").toString(), QString("qrc:/qml/user/user-gui-session/UserGuiSessionEditor.qml"));
    QCOMPARE(session->property("state").toString(), QString("ADD"));
    QCOMPARE(session->property("rst_id_owner").toString(), admin);
    QQuickItem *value = pageControl(session, "value");
    const QJsonDocument arrangement = QJsonDocument::fromJson(value->property("text").toString().toUtf8());
    QVERIFY(arrangement.isObject() && arrangement.object().contains("openFrames"));
    pageControl(session, "name")->setProperty("text", "Night desk");
    const int news = m_program.sentCount("userGuiSession_trNew");
    for (const QString &broken : {QString("{\"openFrames\": ["), QString("[1, 2]"), QString("")}) {
        value->setProperty("text", broken);
        press(session, "okButton");
        QTRY_COMPARE(m_program.watchdog().texts(), QStringList{"The value is not a valid JSON object"});
        m_program.watchdog().reset();
        QTest::qWait(timeLimit(100));
        QCOMPARE(m_program.sentCount("userGuiSession_trNew"), news);
        QVERIFY(session);
    }
    value->setProperty("text", "{\"openFrames\": []}");
    press(session, "okButton");
    QVERIFY(m_program.waitForSent("userGuiSession_trNew", news + 1));
    QTRY_VERIFY(session.isNull());
    QCOMPARE(m_program.query("SELECT value FROM user_gui_sessions WHERE name = 'Night desk' AND rst_id_owner = ?",
                             {admin}).toString(), QString("{\"openFrames\": []}"));

    // A group's offset: "no" keeps the editor open and sends nothing; "yes" sends it.
    const QString group = m_program.query("SELECT rst_id_group FROM users WHERE sign = 'operator'").toString();
    m_program.query("UPDATE user_groups SET utc_offset = 180 WHERE id = ?", {group});
    QPointer<QObject> editor = m_program.openPage("qrc:/qml/user/user-group/UserGroupEditor.qml",
                                                  {{"state", "EDIT"}, {"id", group}});
    QVERIFY(editor);
    QQuickItem *offset = pageControl(editor, "utc_offset");
    QTRY_VERIFY(offset->property("currentMinutes").toString() == "180");
    QTRY_VERIFY(!editor->property("form").value<QObject *>()->property("isBusy").toBool());
    QVariant index;
    QMetaObject::invokeMethod(offset, "indexOfMinutes", Q_RETURN_ARG(QVariant, index), Q_ARG(QVariant, 330));
    offset->setProperty("currentIndex", index);
    const int updates = m_program.sentCount("ug_trUpdate");
    const QString question = "After update current connections of group will be closed. Do you want to update?";
    m_program.watchdog().answerNext(QMessageBox::No);
    press(editor, "okButton");
    QTRY_COMPARE(m_program.watchdog().texts(), QStringList{question});
    m_program.watchdog().reset();
    QTest::qWait(timeLimit(200));
    QCOMPARE(m_program.sentCount("ug_trUpdate"), updates);
    QVERIFY(editor);
    m_program.watchdog().answerNext(QMessageBox::Yes);
    press(editor, "okButton");
    QVERIFY(m_program.waitForSent("ug_trUpdate", updates + 1));
    QCOMPARE(m_program.sent("ug_trUpdate").last().value("utc_offset").toString(), QString("330"));
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(m_program.query("SELECT utc_offset FROM user_groups WHERE id = ?", {group}).toInt(), 330);
    m_program.watchdog().reset();

    // A copy of the group gets a name of its own in the duplicating editor, and the group's rights.
    editor = m_program.openPage("qrc:/qml/user/user-group/UserGroupEditor.qml", {{"state", "EDIT"}, {"id", group}});
    QVERIFY(editor);
    QTRY_VERIFY(!editor->property("form").value<QObject *>()->property("isBusy").toBool());
    const int frames = Gui::Global::currentFrames()->count();
    QMetaObject::invokeMethod(pageControl(editor, "duplicateToolButton"), "clicked");
    QTRY_COMPARE(Gui::Global::currentFrames()->count(), frames + 1);
    QPointer<QObject> copy = Gui::Global::currentFrames()->list().last();
    QCOMPARE(copy->property("state").toString(), QString("DUPLICATE"));
    QQuickItem *name = pageControl(copy, "name");
    QTRY_VERIFY(!name->property("legalText").toString().isEmpty());
    QTRY_VERIFY(!copy->property("form").value<QObject *>()->property("isBusy").toBool());
    name->setProperty("text", "Operators on call");
    QVERIFY(pageControl(copy, "copySecurityRights")->property("checked").toBool());
    const int duplicates = m_program.sentCount("ug_trDuplicate");
    press(copy, "duplicateButton");
    QVERIFY(m_program.waitForSent("ug_trDuplicate", duplicates + 1));
    QCOMPARE(m_program.sent("ug_trDuplicate").last().value("copySecurityRights").toString(), QString("1"));
    QTRY_VERIFY(copy.isNull());
    const QString copied = m_program.query("SELECT id FROM user_groups WHERE name = 'Operators on call'").toString();
    QVERIFY(!copied.isEmpty());
    // The source's values, and a refusing value for every option the source has no row for.
    const QString rights = "SELECT string_agg(rst_id_so || '=' || option_value, ',' ORDER BY rst_id_so) FROM "
                           "user_group_security_options WHERE rst_id_group = ? AND rst_id_so IN (SELECT rst_id_so "
                           "FROM user_group_security_options WHERE rst_id_group = ?)";
    QCOMPARE(m_program.query(rights, {copied, group}).toString(), m_program.query(rights, {group, group}).toString());
    QCOMPARE(m_program.query("SELECT count(*) FROM user_group_security_options WHERE rst_id_group = ? AND "
                             "option_value = '1' AND rst_id_so NOT IN (SELECT rst_id_so FROM "
                             "user_group_security_options WHERE rst_id_group = ?)", {copied, group}).toInt(), 0);
    QVERIFY(m_program.closePage(editor));
}

void TestPageFlows::hiddenColumnsOption()
{
    const QString id = m_program.query("SELECT g.id FROM user_group_security_options g JOIN security_options so ON "
                                       "so.id = g.rst_id_so WHERE so.code = 'city.crud.table_mapping' AND g.rst_id_group = "
                                       "(SELECT rst_id_group FROM users WHERE sign = 'admin')").toString();
    QVERIFY(!id.isEmpty());
    m_program.query("UPDATE user_group_security_options SET option_value = '[]' WHERE id = ?", {id});
    const auto open = [&](const QString &controller) {
        QObject *editor = m_program.openPage("qrc:/qml/security-options/SecurityOptionsEditor.qml",
                                             {{"state", "UGSO"}, {"id", id}, {"secureControllerName", controller}});
        if (editor) {
            QTest::qWaitFor([&] { return editor->property("isList").toBool(); }, timeLimit(5000));
            QTest::qWaitFor([&] { return !editor->property("form").value<QObject *>()->property("isBusy").toBool(); }, timeLimit(5000));
        }
        return editor;
    };
    const auto roleCount = [](QObject *editor) {
        return pageControl(editor, "roleView")->property("rowCount").toInt();
    };

    // Roles chosen in the dialog join the list once, with their captions.
    QPointer<QObject> editor = open("city");
    QVERIFY(editor);
    QCOMPARE(roleCount(editor), 0);
    for (const QStringList &chosen : {QStringList{"name", "coords_vertex"}, QStringList{"name", "dt_utc_insert"}}) {
        press(editor, "addRolesButton");
        Gui::Dialog::Roles *dialog = nullptr;
        QTRY_VERIFY([&] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *found = qobject_cast<Gui::Dialog::Roles *>(widget); found && found->isVisible())
                    dialog = found;
            }
            return dialog != nullptr;
        }());
        QTableWidget *table = dialog->table();
        for (int row = 0; row < table->rowCount(); ++row) {
            if (chosen.contains(table->item(row, 1)->text()))
                table->selectionModel()->select(table->model()->index(row, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        dialog->accept();
    }
    QTRY_COMPARE(roleCount(editor), 3);
    const int updates = m_program.sentCount("ugso_trUpdate");
    press(editor, "okButton");
    QVERIFY(m_program.waitForSent("ugso_trUpdate", updates + 1));
    QTRY_VERIFY(editor.isNull());
    const QJsonArray stored = QJsonDocument::fromJson(
        m_program.query("SELECT option_value FROM user_group_security_options WHERE id = ?", {id}).toString().toUtf8())
                                  .array();
    QCOMPARE(stored.size(), 3);
    QVERIFY(stored.contains("name") && stored.contains("coords_vertex") && stored.contains("dt_utc_insert"));

    // Two selected roles removed: exactly those two.
    editor = open("city");
    QVERIFY(editor);
    QTRY_COMPARE(roleCount(editor), 3);
    QObject *roles = pageControl(editor, "roleView");
    QObject *selection = roles->property("selection").value<QObject *>();
    QMetaObject::invokeMethod(selection, "select", Q_ARG(QVariant, 0), Q_ARG(QVariant, 0));
    QMetaObject::invokeMethod(selection, "select", Q_ARG(QVariant, 2), Q_ARG(QVariant, 2));
    roles->setProperty("currentRow", 2);
    m_program.watchdog().answerNext(QMessageBox::Yes);
    press(editor, "removeRolesButton");
    QTRY_COMPARE(roleCount(editor), 1);
    QCOMPARE(m_program.watchdog().texts(), QStringList{"Remove selected rows?"});
    m_program.watchdog().reset();
    QCOMPARE(editor->property("rolesText").toString(), QString("[\"%1\"]").arg(stored.at(1).toString()));
    press(editor, "okButton");
    QTRY_VERIFY(editor.isNull());
    QTRY_COMPARE(m_program.query("SELECT option_value FROM user_group_security_options WHERE id = ?", {id}).toString(),
                 QString("[\"%1\"]").arg(stored.at(1).toString()));

    // The admin's city table hides the column the group's option now names.
    QTest::qWait(timeLimit(300));
    QPointer<QObject> table = m_program.openPage("qrc:/qml/address/city/CityTable.qml");
    QVERIFY(table);
    const auto columnShown = [&](const QString &role) {
        QVariant column;
        QMetaObject::invokeMethod(itemWith(table, "hardFilters"), "findColumn", Q_RETURN_ARG(QVariant, column),
                                  Q_ARG(QVariant, role));
        return column.value<QObject *>()->property("visible").toBool();
    };
    QVERIFY(!columnShown(stored.at(1).toString()));
    QVERIFY(columnShown(stored.at(0).toString()));
    QVERIFY(m_program.closePage(table));

    // A list option of a controller the program does not know cannot offer roles.
    editor = open("nosuch");
    QVERIFY(editor);
    press(editor, "addRolesButton");
    QTRY_COMPARE(m_program.watchdog().texts(), QStringList{"Absent secure option for controller nosuch"});
    m_program.watchdog().reset();
    QVERIFY(m_program.closePage(editor));
    m_program.query("UPDATE user_group_security_options SET option_value = '[]' WHERE id = ?", {id});
}

void TestPageFlows::userEditorTabs()
{
    const QString admin = m_program.query("SELECT id FROM users WHERE sign = 'admin'").toString();
    insert("INSERT INTO user_gui_sessions (rst_id_owner, name, value) VALUES (" + admin + ", 'Tabs', '{}') RETURNING id");
    QPointer<QObject> editor = m_program.openPage("qrc:/qml/user/user/UserEditor.qml", {{"state", "EDIT"}, {"id", admin}});
    QVERIFY(editor);
    QTRY_COMPARE(pageControl(editor, "sign")->property("legalText").toString(), QString("admin"));
    QObject *tabBar = itemWith(editor, "tabContents")->property("tabBar").value<QObject *>();
    QCOMPARE(tabBar->property("count").toInt(), 4);
    // Each tab asks for the user's own rows the first time it shows.
    const int sessions = m_program.sentCount("userSession_trGetList");
    tabBar->setProperty("currentIndex", 1);
    QVERIFY(m_program.waitForSent("userSession_trGetList", sessions + 1));
    const QJsonArray where = QJsonDocument::fromJson(
        m_program.sent("userSession_trGetList").last().value("JSON_WHERE").toString().toUtf8()).array();
    QVERIFY(QJsonDocument(where).toJson().contains("\"rst_id_owner\""));
    const int saved = m_program.sentCount("userGuiSession_trGetList");
    tabBar->setProperty("currentIndex", 2);
    QVERIFY(m_program.waitForSent("userGuiSession_trGetList", saved + 1));
    QCOMPARE(m_program.sent("userGuiSession_trGetList").last().value("rst_id_owner").toString(), admin);
    tabBar->setProperty("currentIndex", 1);
    tabBar->setProperty("currentIndex", 2);
    QTest::qWait(timeLimit(200));
    QCOMPARE(m_program.sentCount("userGuiSession_trGetList"), saved + 1);
    QVERIFY(m_program.closePage(editor));

    // A new user's other tabs stay closed until it is stored; stored, it holds a value row of
    // every security option, not in use.
    editor = m_program.openPage("qrc:/qml/user/user/UserEditor.qml", {{"state", "ADD"}});
    QVERIFY(editor);
    QVERIFY(!pageControl(editor, "sessionsTab")->isEnabled());
    QVERIFY(!pageControl(editor, "securityOptionsTab")->isEnabled());
    QVERIFY(!pageControl(editor, "changePasswordButton")->isVisible());
    pageControl(editor, "sign")->setProperty("text", "nightclerk");
    pageControl(editor, "last_name")->setProperty("text", "Moroz");
    pageControl(editor, "first_name")->setProperty("text", "Taras");
    // A user belongs to a group: the administrators', as the group picker would set it.
    QObject *essentials = PageControls::itemWithProperty(editor, "groupValue");
    QVERIFY(essentials);
    essentials->property("groupValue").value<QObject *>()->setProperty(
        "value", m_program.query("SELECT id FROM user_groups WHERE code = 'admin' ORDER BY id LIMIT 1").toString());
    const int news = m_program.sentCount("user_trNew");
    press(editor, "applyButton");
    QVERIFY(m_program.waitForSent("user_trNew", news + 1));
    QVERIFY(!m_program.sent("user_trNew").last().contains("rst_id_blocked"));
    QTRY_COMPARE(editor->property("state").toString(), QString("EDIT"));
    QVERIFY(pageControl(editor, "securityOptionsTab")->isEnabled());
    const QString created = m_program.query("SELECT id FROM users WHERE sign = 'nightclerk'").toString();
    QCOMPARE(editor->property("id").toString(), created);
    QCOMPARE(m_program.query("SELECT last_name FROM users WHERE id = ?", {created}).toString(), QString("Moroz"));
    QCOMPARE(m_program.query("SELECT count(*) FROM user_security_options WHERE rst_id_owner = ? AND is_using = 0",
                             {created}).toInt(),
             m_program.query("SELECT count(*) FROM security_options WHERE id > 1").toInt());
    QVERIFY(m_program.closePage(editor));
}

void TestPageFlows::userPickersAndSessions()
{
    const QString operatorId = m_program.query("SELECT id FROM users WHERE sign = 'operator'").toString();
    const QString group = m_program.query("SELECT rst_id_group FROM users WHERE sign = 'operator'").toString();
    const auto choose = [&](const QString &url, const QString &state, const QString &id) {
        QPointer<QObject> picker = m_program.openPage(url, {{"state", state}});
        QSignalSpy chosen(picker, SIGNAL(select(QVariant)));
        QObject *view = itemWith(picker, "hardFilters");
        QTest::qWaitFor([&] { return shownRow(picker, id) >= 0; }, timeLimit(5000));
        QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, shownRow(picker, id)));
        QMetaObject::invokeMethod(view, "doubleClickAction");
        QTest::qWaitFor([&] { return picker.isNull(); }, timeLimit(5000));
        return chosen.isEmpty() ? QVariant() : chosen.first().first();
    };
    const QString userTable = "qrc:/qml/user/user/UserTable.qml";
    const QString groupTable = "qrc:/qml/user/user-group/UserGroupTable.qml";
    QCOMPARE(choose(userTable, "SELECT", operatorId).toList(),
             (QVariantList{QVariantMap{{"id", operatorId}, {"sign", "operator"}}}));
    QCOMPARE(choose(userTable, "MULTI_SELECT", operatorId).toList(), QVariantList{operatorId});
    QCOMPARE(choose(groupTable, "SELECT", group).toMap(), (QVariantMap{{"rst_id_group", group}}));
    QCOMPARE(choose(groupTable, "MULTI_SELECT", group).toList(), QVariantList{group});

    // The user table narrowed to one group, which it keeps for the next time.
    QPointer<QObject> users = m_program.openPage(userTable);
    QTRY_VERIFY(shownRow(users, operatorId) >= 0);
    const int all = shownRows(users)->rowCount();
    QQuickItem *groups = pageControl(users, "groupBox");
    int groupRow = -1;
    QMetaObject::invokeMethod(groups->property("model").value<QObject *>(), "checkValueByRole",
                              Q_RETURN_ARG(int, groupRow), Q_ARG(QString, "id"), Q_ARG(QVariant, QVariant(group)));
    QVERIFY(groupRow >= 0);
    groups->setProperty("currentIndex", groupRow);
    QMetaObject::invokeMethod(groups, "activated", Q_ARG(int, groupRow));
    const int inGroup = m_program.query("SELECT count(*) FROM users WHERE rst_id_group = ?", {group}).toInt();
    QTRY_COMPARE(shownRows(users)->rowCount(), inGroup);
    QVERIFY(inGroup < all && shownRow(users, operatorId) >= 0);
    QVERIFY(m_program.closePage(users));
    users = m_program.openPage(userTable);
    QTRY_COMPARE(shownRows(users)->rowCount(), inGroup);
    QVERIFY(m_program.closePage(users));

    // Closing a session closes every open session of its user: only the owner is sent.
    const QString second = m_program.query("SELECT id FROM users WHERE sign = 'second'").toString();
    const QString now = QString::number(QDateTime::currentMSecsSinceEpoch());
    const QString row = insert("INSERT INTO user_sessions (sign, rst_id_owner, dt_start, dt_end, dt_utc_insert, "
                               "dt_utc_last_update) VALUES ('second', " + second + ", " + now + ", 0, " + now + ", "
                               + now + ") RETURNING id");
    DayEnd::noteSeed(now.toLongLong());
    // A day's end planned for the run comes here at the latest: the session is the old day's.
    DayEnd::awaitPlannedEnd();
    const qint64 sessionsOpened = QDateTime::currentMSecsSinceEpoch();
    QPointer<QObject> sessions = m_program.openPage("qrc:/qml/user/user-session/UserSessionTable.qml");
    // A session of today's, that day's also when it ended since the session was made.
    const ShownPeriod period(sessions, sessionsOpened);
    QCOMPARE(period.dayFault(m_program), QString());
    QVERIFY(period.keepRows(m_program, "id = " + row));
    QTRY_VERIFY(shownRow(sessions, row) >= 0);
    DayEnd::noteCheck();
    QMetaObject::invokeMethod(itemWith(sessions, "hardFilters"), "selectRow", Q_ARG(QVariant, shownRow(sessions, row)));
    QVariant opened;
    QMetaObject::invokeMethod(itemWith(sessions, "inEditor"), "openUser", Q_RETURN_ARG(QVariant, opened));
    QPointer<QObject> userEditor = opened.value<QObject *>();
    QVERIFY(userEditor);
    QCOMPARE(userEditor->property("id").toString(), second);
    QVERIFY(m_program.closePage(userEditor));
    const int closes = m_program.sentCount("userSession_trClose");
    m_program.watchdog().answerNext(QMessageBox::Yes);
    press(sessions, "closeSessionButton");
    QVERIFY(m_program.waitForSent("userSession_trClose", closes + 1));
    QJsonObject request = m_program.sent("userSession_trClose").last();
    for (const char *key : {"FN", "RECEIVER", "SIGN"})
        request.remove(key);
    QCOMPARE(request.toVariantMap(), (QVariantMap{{"rst_id_owner", second}}));
    QTRY_VERIFY(!sessions->property("isBusy").toBool());
    QCOMPARE(m_program.watchdog().texts(), QStringList{"Confirm closing session"});
    m_program.watchdog().reset();
    QVERIFY(m_program.closePage(sessions));
}

// A table whose Duplicate copies at once shows the copy itself, whatever else reloads it.
void TestPageFlows::directDuplicateShowsTheCopy()
{
    const QString driver = insert("INSERT INTO drivers (sign, last_name, dt_utc_insert, dt_utc_last_update)"
                                  " VALUES ('dup-1', 'Copier', 1000, 1000) RETURNING id");
    const QString car = insert("INSERT INTO cars (rst_id_driver, uuid, identifier, model, dt_utc_insert,"
                               " dt_utc_last_update) VALUES (" + driver + ", md5('dup car'), 'DC 0001', 'Lanos',"
                               " 1000, 1000) RETURNING id");
    QPointer<QObject> table = m_program.openPage("qrc:/qml/driver/car/CarTable.qml");
    QVERIFY(table);
    QTRY_VERIFY(shownRow(table, car) >= 0);
    QMetaObject::invokeMethod(itemWith(table, "hardFilters"), "selectRow", Q_ARG(QVariant, shownRow(table, car)));
    const int copies = m_program.sentCount("car_trDuplicate");
    press(table, "duplicateButton");
    QVERIFY(m_program.waitForSent("car_trDuplicate", copies + 1));
    QTRY_COMPARE(m_program.query("SELECT count(*) FROM cars WHERE identifier = 'DC 0001'").toInt(), 2);
    const QString copy = insert("SELECT max(id) FROM cars WHERE identifier = 'DC 0001'");
    QTRY_VERIFY(shownRow(table, copy) >= 0);
    QCOMPARE(shownValue(table, copy, "identifier"), QString("DC 0001"));
    QVERIFY(m_program.closePage(table));
}

KORIV_PAGE_TEST_MAIN(TestPageFlows)

#include "tst_pageflows.moc"
