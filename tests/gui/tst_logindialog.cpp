#include "client/controller/auth.h"
#include "client/controller/usersession.h"
#include "client/net/apinetwork.h"
#include "gui/dialog/login.h"
#include "gui/dialog/server.h"
#include "gui/settings/settings.h"
#include "gui/style/style.h"
#include "gui/widget/fapushbutton.h"
#include "gui/widget/tablewidget.h"
#include "modalwatchdog.h"
#include "screenshot.h"
#include "network.h"
#include "scratchdatabase.h"
#include "standinserver.h"
#include "taborder.h"
#include "tempsettings.h"
#include "timelimit.h"
#include "truncatedtexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStyleFactory>
#include <QtTest>

using namespace std::chrono_literals;
using Gui::Dialog::Login;
using Gui::Dialog::Server;

namespace {

const QString password = QStringLiteral("s3cret пароль");

QVariantMap hostMap(const QString &name, const QString &address, int port)
{
    return {{"name", name}, {"address", address}, {"port", QString::number(port)}};
}

QStringList comboTexts(const QComboBox *combo)
{
    QStringList result;
    for (int i = 0; i < combo->count(); ++i)
        result.append(combo->itemText(i) + " " + combo->itemData(i).toMap().value("address").toString() + ":"
                      + combo->itemData(i).toMap().value("port").toString());
    return result;
}

QStringList rows(const Server &dialog)
{
    QStringList result;
    const Gui::TableWidget *table = dialog.table();
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 3; ++column)
            cells.append(table->item(row, column) ? table->item(row, column)->text() : "<none>");
        result.append(cells.join("|"));
    }
    return result;
}

QString buttonStates(const Server &dialog)
{
    QString states;
    for (const QPushButton *button :
         {dialog.addButton(), dialog.removeButton(), dialog.upButton(), dialog.downButton()})
        states += button->isEnabled() ? "1" : "0";
    return states;
}

QList<Login::Host> threeHosts()
{
    return {{"A", QHostAddress("10.0.0.1"), 1}, {"B", QHostAddress("10.0.0.2"), 2}, {"C", QHostAddress("10.0.0.3"), 3}};
}

} // namespace

// The sign-in dialog: stored choices, the server list, the sign-in itself against the stand-in.
class TestLoginDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstStart();
    void storedChoices();
    void loginEnablesOkAndReset();
    void acceptPointsTheNetwork();
    void savedPasswordIsADigest();
    void timeOutAndLateAnswer();
    void storedHostsAreChecked();
    void serverListButtons();
    void serverListMovesOneRow();
    void serverListValidation_data();
    void serverListValidation();
    void hostEditorFromLogin();
    void signInAgainstStandin();
    void screenshots();

private:
    std::unique_ptr<TempSettings> m_temp;
    std::unique_ptr<Client::ApiNetwork> m_net;
    ModalWatchdog m_watchdog;
};

void TestLoginDialog::initTestCase()
{
    m_temp = std::make_unique<TempSettings>();
    Gui::Settings settings;
    Gui::Style::loadFonts();
    // The look the application starts with.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(Gui::Style::darkPalette());
}

void TestLoginDialog::init()
{
    m_temp->clear();
    // A network that is never started: what the dialog asks of it is only recorded.
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
}

void TestLoginDialog::cleanup()
{
    VERIFY_NO_MODAL(m_watchdog);
    m_watchdog.reset();
    QVERIFY(!QApplication::overrideCursor());
    m_net.reset();
}

