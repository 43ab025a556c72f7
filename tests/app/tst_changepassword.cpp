// The change-password dialogs and their openers: what OK sends (and when it sends nothing), which
// answers a dialog takes, over a scripted network; and against the stand-in over PostgreSQL, the
// stored digests, the server's refusal of an empty password and File > Change Password.
#include "dialog/driverchangepassword.h"
#include "dialog/terminalcompanychangepassword.h"
#include "dialog/userchangepassword.h"
#include "shell/mainmenu.h"
#include "shell/qwidgetcreator.h"

#include "controller/company/terminalcompany.h"
#include "modalwatchdog.h"
#include "overridecursor.h"
#include "pgschema.h"
#include "scratchdatabase.h"
#include "sentmessages.h"
#include "standinclient.h"
#include "standinserver.h"
#include "tempsettings.h"

#include "client/controller/usersession.h"
#include "client/net/apinetwork.h"
#include "common/core/singleton/spsingleton.h"
#include "gui/settings/settings.h"
#include "timelimit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

#include <memory>

namespace {

const QString EmptyDigest = QStringLiteral("d41d8cd98f00b204e9800998ecf8427e");

ControllerChangePassword *asDialog(QWidget *widget)
{
    return qobject_cast<ControllerChangePassword *>(widget);
}

void fill(ControllerChangePassword *dialog, const QString &newPassword, const QString &confirm,
          const QString &oldPassword = {})
{
    dialog->oldPasswordEdit()->setText(oldPassword);
    dialog->newPasswordEdit()->setText(newPassword);
    dialog->confirmEdit()->setText(confirm);
}

QStringList visibleLabels(const QWidget *dialog)
{
    QStringList texts;
    for (const QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->isVisible())
            texts.append(label->text());
    }
    return texts;
}

} // namespace

class TestChangePassword : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sentRequest_data();
    void sentRequest();
    void inputNeverLeavesTheDialog();
    void openers();
    void eachDialogTakesItsOwnAnswer();
    void againstTheStandin();

private:
    // Delivers an answer of the protocol name, as the network thread hands it over.
    void answer(const QString &name, const QString &receiver, const QVariantMap &params);
    QString sentReceiver(int index) const;

    TempSettings m_settings;
    std::unique_ptr<Client::ApiNetwork> m_net;
    std::unique_ptr<SentMessages> m_sent;
    std::unique_ptr<QWidgetCreator> m_creator;
    ModalWatchdog m_watchdog;
};

void TestChangePassword::initTestCase()
{
    Gui::Settings settings;
    m_net = std::make_unique<Client::ApiNetwork>();
    m_creator = std::make_unique<QWidgetCreator>();
}

void TestChangePassword::init()
{
    Common::AbstractController::setNetwork(m_net.get());
    m_sent = std::make_unique<SentMessages>(m_net.get());
}

void TestChangePassword::cleanup()
{
    m_sent.reset();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (asDialog(window))
            delete window;
    }
    QCOMPARE(popOverrideCursors(), 0);
    VERIFY_NO_MODAL(m_watchdog);
    m_watchdog.reset();
}

void TestChangePassword::answer(const QString &name, const QString &receiver, const QVariantMap &params)
{
    QVariantMap message = params;
    message.insert("FN", name + "_saChangePwd");
    message.insert("RECEIVER", receiver);
    m_net->dispatchMessage(name, "saChangePwd", message);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString TestChangePassword::sentReceiver(int index) const
{
    return m_sent->maps().at(index).value("RECEIVER").toString();
}

void TestChangePassword::sentRequest_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("asksOldPassword");
    QTest::newRow("user") << "userChangePassword" << "UserChangePassword" << "user" << true;
    QTest::newRow("driver") << "driverChangePassword" << "DriverChangePassword" << "driver" << false;
    QTest::newRow("terminal company") << "terminalCompanyChangePassword" << "TerminalCompanyChangePassword"
                                      << "terminalCmp" << false;
}

