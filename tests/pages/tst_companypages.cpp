// The company pages at work in the program signed in to the stand-in over PostgreSQL: the company
// table hands back the chosen companies; the company editor sends no change, and its balance tab
// asks for the company's entries by group, type and period, narrows the types to the group, books
// a new entry through the balance-log dialog and keeps the lost-profit colour with its row; the
// terminal company table copies a record in the editor under a sign of its own, and the editor
// changes the record's password.
#include "dayend.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "shownperiod.h"

#include "dialog/controllerchangepassword.h"
#include "startup/startup.h"

#include "gui/shell/global.h"
#include "gui/dialog/balancelog.h"
#include "gui/frame/frames.h"
#include "gui/widget/doubleedit.h"
#include "timelimit.h"

#include <QApplication>
#include <QPushButton>
#include <QLineEdit>
#include <QPointer>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString CompanyTable = QStringLiteral("qrc:/qml/company/company/CompanyTable.qml");
const QString CompanyEditor = QStringLiteral("qrc:/qml/company/company/CompanyEditor.qml");
const QString TerminalTable = QStringLiteral("qrc:/qml/company/terminal-company/TerminalCompanyTable.qml");
const QString TerminalEditor = QStringLiteral("qrc:/qml/company/terminal-company/TerminalCompanyEditor.qml");

QObject *child(QObject *object, const char *name)
{
    return object ? object->property(name).value<QObject *>() : nullptr;
}

QAbstractItemModel *rowsOf(QObject *view)
{
    return view ? view->property("model").value<QAbstractItemModel *>() : nullptr;
}

int rowOf(QObject *view, const QString &id)
{
    int row = -1;
    QMetaObject::invokeMethod(rowsOf(view), "checkValueByRole", Q_RETURN_ARG(int, row), Q_ARG(QString, "id"),
                              Q_ARG(QVariant, QVariant(id)));
    return row;
}

QVariant call(QObject *object, const char *function, const QVariant &argument = QVariant())
{
    QVariant result;
    if (argument.isValid())
        QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, argument));
    else
        QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result));
    return result;
}

// A request without the keys every message carries.
QStringList requestKeys(QJsonObject request)
{
    for (const char *key : {"FN", "RECEIVER", "SIGN"})
        request.remove(key);
    QStringList keys = request.keys();
    keys.sort();
    return keys;
}

void visibleItems(QQuickItem *item, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : item->childItems()) {
        if (child->isVisible()) {
            found.append(child);
            visibleItems(child, found);
        }
    }
}

// The amounts a table view draws in the highlight colour, as shown.
QStringList highlightedAmounts(QObject *view)
{
    QList<QQuickItem *> cells;
    visibleItems(qobject_cast<QQuickItem *>(view), cells);
    QStringList shown;
    for (QQuickItem *cell : cells) {
        if (cell->metaObject()->indexOfProperty("isHighlighted") >= 0 && cell->property("isHighlighted").toBool())
            shown.append(cell->property("text").toString());
    }
    shown.sort();
    return shown;
}

// Chooses the balance group by its id in the balance tab's group box, as a click does.
void chooseGroup(QObject *balance, const QString &group)
{
    int groupRow = -1;
    QMetaObject::invokeMethod(child(child(balance, "groups"), "proxyModel"), "checkValueByRole",
                              Q_RETURN_ARG(int, groupRow), Q_ARG(QString, "id"), Q_ARG(QVariant, QVariant(group)));
    QVERIFY(groupRow > 0);
    QObject *groupBox = child(balance, "groupBox");
    groupBox->setProperty("currentIndex", groupRow);
    QMetaObject::invokeMethod(groupBox, "activated", Q_ARG(int, groupRow));
}

} // namespace

class TestCompanyPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void companyTableSelects();
    void companyEditorSendsNoChange();
    void balanceTabFiltersAndBooks();
    void balanceTabWithoutTheTypeRight();
    void lostProfitColourStaysWithItsRow();
    void terminalCompanyCopiedUnderItsOwnSign();
    void terminalCompanyPasswordChanged();

private:
    QString insertCompany(const QString &name);
    QObject *openBalanceTab(const QString &company);

    PageProgram m_program;
};