void TestLoginDialog::firstStart()
{
    Login dialog(40300);
    dialog.setDeleteOnClose(false);
    QCOMPARE(dialog.windowTitle(), QString("Log In"));
    dialog.setTitleSuffix("Koriv Admin");
    QCOMPARE(dialog.windowTitle(), QString("Log In - Koriv Admin"));
    QCOMPARE(comboTexts(dialog.serverChoice()),
             (QStringList{"Production 127.0.0.1:40300", "Development 127.0.0.1:40300"}));
    QCOMPARE(dialog.serverChoice()->currentIndex(), 0);
    QVERIFY(dialog.loginEdit()->text().isEmpty());
    QVERIFY(dialog.passwordEdit()->text().isEmpty());
    QCOMPARE(dialog.passwordEdit()->echoMode(), QLineEdit::Password);
    QVERIFY(!dialog.savePasswordBox()->isChecked());
    QVERIFY(!dialog.okButton()->isEnabled());
    QVERIFY(!dialog.resetPasswordButton()->isEnabled());
    QCOMPARE(dialog.hostEditorButton()->text(), QString(QChar(0xf03a)));

    // The default servers are stored at once.
    QCOMPARE(Gui::Settings::list("hosts"), (QVariantList{hostMap("Production", "127.0.0.1", 40300),
                                                         hostMap("Development", "127.0.0.1", 40300)}));
    dialog.show();
    QCOMPARE(dialog.focusWidget(), dialog.loginEdit());
    QCOMPARE(tabOrderAfter(dialog.loginEdit()), (QWidgetList{dialog.passwordEdit(), dialog.serverChoice(), dialog.hostEditorButton(),
                                dialog.savePasswordBox(), dialog.resetPasswordButton(), dialog.okButton(),
                                dialog.buttonBox()->button(QDialogButtonBox::Cancel)}));
}

void TestLoginDialog::storedChoices()
{
    Gui::Settings::setList("hosts", {hostMap("One", "10.0.0.1", 1), hostMap("Two", "10.0.0.2", 2)});
    QSettings settings;
    settings.setValue("auth/current_host", 7);
    settings.setValue("auth/login", "operator");
    settings.setValue("auth/autosave", true);
    settings.sync();

    Login dialog(40300);
    dialog.setDeleteOnClose(false);
    QCOMPARE(comboTexts(dialog.serverChoice()), (QStringList{"One 10.0.0.1:1", "Two 10.0.0.2:2"}));
    QCOMPARE(dialog.serverChoice()->currentIndex(), 1);
    QCOMPARE(dialog.loginEdit()->text(), QString("operator"));
    QVERIFY(dialog.savePasswordBox()->isChecked());
    QVERIFY(dialog.okButton()->isEnabled());
    dialog.show();
    QCOMPARE(dialog.focusWidget(), dialog.passwordEdit());
}

void TestLoginDialog::loginEnablesOkAndReset()
{
    Login dialog(40300);
    dialog.setDeleteOnClose(false);
    dialog.show();
    QSignalSpy reset(&dialog, &Login::resetPasswordButtonClicked);
    QTest::keyClicks(dialog.loginEdit(), "op");
    QVERIFY(dialog.okButton()->isEnabled());
    QVERIFY(dialog.resetPasswordButton()->isEnabled());
    dialog.serverChoice()->setCurrentIndex(1);
    dialog.resetPasswordButton()->click();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(reset.first(), (QVariantList{"127.0.0.1", "op"}));
    dialog.loginEdit()->clear();
    QVERIFY(!dialog.okButton()->isEnabled());
    QVERIFY(!dialog.resetPasswordButton()->isEnabled());

    dialog.setResetPasswordVisible(false);
    QVERIFY(!dialog.resetPasswordButton()->isVisible());
}

void TestLoginDialog::acceptPointsTheNetwork()
{
    Gui::Settings::setList("hosts", {hostMap("One", "10.0.0.1", 1), hostMap("Two", "10.0.0.2", 4321)});
    QSettings().setValue("auth/password", passwordDigest("old"));
    Login dialog(40300);
    dialog.setDeleteOnClose(false);
    dialog.show();
    QStringList order;
    connect(m_net.get(), &Common::Network::closeConnection, this, [&] { order.append("close"); });
    connect(m_net.get(), &Common::Network::makeConnection, this, [&] { order.append("connect:" + m_net->host()); });

    QTest::keyClicks(dialog.loginEdit(), "operator");
    dialog.passwordEdit()->setText(password);
    dialog.serverChoice()->setCurrentIndex(1);
    QTest::keyClick(dialog.passwordEdit(), Qt::Key_Return);

    QCOMPARE(order, (QStringList{"close", "connect:10.0.0.2"}));
    QCOMPARE(m_net->port(), 4321);
    QCOMPARE(m_net->sign(), QString("operator"));
    QCOMPARE(m_net->pwd(), passwordDigest(password));
    QVERIFY(dialog.isBusy());
    QVERIFY(!dialog.isEnabled());
    QVERIFY(dialog.isVisible());

    // The choices are stored before connecting; without "Save password" no password at all.
    QSettings settings;
    QCOMPARE(settings.value("auth/current_host").toInt(), 1);
    QCOMPARE(settings.value("auth/login").toString(), QString("operator"));
    QCOMPARE(settings.value("auth/password").toString(), QString());
    QCOMPARE(settings.value("auth/autosave").toString(), QString("false"));
    dialog.stop();
}