void TestChangePassword::sentRequest()
{
    QFETCH(QString, opener);
    QFETCH(QString, className);
    QFETCH(QString, name);
    QFETCH(bool, asksOldPassword);

    // Owner ids are 64-bit: one past the range of int reaches the server unchanged.
    QWidget *window = nullptr;
    QVERIFY(QMetaObject::invokeMethod(m_creator.get(), qPrintable(opener), Q_RETURN_ARG(QWidget *, window),
                                      Q_ARG(QString, "5000000000")));
    QPointer<ControllerChangePassword> dialog = asDialog(window);
    QVERIFY(dialog);
    QCOMPARE(dialog->metaObject()->className(), qPrintable(className));
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    const QStringList rows{"New password:", "Confirm password:"};
    QCOMPARE(visibleLabels(dialog), asksOldPassword ? QStringList{"Old password:"} + rows : rows);

    // The old password goes out even when empty, and only where it is asked.
    fill(dialog, "n3w pass", "n3w pass", asksOldPassword ? QString() : QString("typed but hidden"));
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QCOMPARE(m_sent->count(), 1);
    QVariantMap expected{{"FN", name + "_trChangePwd"},
                         {"RECEIVER", dialog->controller()->objectNumber()},
                         {"id", "5000000000"},
                         {"pwd", passwordDigest("n3w pass")},
                         {"pwd_confirm", passwordDigest("n3w pass")}};
    if (asksOldPassword)
        expected.insert("old_pwd", EmptyDigest);
    QCOMPARE(m_sent->maps().first(), expected);

    // Busy until the answer, and open: OK is not the end.
    QVERIFY(!dialog->isEnabled());
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    answer(name, sentReceiver(0), {{"RES", "10"}});
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(m_watchdog.texts(), QStringList{"Password successfully changed"});
    QCOMPARE(m_watchdog.boxes().first().title, QString("Change Password"));
    QCOMPARE(m_watchdog.boxes().first().icon, QMessageBox::Information);
    QVERIFY2(!dialog, "accepted and deleted");
}

void TestChangePassword::inputNeverLeavesTheDialog()
{
    struct Case
    {
        qint64 id;
        QString newPassword;
        QString confirm;
        QString text;
        bool focusOnConfirm;
    };
    const QString enter = "Enter the new password.";
    const QString differ = "The new password and its confirmation differ.";
    const QList<Case> cases{{7, "", "", enter, false},
                            {7, "", "something", enter, false},
                            {7, "secret", "", differ, true},
                            {7, "secret", "Secret", differ, true},
                            {7, "secret", "secret ", differ, true},
                            {0, "secret", "secret", "The password cannot be changed: the record has no id.", false}};
    for (const Case &c : cases) {
        for (ControllerChangePassword *dialog :
             std::initializer_list<ControllerChangePassword *>{new UserChangePassword(c.id),
                                                                new TerminalCompanyChangePassword(c.id)}) {
            const QString label = QString("%1 %2/%3").arg(dialog->metaObject()->className(), c.newPassword, c.confirm);
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog, timeLimit(5000)));
            fill(dialog, c.newPassword, c.confirm, "old");
            QTest::keyClick(dialog->confirmEdit(), Qt::Key_Return);
            QCOMPARE(m_sent->count(), 0);
            QCOMPARE(m_watchdog.texts(), QStringList{c.text});
            QCOMPARE(m_watchdog.boxes().first().icon, QMessageBox::Warning);
            m_watchdog.reset();
            // Still open for a correction, not busy, the faulty field chosen.
            QVERIFY2(dialog->isVisible() && dialog->isEnabled(), qPrintable(label));
            QVERIFY(!QApplication::overrideCursor());
            if (c.id != 0) {
                QLineEdit *faulty = c.focusOnConfirm ? dialog->confirmEdit() : dialog->newPasswordEdit();
                QVERIFY2(dialog->focusWidget() == faulty, qPrintable(label));
            }
            delete dialog;
        }
    }
}

