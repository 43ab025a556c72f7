#include "client/controller/desktopcontroller.h"
#include "client/net/apinetwork.h"
#include "common/core/utils/utils.h"
#include "gui/dialog/balancelog.h"
#include "gui/style/style.h"
#include "gui/widget/doubleedit.h"
#include "controller/balance/companybalancelog.h"
#include "controller/balance/companybalancetype.h"
#include "controller/company/companyqml.h"
#include "modalwatchdog.h"
#include "overridecursor.h"
#include "pgschema.h"
#include "scratchdatabase.h"
#include "screenshot.h"
#include "sentmessages.h"
#include "standinclient.h"
#include "standinserver.h"
#include "timelimit.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;
using Client::Controller::DesktopController;
using Gui::Dialog::BalanceLog;

namespace {

// What a page does with the rows of its own list requests.
void keepOwnRows(DesktopController *controller)
{
    QObject::connect(controller, &DesktopController::saListInfo, controller, [controller](const QVariantMap &row) {
        if (row.value(QStringLiteral("RECEIVER")).toString() == controller->objectNumber())
            controller->originalModel()->addRow(row);
    });
}

QString formText(const BalanceLog &dialog, int row)
{
    auto *form = dialog.findChild<QFormLayout *>();
    QWidget *field = form->itemAt(row, QFormLayout::FieldRole)->widget();
    if (auto *label = qobject_cast<QLabel *>(field))
        return label->text();
    if (auto *box = qobject_cast<QComboBox *>(field))
        return box->currentText();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        return edit->text();
    return qobject_cast<QPlainTextEdit *>(field)->toPlainText();
}

QStringList boxTexts(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

bool waitForListEnd(Client::Controller::ItemController &controller)
{
    QSignalSpy answers(&controller, &Client::Controller::ItemController::saGetList);
    if (!controller.trGetList({}, true))
        return false;
    return QTest::qWaitFor(
        [&] {
            for (const QList<QVariant> &answer : answers) {
                if (answer.first().toMap().value("STATE") == "end")
                    return true;
            }
            return false;
        },
        timeLimit(10000));
}

} // namespace

// The balance log dialog: the entry it sends, once per press, and the answers it takes, over a
// scripted network and against the stand-in's PostgreSQL.
class TestBalanceLogDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void typeChoice();
    void sentEntry();
    void answerSequences_data();
    void answerSequences();
    void viewMode();
    void bookedByTheStandin();

private:
    void answer(const QString &receiver, const QVariantMap &params);

    std::unique_ptr<Client::ApiNetwork> m_net;
    std::unique_ptr<SentMessages> m_sent;
    std::unique_ptr<CompanyBalanceType> m_types;
    std::unique_ptr<CompanyBalanceLog> m_logs;
    ModalWatchdog m_watchdog;
};

void TestBalanceLogDialog::initTestCase()
{
    Gui::Style::loadFonts();
    m_net = std::make_unique<Client::ApiNetwork>();
}

void TestBalanceLogDialog::init()
{
    Common::AbstractController::setNetwork(m_net.get());
    m_types = std::make_unique<CompanyBalanceType>();
    m_types->originalModel()->clear();
    m_logs = std::make_unique<CompanyBalanceLog>();
    const QList<QStringList> types{{"11", "3", "1", "Refill"}, {"12", "3", "0", "Fine"}, {"13", "4", "1", "Bonus"}};
    for (const QStringList &type : types) {
        QVariantMap row{{"id", type[0]}, {"rst_id_bg", type[1]}, {"type_operation", type[2]}, {"name", type[3]}};
        m_types->prepareRow(row);
        m_types->originalModel()->addRow(row);
    }
    m_types->proxyModel()->sortRows("id", Qt::AscendingOrder);
    m_sent = std::make_unique<SentMessages>(m_net.get());
}

void TestBalanceLogDialog::cleanup()
{
    m_sent.reset();
    m_logs.reset();
    m_types.reset();
    QCOMPARE(popOverrideCursors(), 0);
    VERIFY_NO_MODAL(m_watchdog);
    m_watchdog.reset();
}