void TestCompanyPages::initTestCase()
{
    const QString failure = m_program.start("companypages");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestCompanyPages::cleanupTestCase()
{
    // Where a planned day's end fell: between the first row of today's and the last check of it.
    const QString fault = DayEnd::straddleFault();
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestCompanyPages::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

QString TestCompanyPages::insertCompany(const QString &name)
{
    return m_program
        .query("INSERT INTO companies (company_name, sign, uuid_company, balance, lost_profit, dt_utc_insert,"
               " dt_utc_last_update) VALUES (?, ?, md5(random()::text), 0, 0, 1, 1) RETURNING id",
               {name, name.toLower()})
        .toString();
}

void TestCompanyPages::companyTableSelects()
{
    const QString first = insertCompany("Avto Lux");
    const QString second = insertCompany("Taxi Start");
    QVERIFY(!first.isEmpty() && !second.isEmpty());

    // SELECT: the current company, as the pickers take it; the page closes.
    QPointer<QObject> page = m_program.openPage(CompanyTable, {{"state", "SELECT"}});
    QObject *view = child(page, "tableView");
    QTRY_VERIFY(rowOf(view, second) >= 0);
    QSignalSpy chosen(page, SIGNAL(select(QVariant)));
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, rowOf(view, second)));
    QQuickItem *select = pageControl(page, "selectButton");
    QVERIFY(select && select->isVisible());
    QMetaObject::invokeMethod(select, "clicked");
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().value<QVariant>().toMap(),
             (QVariantMap{{"rst_id_company", second}, {"company_name", "Taxi Start"}}));
    QTRY_VERIFY(page.isNull());

    // REPORT: every selected company as an owner of the report, its name as the sign.
    page = m_program.openPage(CompanyTable, {{"state", "REPORT"}});
    view = child(page, "tableView");
    QTRY_VERIFY(rowOf(view, first) >= 0 && rowOf(view, second) >= 0);
    QSignalSpy reported(page, SIGNAL(select(QVariant)));
    QObject *selection = child(view, "selection");
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, rowOf(view, first)));
    QMetaObject::invokeMethod(selection, "select", Q_ARG(QVariant, rowOf(view, second)),
                              Q_ARG(QVariant, rowOf(view, second)));
    call(view, "doubleClickAction");
    QCOMPARE(reported.count(), 1);
    QVariantList owners = reported.first().first().value<QVariant>().toList();
    std::sort(owners.begin(), owners.end(),
              [](const QVariant &a, const QVariant &b) { return a.toMap().value("id").toLongLong() < b.toMap().value("id").toLongLong(); });
    QCOMPARE(owners, (QVariantList{QVariantMap{{"id", first}, {"sign", "Avto Lux"}},
                                   QVariantMap{{"id", second}, {"sign", "Taxi Start"}}}));
    QTRY_VERIFY(page.isNull());

    // In the table of its own the select button stays hidden.
    page = m_program.openPage(CompanyTable);
    QVERIFY(!pageControl(page, "selectButton")->isVisible());
    QVERIFY(m_program.closePage(page));
}

void TestCompanyPages::companyEditorSendsNoChange()
{
    const QString company = insertCompany("Comfort");
    const int updates = m_program.sentCount("company_trUpdate");
    QPointer<QObject> editor = m_program.openPage(CompanyEditor, {{"state", "EDIT"}, {"id", company}});
    QTRY_COMPARE(pageControl(editor, "company_name")->property("text").toString(), QString("Comfort"));
    QVERIFY(pageControl(editor, "company_name")->property("readOnly").toBool());
    QVERIFY(pageControl(editor, "balanceTab")->isEnabled());
    QVERIFY(!editor->property("isDirty").toBool());
    QMetaObject::invokeMethod(pageControl(editor, "okButton"), "clicked");
    QTRY_VERIFY(editor.isNull());
    QTest::qWait(timeLimit(200));
    QCOMPARE(m_program.sentCount("company_trUpdate"), updates);

    // A record that is not saved has no balance to show.
    editor = m_program.openPage(CompanyEditor);
    QVERIFY(!pageControl(editor, "balanceTab")->isEnabled());
    QVERIFY(m_program.closePage(editor));
}

QObject *TestCompanyPages::openBalanceTab(const QString &company)
{
    QObject *editor = m_program.openPage(CompanyEditor, {{"state", "EDIT"}, {"id", company}});
    if (!editor || !QTest::qWaitFor([&] { return editor->property("id").toString() == company; }, timeLimit(10000)))
        return nullptr;
    child(child(editor, "tabView"), "tabBar")->setProperty("currentIndex", 1);
    return editor;
}