void TestChangePassword::openers()
{
    // What no record id is opens nothing and says so.
    for (const QString &id : QStringList{"", "abc", "0", "-4", "12x", "99999999999999999999"}) {
        QVERIFY(!m_creator->userChangePassword(id));
        QVERIFY(!m_creator->driverChangePassword(id, this));
        const QString refusal = QString("The password cannot be changed: \"%1\" is not the id of a record.").arg(id);
        QCOMPARE(m_watchdog.texts(), (QStringList{refusal, refusal}));
        QCOMPARE(m_watchdog.boxes().first().icon, QMessageBox::Critical);
        m_watchdog.reset();
    }
    QCOMPARE(m_sent->count(), 0);

    // From a page: with the id alone, and with the editor as parent; the editor going closes its
    // dialog and no other.
    QQmlEngine engine;
    QStringList warnings;
    connect(&engine, &QQmlEngine::warnings, this, [&warnings](const QList<QQmlError> &errors) {
        for (const QQmlError &error : errors)
            warnings.append(error.toString());
    });
    auto editor = std::make_unique<QObject>();
    engine.rootContext()->setContextProperty("QWIDGET_CREATOR", m_creator.get());
    engine.rootContext()->setContextProperty("editor", editor.get());
    const auto open = [&engine](const QString &call) {
        QQmlExpression expression(engine.rootContext(), nullptr, call);
        QWidget *window = qobject_cast<QWidget *>(expression.evaluate().value<QObject *>());
        if (expression.hasError())
            qWarning() << expression.error().toString();
        return QPointer<ControllerChangePassword>(asDialog(window));
    };
    QPointer<ControllerChangePassword> free = open("QWIDGET_CREATOR.terminalCompanyChangePassword(\"12\")");
    QPointer<ControllerChangePassword> owned = open("QWIDGET_CREATOR.userChangePassword(\"13\", editor)");
    QVERIFY(qobject_cast<TerminalCompanyChangePassword *>(free));
    QVERIFY(qobject_cast<UserChangePassword *>(owned));
    QCOMPARE(owned->entryId(), qint64(13));
    editor.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!owned);
    QVERIFY(free && free->isVisible());
    // Scripts never own the dialog: a garbage collection leaves it open.
    engine.collectGarbage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(free);
    QCOMPARE(warnings, QStringList());
}

void TestChangePassword::eachDialogTakesItsOwnAnswer()
{
    QPointer<ControllerChangePassword> first = asDialog(m_creator->userChangePassword("21"));
    QPointer<ControllerChangePassword> second = asDialog(m_creator->userChangePassword("22"));
    QPointer<ControllerChangePassword> driver = asDialog(m_creator->driverChangePassword("21"));
    for (ControllerChangePassword *dialog : {first.data(), second.data(), driver.data()}) {
        dialog->setTimerEnabled(false);
        fill(dialog, "pw", "pw", "old");
        dialog->accept();
    }
    QCOMPARE(m_sent->count(), 3);
    const QString firstReceiver = sentReceiver(0);
    const QString secondReceiver = sentReceiver(1);
    QVERIFY(firstReceiver != secondReceiver);

    // Another user controller's answer and a driver answer to the same number move neither.
    answer("user", QString::number(first->controller()->number() + 1000), {{"RES", "10"}});
    answer("driver", firstReceiver, {{"RES", "10"}});
    QCOMPARE(m_watchdog.texts(), QStringList());
    QVERIFY(!first->isEnabled() && !second->isEnabled() && !driver->isEnabled());

    // The second one's refusals: its box, its busy state ended, open for a retry; the first waits.
    const QList<QPair<QString, QString>> refusals{{"202", "Old password is bad"},
                                                  {"200", "Failed to define entry by id"},
                                                  {"203", "Error occurred on updating new password"}};
    for (const auto &[code, text] : refusals) {
        answer("user", secondReceiver, {{"RES", "0"}, {"ERRCODE", code}});
        QCOMPARE(m_watchdog.texts(), QStringList{text});
        QCOMPARE(m_watchdog.boxes().first().icon, QMessageBox::Critical);
        QCOMPARE(m_watchdog.boxes().first().title, QString("Change Password"));
        m_watchdog.reset();
        QVERIFY(second && second->isVisible() && second->isEnabled());
        QVERIFY(!first->isEnabled());
    }
    second->accept();
    QCOMPARE(m_sent->count(), 4);
    QCOMPARE(sentReceiver(3), secondReceiver);

    answer("user", firstReceiver, {{"RES", "10"}});
    QVERIFY(!first);
    QVERIFY(second && !second->isEnabled());
    QVERIFY(driver && !driver->isEnabled());
    m_watchdog.reset();
    // A closed dialog takes no late answer.
    driver->reject();
    answer("driver", sentReceiver(2), {{"RES", "0"}, {"ERRCODE", "201"}});
    QCOMPARE(m_watchdog.texts(), QStringList());
    answer("user", secondReceiver, {{"RES", "10"}});
    QVERIFY(!second);
}