// Delivers an answer of the log controller's name, as the network thread hands it over.
void TestBalanceLogDialog::answer(const QString &receiver, const QVariantMap &params)
{
    QSignalSpy delivered(m_logs.get(), &DesktopController::saNew);
    QVariantMap message = params;
    message.insert("FN", "cmpbl_saNew");
    message.insert("RECEIVER", receiver);
    m_net->dispatchMessage("cmpbl", "saNew", message);
    QVERIFY(delivered.wait(timeLimit(5000)));
    QCoreApplication::sendPostedEvents();
}

void TestBalanceLogDialog::typeChoice()
{
    // The page's own view of the types keeps its filter while the dialog lists one group.
    m_types->proxyModel()->appendHardFilterRole("type_operation", "=", "1");
    QCOMPARE(m_types->proxyModel()->rowCount(), 2);
    struct Case
    {
        int group;
        int type;
        QStringList listed;
        QString chosen;
    };
    for (const Case &c : {Case{3, 12, {"+Refill", "-Fine"}, "-Fine"}, Case{3, 0, {"+Refill", "-Fine"}, "+Refill"},
                          Case{3, 13, {"+Refill", "-Fine"}, ""}, Case{4, 13, {"+Bonus"}, "+Bonus"},
                          Case{9, 0, {}, ""}}) {
        BalanceLog dialog(m_types.get(), m_logs.get(), 5, c.group, c.type);
        QCOMPARE(dialog.windowTitle(), QString("New Balance Log"));
        auto *box = dialog.findChild<QComboBox *>();
        QCOMPARE(boxTexts(box), c.listed);
        QCOMPARE(box->currentText(), c.chosen);
    }
    QCOMPARE(m_types->proxyModel()->rowCount(), 2);
    QCOMPARE(m_types->proxyModel()->data(1, "name").toString(), QString("Bonus"));
}

void TestBalanceLogDialog::sentEntry()
{
    auto *dialog = new BalanceLog(m_types.get(), m_logs.get(), 5, 3, 12);
    dialog->show();
    QCOMPARE(dialog->focusWidget(), dialog->findChild<Gui::DoubleEdit *>());
    QTest::keyClicks(dialog->findChild<Gui::DoubleEdit *>(), "12.5");
    dialog->findChild<QPlainTextEdit *>()->setPlainText("Refund\nof May");
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QTest::keyClick(dialog, Qt::Key_Return);
    QCOMPARE(m_sent->count(), 1);
    QVariantMap sent = m_sent->maps().first();
    const QString receiver = sent.take("RECEIVER").toString();
    QVERIFY2(receiver != m_logs->objectNumber(), "the request names this dialog, not the page's controller");
    QCOMPARE(sent, QVariantMap({{"FN", "cmpbl_trNew"}, {"rst_id_owner", qint64(5)}, {"rst_id_bt", "12"},
                                {"value", "12.5"}, {"note", "Refund\nof May"}}));
    QPointer<BalanceLog> open = dialog;
    answer(receiver, {{"RES", "10"}});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(!open, "accepted and deleted");

    // A group without types sends no type.
    BalanceLog empty(m_types.get(), m_logs.get(), 5, 9, 0);
    empty.accept();
    QVERIFY(!m_sent->maps().last().value("rst_id_bt").isValid());
    answer(m_sent->maps().last().value("RECEIVER").toString(), {{"RES", "0"}, {"ERRCODE", "105"}});
    QCOMPARE(m_watchdog.takeBoxes().size(), 1);
}