void TestCompanyPages::balanceTabFiltersAndBooks()
{
    const QString company = insertCompany("Express");
    // A group with a type of its own: the types the stand-in's database seeds.
    const QString group = m_program.query("SELECT rst_id_bg FROM company_balance_types WHERE id > 1 AND rst_id_bg > 1"
                                          " ORDER BY id LIMIT 1").toString();
    QVERIFY(!group.isEmpty());
    const int groupTypes = m_program.query("SELECT count(*) FROM company_balance_types WHERE rst_id_bg IN (1, ?)",
                                           {group}).toInt();

    const int lists = m_program.sentCount("cmpbl_trGetList");
    const qint64 opened = QDateTime::currentMSecsSinceEpoch();
    QPointer<QObject> editor = openBalanceTab(company);
    QVERIFY(editor);
    QVERIFY(m_program.waitForSent("cmpbl_trGetList", lists + 1));
    QJsonObject request = m_program.sent("cmpbl_trGetList").last();
    QCOMPARE(requestKeys(request),
             (QStringList{"dt_utc_insert_end", "dt_utc_insert_start", "query_limit", "rst_id_owner"}));
    QCOMPARE(request.value("rst_id_owner").toString(), company);
    QVERIFY(request.value("dt_utc_insert_start").toString().toLongLong()
            < request.value("dt_utc_insert_end").toString().toLongLong());

    // The tab shows the operator's day.
    QObject *balance = child(editor, "balance");
    const ShownPeriod period(balance, opened);
    QCOMPARE(period.dayFault(m_program), QString());

    // All groups: only the placeholder type, and no entry can be added.
    QObject *typeBox = child(balance, "typeBox");
    QCOMPARE(typeBox->property("count").toInt(), 1);
    m_program.watchdog().reset();
    QCOMPARE(call(balance, "addEntry").value<QObject *>(), nullptr);
    QTRY_COMPARE(m_program.watchdog().texts(), QStringList{"Company balance group can not be All"});
    m_program.watchdog().reset();

    // A group: its types and those of every group, and the entries of that group.
    chooseGroup(balance, group);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(m_program.waitForSent("cmpbl_trGetList", lists + 2));
    request = m_program.sent("cmpbl_trGetList").last();
    QCOMPARE(request.value("rst_id_bg").toString(), group);
    QVERIFY(!request.contains("rst_id_bt"));
    QCOMPARE(typeBox->property("count").toInt(), groupTypes);
    QCOMPARE(typeBox->property("currentIndex").toInt(), 0);

    // A new entry through the widget kit's dialog, booked on the company's balance.
    QPointer<Gui::Dialog::BalanceLog> dialog =
        qobject_cast<Gui::Dialog::BalanceLog *>(call(balance, "addEntry").value<QObject *>());
    QVERIFY(dialog && !dialog->isViewMode());
    QTest::keyClicks(dialog->findChild<Gui::DoubleEdit *>(), "250");
    const int booked = m_program.sentCount("cmpbl_trNew");
    dialog->accept();
    QVERIFY(m_program.waitForSent("cmpbl_trNew", booked + 1));
    QCOMPARE(m_program.sent("cmpbl_trNew").last().value("rst_id_owner").toVariant().toLongLong(),
             company.toLongLong());
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), timeLimit(10000));
    const QString entry = m_program.query("SELECT id FROM company_balance_logs WHERE rst_id_owner = ?", {company})
                              .toString();
    QVERIFY(!entry.isEmpty());
    DayEnd::noteSeed();
    QVERIFY(m_program.query("SELECT balance FROM companies WHERE id = ?", {company}).toDouble() != 0);

    // The entry shows in the tab once listed again, and opens read-only; booked as the day the tab
    // shows ended, it is dated into that day.
    QVERIFY(period.holdRows(m_program, "id = " + entry) >= 0);
    QMetaObject::invokeMethod(balance, "reload");
    QObject *view = child(balance, "tableView");
    QTRY_VERIFY(rowOf(view, entry) >= 0);
    DayEnd::noteCheck();
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, rowOf(view, entry)));
    QPointer<Gui::Dialog::BalanceLog> shown =
        qobject_cast<Gui::Dialog::BalanceLog *>(call(balance, "viewEntry").value<QObject *>());
    QVERIFY(shown && shown->isViewMode());
    shown->close();
    QTRY_VERIFY(shown.isNull());
    QVERIFY(m_program.closePage(editor));
}