void TestLoginDialog::savedPasswordIsADigest()
{
    {
        Login dialog(40300);
        dialog.setDeleteOnClose(false);
        QTest::keyClicks(dialog.loginEdit(), "operator");
        dialog.passwordEdit()->setText(password);
        dialog.savePasswordBox()->setChecked(true);
        dialog.accept();
        dialog.stop();
    }
    QVERIFY(!m_temp->fileText().contains("s3cret"));
    QCOMPARE(QSettings().value("auth/password").toString(), passwordDigest(password));

    // The next start signs in with the stored digest while the field is left alone.
    {
        Login dialog(40300);
        dialog.setDeleteOnClose(false);
        QVERIFY(dialog.passwordEdit()->text().isEmpty());
        QVERIFY(!dialog.passwordEdit()->placeholderText().isEmpty());
        dialog.accept();
        QCOMPARE(m_net->pwd(), passwordDigest(password));
        QCOMPARE(QSettings().value("auth/password").toString(), passwordDigest(password));
        dialog.stop();

        // Typing a password replaces it.
        QTest::keyClicks(dialog.passwordEdit(), "new");
        QVERIFY(dialog.passwordEdit()->placeholderText().isEmpty());
        dialog.accept();
        QCOMPARE(m_net->pwd(), passwordDigest("new"));
        QCOMPARE(QSettings().value("auth/password").toString(), passwordDigest("new"));
        dialog.stop();

        // Another user does not inherit it.
        dialog.passwordEdit()->clear();
        QTest::keyClicks(dialog.loginEdit(), "2");
        dialog.accept();
        QCOMPARE(m_net->pwd(), passwordDigest(""));
        dialog.stop();
    }

    // A password an older version stored as typed is turned into its digest on reading.
    QSettings().setValue("auth/password", "plain-text");
    QSettings().setValue("auth/autosave", true);
    {
        Login dialog(40300);
        dialog.setDeleteOnClose(false);
        QCOMPARE(QSettings().value("auth/password").toString(), passwordDigest("plain-text"));
        QVERIFY(!m_temp->fileText().contains("plain-text"));
        dialog.accept();
        QCOMPARE(m_net->pwd(), passwordDigest("plain-text"));
        dialog.stop();
    }
    // Unchecking "Save password" erases what was saved.
    {
        Login dialog(40300);
        dialog.setDeleteOnClose(false);
        dialog.savePasswordBox()->setChecked(false);
        dialog.accept();
        dialog.stop();
    }
    QCOMPARE(QSettings().value("auth/password").toString(), QString());
}

void TestLoginDialog::timeOutAndLateAnswer()
{
    Login dialog(40300);
    dialog.setDeleteOnClose(false);
    dialog.setBusyTimeout(50ms);
    dialog.show();
    QSignalSpy closing(m_net.get(), &Common::Network::closeConnection);
    QSignalSpy finished(&dialog, &QDialog::finished);
    QTest::keyClicks(dialog.loginEdit(), "operator");
    dialog.okButton()->click();
    QCOMPARE(closing.count(), 1);

    QTRY_COMPARE(m_watchdog.texts(), QStringList{"Server unavailable"});
    QCOMPARE(m_watchdog.boxes().first().title, QString("Log In"));
    QCOMPARE(closing.count(), 2);
    QVERIFY(dialog.isEnabled());

    // Answers to the abandoned attempt change nothing.
    m_net->dispatchMessage("auth", "saAuth", {{"RES", "10"}});
    m_net->dispatchMessage("auth", "saFailed", {{"RES", "10"}});
    QTest::qWait(timeLimit(50));
    QCOMPARE(finished.count(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_watchdog.boxes().size(), 1);
}

void TestLoginDialog::storedHostsAreChecked()
{
    // Names and bad ports from a hand-edited file never become empty addresses.
    Gui::Settings::setList("hosts", {hostMap("Named", "platform.example", 40300), hostMap("Zero", "10.0.0.9", 0),
                                     QVariantMap{{"name", "Numeric"}, {"address", "10.0.0.7"}, {"port", 40301}}});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Named.*platform.example"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Zero.*10.0.0.9"));
    Login dialog(40300);
    dialog.setDeleteOnClose(false);
    QCOMPARE(comboTexts(dialog.serverChoice()), QStringList{"Numeric 10.0.0.7:40301"});
}