void TestBalanceLogDialog::answerSequences_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("sentAfter");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("closed");

    const QString commitError = "ADD: Transaction commit error (code: 110, controller: cmpbl)";
    QTest::newRow("another dialog's answer, own error, retry, success")
        << QStringList{"ok", "page:10", "other:10", "own:0:110", "ok", "own:10"} << QList<int>{1, 1, 1, 1, 2, 2}
        << QStringList{commitError} << true;
    QTest::newRow("time-out, a press in vain, late success")
        << QStringList{"ok", "timeout", "ok", "enter", "own:10"} << QList<int>{1, 1, 1, 1, 1}
        << QStringList{"Server unavailable"} << true;
    QTest::newRow("time-out, late refusal, retry")
        << QStringList{"ok", "timeout", "own:0:110", "ok"} << QList<int>{1, 1, 1, 2}
        << QStringList{"Server unavailable", commitError} << false;
    QTest::newRow("an answer twice") << QStringList{"ok", "own:10", "own:10"} << QList<int>{1, 1, 1} << QStringList{}
                                     << true;
    QTest::newRow("an answer of another kind keeps the dialog for a retry")
        << QStringList{"ok", "own:20", "ok"} << QList<int>{1, 1, 2} << QStringList{} << false;
    QTest::newRow("cancel after the time-out") << QStringList{"ok", "timeout", "cancel", "own:10"}
                                               << QList<int>{1, 1, 1, 1} << QStringList{"Server unavailable"} << true;
}

void TestBalanceLogDialog::answerSequences()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, sentAfter);
    QFETCH(QStringList, boxes);
    QFETCH(bool, closed);

    CompanyBalanceLog otherPage;
    BalanceLog other(m_types.get(), &otherPage, 6, 3, 0);
    other.setDeleteOnClose(false);
    other.setTimerEnabled(false);
    other.accept();
    const QString otherReceiver = m_sent->maps().first().value("RECEIVER").toString();
    m_sent->clear();

    QPointer<BalanceLog> dialog = new BalanceLog(m_types.get(), m_logs.get(), 5, 3, 11);
    // Only a row that waits for the time-out has one: elsewhere a slow step would meet it.
    dialog->setTimerEnabled(steps.contains("timeout"));
    dialog->setBusyTimeout(20ms);
    dialog->show();
    for (int i = 0; i < steps.size(); ++i) {
        const QStringList step = steps.at(i).split(':');
        const QString receiver = m_sent->count() ? m_sent->maps().last().value("RECEIVER").toString() : QString();
        if (step[0] == "ok") {
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        } else if (step[0] == "enter") {
            dialog->accept();
        } else if (step[0] == "cancel") {
            dialog->reject();
        } else if (step[0] == "timeout") {
            QTRY_VERIFY(m_watchdog.texts().contains("Server unavailable"));
            QVERIFY(dialog->isEnabled());
            QVERIFY2(!dialog->okButton()->isEnabled(), "Ok waits for the answer");
            QVERIFY(dialog->buttonBox()->button(QDialogButtonBox::Cancel)->isEnabled());
        } else {
            const QString to = step[0] == "own" ? receiver : step[0] == "page" ? m_logs->objectNumber() : otherReceiver;
            QVariantMap params{{"RES", step[1]}};
            if (step.size() > 2)
                params.insert("ERRCODE", step[2]);
            answer(to, params);
        }
        QCOMPARE(m_sent->count(), sentAfter.at(i));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(!dialog, closed);
    QCOMPARE(m_watchdog.texts(), boxes);
    for (const ModalWatchdog::Box &box : m_watchdog.boxes())
        QCOMPARE(box.title, QString("New Balance Log"));
    for (const QVariantMap &sent : m_sent->maps())
        QCOMPARE(sent.value("rst_id_bt").toString(), QString("11"));
    if (dialog) {
        QVERIFY(dialog->okButton()->isEnabled() == !dialog->isPending());
        delete dialog;
    }
    // The other dialog took its own answer, and only that one.
    QCOMPARE(other.result() == QDialog::Accepted, steps.contains("other:10"));
    QCOMPARE(other.isPending(), !steps.contains("other:10"));
}