void TestChangePassword::againstTheStandin()
{
    ScratchDatabase database("changepassword");
    QVERIFY2(database.isOpen(), qPrintable(database.error()));
    StandinServer server;
    server.setEnvironment(database.environment());
    QVERIFY(server.start({"--database", "--user", "admin:" + passwordDigest("ad")}));
    QSqlDatabase sql = PgSchema::addClusterDatabase("changepassword");
    sql.setDatabaseName(database.name());
    QVERIFY2(sql.open(), qPrintable(sql.lastError().text()));
    const auto value = [&sql](const QString &statement) {
        QSqlQuery query(sql);
        if (!query.exec(statement) || !query.next())
            qWarning() << "statement failed:" << statement << query.lastError().text();
        return query.value(0);
    };
    StandinClient client;
    QVERIFY(client.signIn(server.port(), "admin", "ad"));

    // A terminal company's password, set through its editor's opener.
    const qint64 terminal = value("INSERT INTO terminal_companies (sign, pwd, dt_utc_insert, dt_utc_last_update)"
                                  " VALUES ('desk 9', md5('first'), 1, 1) RETURNING id")
                                .toLongLong();
    QPointer<ControllerChangePassword> dialog =
        asDialog(m_creator->terminalCompanyChangePassword(QString::number(terminal)));
    QVERIFY(dialog);
    fill(dialog, "second", "second");
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog, timeLimit(10000));
    QCOMPARE(m_watchdog.texts(), QStringList{"Password successfully changed"});
    m_watchdog.reset();
    const QString stored = QString("SELECT pwd FROM terminal_companies WHERE id = %1").arg(terminal);
    QCOMPARE(value(stored).toString(), passwordDigest("second"));
    const QList<QJsonObject> sent = server.received("terminalCmp_trChangePwd");
    QCOMPARE(sent.size(), 1);
    QVERIFY(!sent.first().contains("old_pwd"));

    // The server too refuses an empty new password (a client that skips the dialog's check).
    TerminalCompany controller;
    QSignalSpy answers(&controller, &TerminalCompany::saChangePwd);
    controller.trChangePwd({{"id", QString::number(terminal)}, {"pwd", EmptyDigest}, {"pwd_confirm", EmptyDigest}});
    QVERIFY(answers.wait(timeLimit(10000)));
    QCOMPARE(answers.first().first().toMap().value("ERRCODE").toString(), QString("203"));
    QCOMPARE(value(stored).toString(), passwordDigest("second"));

    // File > Change Password: the signed-in user's own, with the old password.
    Client::Controller::UserSession *session = SpSingleton<Client::Controller::UserSession>::instance();
    session->trOpen();
    QTRY_VERIFY_WITH_TIMEOUT(!session->rstIdOwner().isEmpty(), timeLimit(10000));
    const qint64 admin = value("SELECT id FROM users WHERE sign = 'admin'").toLongLong();
    QCOMPARE(session->rstIdOwner().toLongLong(), admin);
    QMenuBar bar;
    MainMenu menu(&bar);
    menu.build();
    QAction *command = bar.findChild<QAction *>("changePassword");
    QVERIFY(command);
    qint64 openedFor = 0;
    QString openedClass;
    m_watchdog.handleNext([&](QDialog *opened) {
        auto *own = asDialog(opened);
        openedClass = opened->metaObject()->className();
        openedFor = own->entryId();
        fill(own, "evening shift", "evening shift", "ad");
        own->okButton()->click();
    });
    command->trigger();
    QCOMPARE(openedClass, QString("UserChangePassword"));
    QCOMPARE(openedFor, admin);
    QCOMPARE(m_watchdog.texts(), QStringList{"Password successfully changed"});
    QCOMPARE(value(QString("SELECT pwd FROM users WHERE id = %1").arg(admin)).toString(),
             passwordDigest("evening shift"));
    const QList<QJsonObject> own = server.received("user_trChangePwd");
    QCOMPARE(own.size(), 1);
    QCOMPARE(own.first().value("id").toString(), QString::number(admin));
    QCOMPARE(own.first().value("old_pwd").toString(), passwordDigest("ad"));
    sql.close();
    sql = QSqlDatabase();
    QSqlDatabase::removeDatabase("changepassword");
}

QTEST_MAIN(TestChangePassword)
#include "tst_changepassword.moc"