void TestLoginDialog::serverListButtons()
{
    Server empty({}, 40300);
    empty.setDeleteOnClose(false);
    QCOMPARE(empty.windowTitle(), QString("Servers"));
    QCOMPARE(empty.table()->rowCount(), 0);
    QCOMPARE(buttonStates(empty), QString("1000"));
    empty.addButton()->click();
    QCOMPARE(rows(empty), QStringList{"Name|0.0.0.0|40300"});

    Server dialog(threeHosts(), 40300);
    dialog.setDeleteOnClose(false);
    QCOMPARE(rows(dialog), (QStringList{"A|10.0.0.1|1", "B|10.0.0.2|2", "C|10.0.0.3|3"}));
    QCOMPARE(buttonStates(dialog), QString("1000"));
    dialog.table()->setCurrentCell(0, 1);
    QCOMPARE(buttonStates(dialog), QString("1101"));
    dialog.table()->setCurrentCell(1, 2);
    QCOMPARE(buttonStates(dialog), QString("1111"));
    dialog.table()->setCurrentCell(2, 0);
    QCOMPARE(buttonStates(dialog), QString("1110"));
    dialog.addButton()->click();
    QCOMPARE(dialog.table()->currentRow(), 3);
    QCOMPARE(rows(dialog).last(), QString("Name|0.0.0.0|40300"));
    dialog.removeButton()->click();
    QCOMPARE(dialog.table()->rowCount(), 3);
    QCOMPARE(dialog.table()->currentRow(), -1);
    QCOMPARE(buttonStates(dialog), QString("1000"));

    // Cells are edited in place.
    QVERIFY(dialog.table()->editTriggers() & QAbstractItemView::DoubleClicked);
    QCOMPARE(dialog.table()->selectionBehavior(), QAbstractItemView::SelectItems);
}