void TestBalanceLogDialog::viewMode()
{
    m_logs->originalModel()->addRow({{"id", "7"}, {"value", "-12.5"}, {"note", "Fine <b>late</b>"},
                                     {"bg_name", "Refills"}, {"bt_name", "Fine"}});
    BalanceLog dialog(m_logs.get(), 7);
    QCOMPARE(dialog.windowTitle(), QString("View Balance Log"));
    QCOMPARE(QStringList({formText(dialog, 0), formText(dialog, 1), formText(dialog, 2)}),
             QStringList({"-12.50", "Refills : Fine", "Fine <b>late</b>"}));
    QVERIFY(dialog.findChild<Gui::DoubleEdit *>()->isReadOnly());
    QVERIFY(dialog.findChild<QPlainTextEdit *>()->isReadOnly());
    auto *form = dialog.findChild<QFormLayout *>();
    QCOMPARE(qobject_cast<QLabel *>(form->itemAt(1, QFormLayout::FieldRole)->widget())->textFormat(), Qt::PlainText);

    BalanceLog missing(m_logs.get(), 8);
    QCOMPARE(QStringList({formText(missing, 0), formText(missing, 1), formText(missing, 2)}),
             QStringList({"0.00", " : ", ""}));
    QSignalSpy accepted(&missing, &QDialog::accepted);
    QTest::mouseClick(missing.okButton(), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(m_sent->count(), 0);
}

void TestBalanceLogDialog::bookedByTheStandin()
{
    ScratchDatabase database("balancelog");
    QVERIFY2(database.isOpen(), qPrintable(database.error()));
    StandinServer server;
    server.setEnvironment(database.environment());
    QVERIFY(server.start({"--database", "--user", "booker:" + Utils().getPwdHash("pw")}));
    StandinClient client;
    QVERIFY(client.signIn(server.port(), "booker", "pw"));

    // A company, and the company page's controllers with their lists.
    CompanyQml companies;
    QSignalSpy created(&companies, &DesktopController::saNew);
    companies.trNew({{"sign", "Balance test company"}});
    QVERIFY(created.wait(timeLimit(10000)));
    const qint64 company = created.first().first().toMap().value("id").toLongLong();
    QVERIFY(company > 1);
    CompanyBalanceType types;
    types.originalModel()->clear();
    types.setUseTrGetList(true);
    keepOwnRows(&types);
    CompanyBalanceLog logs;
    QVERIFY(waitForListEnd(types));
    const int refill = types.originalModel()->checkValueByRole("code", "sys.refill_company_balance.debit");
    QVERIFY(refill >= 0);
    const QString type = types.originalModel()->data(refill, "id").toString();
    const int group = types.originalModel()->data(refill, "rst_id_bg").toInt();

    QPointer<BalanceLog> dialog = new BalanceLog(&types, &logs, int(company), group, type.toInt());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog, timeLimit(5000)));
    QTest::keyClicks(dialog->findChild<Gui::DoubleEdit *>(), "150.75");
    dialog->findChild<QPlainTextEdit *>()->setPlainText("Opening balance");
    QVERIFY(saveScreenshot(dialog, "balance-log.png"));
    QSignalSpy answered(&logs, &DesktopController::saNew);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QVERIFY(answered.wait(timeLimit(10000)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(!dialog, qPrintable(m_watchdog.texts().join("; ")));
    QTRY_COMPARE(server.received("cmpbl_trNew").size(), 1);

    // The entry is booked in PostgreSQL, and the company's balance moved with it.
    const int operation = types.originalModel()->data(refill, "type_operation").toInt();
    const double amount = operation == 1 ? 150.75 : -150.75;
    {
        QSqlDatabase sql = PgSchema::addClusterDatabase("booked");
        sql.setDatabaseName(database.name());
        QVERIFY(sql.open());
        QSqlQuery query(sql);
        QVERIFY(query.exec(QString("SELECT l.value, l.balance, l.rst_id_bt, l.rst_id_bg, l.note, l.sign_user_created, "
                                   "c.balance FROM company_balance_logs l JOIN companies c ON c.id = l.rst_id_owner "
                                   "WHERE l.rst_id_owner = %1").arg(company)));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toDouble(), amount);
        QCOMPARE(query.value(1).toDouble(), amount);
        QCOMPARE(query.value(2).toString(), type);
        QCOMPARE(query.value(3).toInt(), group);
        QCOMPARE(query.value(4).toString(), QString("Opening balance"));
        QCOMPARE(query.value(5).toString(), QString("booker"));
        QCOMPARE(query.value(6).toDouble(), amount);
        QVERIFY(!query.next());
    }
    QSqlDatabase::removeDatabase("booked");
}

QTEST_MAIN(TestBalanceLogDialog)
#include "tst_balancelogdialog.moc"