// Without the read right on the balance types the tab asks for no entries; with it back, a
// group chosen asks for that group's entries.
void TestCompanyPages::balanceTabWithoutTheTypeRight()
{
    const QString company = insertCompany("Nightly");
    const QString group = m_program.query("SELECT rst_id_bg FROM company_balance_types WHERE id > 1 AND rst_id_bg > 1"
                                          " ORDER BY id LIMIT 1").toString();
    QVERIFY(!group.isEmpty());
    // The entry lists asked for this company (an earlier test's may still be on the way).
    const auto lists = [&] {
        QList<QJsonObject> own;
        for (const QJsonObject &request : m_program.sent("cmpbl_trGetList"))
            if (request.value("rst_id_owner").toString() == company)
                own.append(request);
        return own;
    };
    std::shared_ptr<void> withheld = m_program.withholdRight("cmpbt");
    QPointer<QObject> editor = openBalanceTab(company);
    QVERIFY(editor);
    QObject *balance = child(editor, "balance");
    QTRY_VERIFY(balance->property("isInited").toBool());
    QCOMPARE(child(balance, "typeBox")->property("count").toInt(), 0);
    // The accounts tab asks for its list after the balance tab started: requests arrive in the
    // order they were sent, so once that one has come, an entry list asked for before it has too.
    child(child(editor, "tabView"), "tabBar")->setProperty("currentIndex", 2);
    const auto accountsAsked = [&] {
        for (const QJsonObject &request : m_program.sent("paymentSysAccComp_trGetList"))
            if (request.value("rst_id_company").toVariant().toString() == company)
                return true;
        return false;
    };
    QTRY_VERIFY(accountsAsked());
    QCOMPARE(lists().size(), 0);

    withheld.reset();
    chooseGroup(balance, group);
    if (QTest::currentTestFailed())
        return;
    QTRY_COMPARE(lists().size(), 1);
    QCOMPARE(lists().first().value("rst_id_bg").toString(), group);
    QVERIFY(child(balance, "typeBox")->property("count").toInt() > 0);
    QVERIFY(m_program.closePage(editor));
}

void TestCompanyPages::lostProfitColourStaysWithItsRow()
{
    const QString company = insertCompany("Start");
    const QString insert = QStringLiteral(
        "INSERT INTO company_balance_logs (rst_id_owner, value, balance, lost_profit, is_lost_profit, trn_key, note,"
        " dt_utc_insert, dt_utc_last_update) VALUES (?, ?, 0, 0, ?, ?, '', extract(epoch from now())::bigint * 1000,"
        " 1) RETURNING id");
    const QString lost = m_program.query(insert, {company, -40, 1, "lost"}).toString();
    const QString earned = m_program.query(insert, {company, 70, 0, "earned"}).toString();
    QVERIFY(!lost.isEmpty() && !earned.isEmpty());
    DayEnd::noteSeed();
    // A day's end planned for the run comes here at the latest: the entries are the old day's.
    DayEnd::awaitPlannedEnd();

    const qint64 opened = QDateTime::currentMSecsSinceEpoch();
    QPointer<QObject> editor = openBalanceTab(company);
    QVERIFY(editor);
    // Every group (the tab keeps the group chosen last).
    QObject *balance = child(editor, "balance");
    QObject *groupBox = child(balance, "groupBox");
    groupBox->setProperty("currentIndex", 0);
    QMetaObject::invokeMethod(groupBox, "activated", Q_ARG(int, 0));
    // Today's entries, that day's also when it ended since they were made.
    const ShownPeriod period(balance, opened);
    QCOMPARE(period.dayFault(m_program), QString());
    QVERIFY(period.keepRows(m_program, "id IN (" + lost + ", " + earned + ")"));
    QObject *view = child(balance, "tableView");
    QTRY_VERIFY(rowOf(view, lost) >= 0 && rowOf(view, earned) >= 0);
    DayEnd::noteCheck();
    QTRY_COMPARE(highlightedAmounts(view), QStringList{"-40.00"});
    // Sorted by the amount one way and the other: the entries swap places, the colour stays.
    const int before = rowOf(view, lost);
    view->setProperty("sortIndicatorColumn", call(view, "findColumnIndex", "value").toInt());
    view->setProperty("sortIndicatorOrder", before == 0 ? int(Qt::DescendingOrder) : int(Qt::AscendingOrder));
    QTRY_VERIFY(rowOf(view, lost) != before);
    QTRY_COMPARE(highlightedAmounts(view), QStringList{"-40.00"});
    QVERIFY(m_program.closePage(editor));
}