void TestLoginDialog::serverListMovesOneRow()
{
    Server dialog(threeHosts(), 40300);
    dialog.setDeleteOnClose(false);
    dialog.table()->setCurrentCell(0, 2);
    dialog.downButton()->click();
    QCOMPARE(rows(dialog), (QStringList{"B|10.0.0.2|2", "A|10.0.0.1|1", "C|10.0.0.3|3"}));
    QCOMPARE(dialog.table()->currentRow(), 1);
    dialog.upButton()->click();
    QCOMPARE(rows(dialog), (QStringList{"A|10.0.0.1|1", "B|10.0.0.2|2", "C|10.0.0.3|3"}));
    QCOMPARE(dialog.table()->currentRow(), 0);
    QCOMPARE(buttonStates(dialog), QString("1101"));

    // The selection elsewhere than the current cell: the current row moves, no cell is lost.
    dialog.table()->setCurrentCell(2, 1);
    dialog.table()->selectionModel()->select(dialog.table()->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    dialog.downButton()->click();
    QCOMPARE(rows(dialog), (QStringList{"A|10.0.0.1|1", "B|10.0.0.2|2", "C|10.0.0.3|3"}));
    dialog.upButton()->click();
    QCOMPARE(rows(dialog), (QStringList{"A|10.0.0.1|1", "C|10.0.0.3|3", "B|10.0.0.2|2"}));
    QCOMPARE(dialog.table()->currentRow(), 1);
}

void TestLoginDialog::serverListValidation_data()
{
    QTest::addColumn<QStringList>("cells"); // name|address|port per row
    QTest::addColumn<QString>("message");   // empty: accepted
    QTest::addColumn<int>("badRow");
    QTest::newRow("valid") << QStringList{"Main|10.0.0.1|40300", "Local|::1|1"} << QString() << -1;
    QTest::newRow("host name") << QStringList{"Main|platform.example|40300"}
                               << "Row 1: \"platform.example\" is not an IP address." << 0;
    QTest::newRow("empty address") << QStringList{"Main|10.0.0.1|40300", "Main||40300"}
                                   << "Row 2: \"\" is not an IP address." << 1;
    QTest::newRow("port 0") << QStringList{"Main|10.0.0.1|0"} << "Row 1: the port must be a number from 1 to 65535."
                            << 0;
    QTest::newRow("port 70000") << QStringList{"Main|10.0.0.1|70000"}
                                << "Row 1: the port must be a number from 1 to 65535." << 0;
    QTest::newRow("port cleared") << QStringList{"Main|10.0.0.1|"}
                                  << "Row 1: the port must be a number from 1 to 65535." << 0;
    QTest::newRow("no name") << QStringList{"Main|10.0.0.1|1", "|10.0.0.2|2"} << "Row 2: the name is empty." << 1;
}

void TestLoginDialog::serverListValidation()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, message);
    QFETCH(int, badRow);
    Server dialog({}, 40300);
    dialog.setDeleteOnClose(false);
    dialog.show();
    for (const QString &row : cells) {
        dialog.addButton()->click();
        const QStringList texts = row.split('|');
        for (int column = 0; column < 3; ++column)
            dialog.table()->item(dialog.table()->rowCount() - 1, column)->setText(texts.at(column));
    }
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.okButton()->click();
    if (message.isEmpty()) {
        QCOMPARE(accepted.count(), 1);
        const QList<Login::Host> servers = dialog.servers();
        QCOMPARE(servers.size(), cells.size());
        QCOMPARE(servers.last().address, QHostAddress(cells.last().split('|').at(1)));
        QVERIFY(m_watchdog.boxes().isEmpty());
        return;
    }
    QCOMPARE(accepted.count(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_watchdog.texts(), QStringList{message});
    QCOMPARE(m_watchdog.boxes().first().title, QString("Servers"));
    QCOMPARE(dialog.table()->currentRow(), badRow);
    // What the caller would read leaves the unusable row out.
    QCOMPARE(dialog.servers().size(), cells.size() - 1);
}

void TestLoginDialog::hostEditorFromLogin()
{
    Gui::Settings::setList("hosts", {hostMap("One", "10.0.0.1", 1)});
    Login dialog(40300);
    dialog.setDeleteOnClose(false);
    dialog.show();

    // Every server removed: the default ones come back and are stored.
    m_watchdog.handleNext([](QDialog *opened) {
        auto *servers = qobject_cast<Server *>(opened);
        QVERIFY(servers);
        QCOMPARE(rows(*servers), QStringList{"One|10.0.0.1|1"});
        servers->table()->setCurrentCell(0, 0);
        servers->removeButton()->click();
        servers->okButton()->click();
    });
    dialog.hostEditorButton()->click();
    QCOMPARE(comboTexts(dialog.serverChoice()),
             (QStringList{"Production 127.0.0.1:40300", "Development 127.0.0.1:40300"}));
    QCOMPARE(Gui::Settings::list("hosts").size(), 2);

    // A server added is offered and stored; Cancel changes nothing.
    m_watchdog.handleNext([](QDialog *opened) {
        auto *servers = qobject_cast<Server *>(opened);
        servers->addButton()->click();
        servers->table()->item(2, 0)->setText("Stand-in");
        servers->table()->item(2, 1)->setText("127.0.0.2");
        servers->okButton()->click();
    });
    dialog.hostEditorButton()->click();
    QCOMPARE(comboTexts(dialog.serverChoice()).last(), QString("Stand-in 127.0.0.2:40300"));
    QCOMPARE(Gui::Settings::list("hosts").last(), QVariant(hostMap("Stand-in", "127.0.0.2", 40300)));
    m_watchdog.handleNext([](QDialog *opened) {
        auto *servers = qobject_cast<Server *>(opened);
        servers->table()->setCurrentCell(0, 0);
        servers->removeButton()->click();
        servers->reject();
    });
    dialog.hostEditorButton()->click();
    QCOMPARE(dialog.serverChoice()->count(), 3);
}

void TestLoginDialog::signInAgainstStandin()
{
    const QString dbinit = qEnvironmentVariable("KORIV_DBINIT");
    QVERIFY2(!dbinit.isEmpty(), "KORIV_DBINIT (the koriv-dbinit program) is not set");
    ScratchDatabase database(QStringLiteral("login"));
    QVERIFY2(database.isOpen(), qPrintable(database.error()));
    StandinServer server;
    {
        const QByteArray cluster = qgetenv("PGDATABASE");
        qputenv("PGDATABASE", database.name().toUtf8());
        const bool started = server.start({"--database", "--user", "operator:" + passwordDigest(password)});
        qputenv("PGDATABASE", cluster);
        QVERIFY2(started, "the stand-in server did not start");
    }

    // Wired as start-up wires it.
    m_net.reset();
    Network net;
    Common::AbstractController::setNetwork(&net);
    net.start();
    Client::Controller::Auth startupAuth;
    Client::Controller::UserSession session;
    connect(&net, &Common::ApiNetwork::fireTrAuth, &startupAuth, &Client::Controller::Auth::trAuth);
    connect(&startupAuth, &Client::Controller::Auth::saAuth, &session, &Client::Controller::UserSession::trOpen);
    Gui::Settings::setList("hosts", {hostMap("Stand-in", "127.0.0.1", server.port())});

    // A wrong password: the failure is said and the dialog stays for another try.
    QPointer<Login> dialog = new Login(40300);
    dialog->setBusyTimeout(timeLimit(15000ms));
    dialog->show();
    QSignalSpy finished(dialog.data(), &QDialog::finished);
    QTest::keyClicks(dialog->loginEdit(), "operator");
    QTest::keyClicks(dialog->passwordEdit(), "wrong");
    QTest::keyClick(dialog->passwordEdit(), Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(m_watchdog.texts(), QStringList{"Sign or password is incorrect"}, timeLimit(15000));
    QCOMPARE(m_watchdog.boxes().first().title, QString("Log In"));
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->isEnabled());
    QCOMPARE(finished.count(), 0);
    QCOMPARE(dialog->focusWidget(), dialog->passwordEdit());

    // The right one: accepted, the dialog gone, the session open.
    dialog->passwordEdit()->clear();
    dialog->passwordEdit()->setText(password);
    QTest::keyClick(dialog->passwordEdit(), Qt::Key_Enter);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, timeLimit(15000));
    QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
    QTRY_VERIFY(dialog.isNull());
    QTRY_VERIFY_WITH_TIMEOUT(!session.rstIdOwner().isEmpty(), timeLimit(15000));
    QCOMPARE(session.sessionSign(), QString("operator"));

    // Only the digest travelled.
    const QList<QJsonObject> attempts = server.received("auth_trAuth");
    QCOMPARE(attempts.size(), 2);
    QCOMPARE(attempts.last().value("SID").toString(), passwordDigest(password));
    QCOMPARE(m_watchdog.boxes().size(), 1);
    Common::AbstractController::setNetwork(nullptr);
}

void TestLoginDialog::screenshots()
{
    QApplication::setApplicationDisplayName("Koriv Admin");
    Gui::Settings::setList("hosts", {hostMap("Production", "10.20.30.40", 40300),
                                     hostMap("Development", "10.20.30.41", 40300)});
    QSettings().setValue("auth/login", "operator");
    Login login(40300);
    login.setDeleteOnClose(false);
    login.setTitleSuffix("Koriv Admin");
    login.show();
    QVERIFY(QTest::qWaitForWindowExposed(&login, timeLimit(5000)));
    QCOMPARE(truncatedTexts(&login), QStringList());
    QVERIFY2(login.height() < 300, qPrintable(QString::number(login.height())));
    QVERIFY(saveScreenshot(&login, "login.png"));

    Server servers(login.loadHosts(), 40300);
    servers.setDeleteOnClose(false);
    servers.show();
    QVERIFY(QTest::qWaitForWindowExposed(&servers, timeLimit(5000)));
    servers.table()->setCurrentCell(1, 1);
    QCOMPARE(truncatedTexts(&servers), QStringList());
    QVERIFY(saveScreenshot(&servers, "server-list.png"));
}

QTEST_MAIN(TestLoginDialog)
#include "tst_logindialog.moc"