void TestCompanyPages::terminalCompanyCopiedUnderItsOwnSign()
{
    const QString source = m_program
                               .query("INSERT INTO terminal_companies (sign, blocked, inner_note, dt_utc_insert,"
                                      " dt_utc_last_update) VALUES ('kiosk-1', 1, 'Station', 1, 1) RETURNING id")
                               .toString();
    QPointer<QObject> table = m_program.openPage(TerminalTable);
    QObject *view = child(table, "tableView");
    QTRY_VERIFY(rowOf(view, source) >= 0);
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, rowOf(view, source)));

    // Duplicate sends nothing: the copy is made in the editor.
    const int copies = m_program.sentCount("terminalCmp_trDuplicate");
    QMetaObject::invokeMethod(pageControl(table, "duplicateButton"), "clicked");
    QPointer<QObject> editor;
    QObject *copyEditor = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (QObject *frame : Gui::Global::currentFrames()->list()) {
                if (frame->property("url").toString() == TerminalEditor && frame->property("state") == "DUPLICATE")
                    copyEditor = frame;
            }
            return copyEditor != nullptr;
        }(),
        timeLimit(10000));
    editor = copyEditor;
    QTRY_COMPARE(pageControl(editor, "sign")->property("text").toString(), QString("kiosk-1"));
    QCOMPARE(m_program.sentCount("terminalCmp_trDuplicate"), copies);
    // One copy at a time, and no password of its own yet.
    QQuickItem *amount = pageControl(editor, "amount");
    QCOMPARE(amount->property("to").toInt(), 1);
    QVERIFY(!amount->isEnabled());
    QVERIFY(!pageControl(editor, "changePasswordButton")->isVisible());

    // The same sign is refused and the editor stays for another one.
    m_program.watchdog().reset();
    QMetaObject::invokeMethod(pageControl(editor, "duplicateButton"), "clicked");
    QVERIFY(m_program.waitForSent("terminalCmp_trDuplicate", copies + 1));
    QTRY_VERIFY(!m_program.watchdog().texts().isEmpty());
    QVERIFY2(m_program.watchdog().texts().join('\n').startsWith("DUPLICATE: "),
             qPrintable(m_program.watchdog().texts().join('\n')));
    m_program.watchdog().reset();
    QVERIFY(editor);

    pageControl(editor, "sign")->setProperty("text", "kiosk-2");
    QMetaObject::invokeMethod(pageControl(editor, "duplicateButton"), "clicked");
    QVERIFY(m_program.waitForSent("terminalCmp_trDuplicate", copies + 2));
    const QJsonObject request = m_program.sent("terminalCmp_trDuplicate").last();
    QCOMPARE(request.value("id").toString(), source);
    QCOMPARE(request.value("sign").toString(), QString("kiosk-2"));
    QCOMPARE(request.value("amount").toVariant().toInt(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(editor.isNull(), timeLimit(10000));
    QCOMPARE(m_program.query("SELECT inner_note FROM terminal_companies WHERE sign = 'kiosk-2'").toString(),
             QString("Station"));
    QCOMPARE(m_program.query("SELECT count(*) FROM terminal_companies WHERE sign LIKE 'kiosk-%'").toInt(), 2);
    QVERIFY(m_program.closePage(table));
}

void TestCompanyPages::terminalCompanyPasswordChanged()
{
    const QString terminal = m_program
                                 .query("INSERT INTO terminal_companies (sign, pwd, dt_utc_insert, dt_utc_last_update)"
                                        " VALUES ('desk-3', md5('first'), 1, 1) RETURNING id")
                                 .toString();
    QPointer<QObject> editor = m_program.openPage(TerminalEditor, {{"state", "EDIT"}, {"id", terminal}});
    QTRY_COMPARE(pageControl(editor, "sign")->property("text").toString(), QString("desk-3"));
    QQuickItem *button = pageControl(editor, "changePasswordButton");
    QVERIFY(button->isVisible());
    QPointer<ControllerChangePassword> dialog;
    QMetaObject::invokeMethod(button, "clicked");
    QTRY_VERIFY([&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<ControllerChangePassword *>(window))
                dialog = found;
        }
        return !dialog.isNull();
    }());
    QCOMPARE(dialog->entryId(), terminal.toLongLong());
    const QList<QLineEdit *> edits = dialog->findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits) {
        if (edit->isVisibleTo(dialog))
            edit->setText("second");
    }
    m_program.watchdog().reset();
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), timeLimit(10000));
    QCOMPARE(m_program.watchdog().texts(), QStringList{"Password successfully changed"});
    m_program.watchdog().reset();
    QCOMPARE(m_program.query("SELECT pwd FROM terminal_companies WHERE id = ?", {terminal}).toString(),
             passwordDigest("second"));

    // A new record has no password to change yet.
    QVERIFY(m_program.closePage(editor));
    editor = m_program.openPage(TerminalEditor, {{"state", "ADD"}});
    QVERIFY(!pageControl(editor, "changePasswordButton")->isVisible());
    QVERIFY(m_program.closePage(editor));
}

KORIV_PAGE_TEST_MAIN(TestCompanyPages)

#include "tst_companypages.moc"
