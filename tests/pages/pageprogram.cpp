#include "pageprogram.h"

#include "dayend.h"
#include "signinsettings.h"

#include "startup/startup.h"
#include "shell/context.h"
#include "shell/global.h"
#include "shell/mainwindow.h"

#include "client/controller/security/securityoption.h"
#include "client/controller/security/usersecurityoption.h"
#include "client/controller/usersession.h"
#include "client/utils/desktoputils.h"
#include "common/core/db/pgenvironment.h"
#include "common/core/singleton/spsingleton.h"
#include "common/core/utils/utils.h"
#include "gui/core/context.h"
#include "gui/dialog/login.h"
#include "timelimit.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPointer>
#include <QQuickItem>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace Client::Controller;

PageProgram::PageProgram() = default;

PageProgram::~PageProgram()
{
    m_startup.reset();
    if (!m_sqlName.isEmpty())
        QSqlDatabase::removeDatabase(m_sqlName);
}

QString PageProgram::start(const QString &prefix, const QStringList &moreUsers, const QStringList &seed,
                           const QString &login, const QString &password)
{
    m_guard.install();
    m_database = std::make_unique<ScratchDatabase>(prefix);
    if (!m_database->isOpen())
        return m_database->error();
    m_server.setEnvironment(m_database->environment());
    QStringList arguments{"--database", "--user", login + ":" + passwordDigest(password)};
    for (const QString &user : moreUsers)
        arguments << "--user" << user;
    arguments << m_serverArguments;
    // The day's end planned here, so that the offset the stand-in gets is known.
    arguments = DayEnd::serverArguments(arguments);
    m_utcOffset = DayEnd::utcOffset(arguments);
    if (!m_server.start(arguments))
        return QStringLiteral("the stand-in server did not start");

    m_sqlName = QStringLiteral("pages-") + prefix;
    QSqlDatabase sql = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_sqlName);
    Common::applyPgEnvironment(sql);
    sql.setDatabaseName(m_database->name());
    if (!sql.open())
        return QStringLiteral("no SQL connection: ") + sql.lastError().text();
    for (const QString &statement : seed) {
        QSqlQuery query(sql);
        if (!query.exec(statement))
            return QStringLiteral("seed failed: ") + query.lastError().text() + QStringLiteral(": ") + statement;
    }
    if (m_beforeSignIn) {
        const QString failure = m_beforeSignIn(m_database->environment());
        if (!failure.isEmpty())
            return failure;
    }

    if (m_throughProxy && !m_proxy.listen(m_server.port()))
        return QStringLiteral("the relay to the stand-in did not listen");
    const QString failure = attach(m_throughProxy ? m_proxy.port() : m_server.port(), login, password);
    if (!failure.isEmpty())
        return failure;
    for (const QJsonObject &event : m_server.events()) {
        if (event.value("event") == "connected")
            m_connection = event.value("conn").toInt();
    }
    return QString();
}

QString PageProgram::attach(int port, const QString &login, const QString &password)
{
    writeSignInSettings({{"Stand-in", "127.0.0.1", port}}, 0, login);
    return signIn(password);
}

QString PageProgram::signIn(const QString &password)
{
    m_guard.install();
    m_watchdog.allowOpen("Gui::DataLoading");
    m_watchdog.allowOpen("Gui::Dialog::Login");
    m_startup = std::make_unique<Startup>();
    Gui::Dialog::Login *dialog = m_startup->loginDialog();
    if (!dialog)
        return QStringLiteral("no sign-in dialog");
    if (m_signIn) {
        m_signIn(dialog, password);
    } else {
        dialog->passwordEdit()->setText(password);
        QTimer::singleShot(0, dialog, &Gui::Dialog::Login::accept);
    }
    const bool loaded = QTest::qWaitFor(
        [this] {
            Global *global = Context::global();
            return m_startup->mainWindow() && global && global->loadedCount() > 0
                && global->loadedCount() == global->registeredCount() && !global->loadingWindow();
        },
        timeLimit(300000));
    if (!loaded)
        return QStringLiteral("the program did not sign in and load its lists");
    return QString();
}

void PageProgram::closeProgram()
{
    m_startup.reset();
}

QSqlDatabase PageProgram::database() const
{
    return QSqlDatabase::database(m_sqlName);
}

QString PageProgram::problems()
{
    QStringList found = m_guard.takeUnexpected();
    const QString modal = m_watchdog.problems();
    if (!modal.isEmpty())
        found.append(modal);
    m_watchdog.reset();
    return found.join('\n');
}

QObject *PageProgram::openPage(const QString &url, QVariantMap properties)
{
    properties.insert("isWindow", true);
    properties.insert("isNewInstance", true);
    return Gui::Context::createQmlFrame(url, properties);
}

bool PageProgram::closePage(QObject *page)
{
    QPointer<QObject> guard(page);
    if (!guard)
        return true;
    QMetaObject::invokeMethod(page, "closed");
    return QTest::qWaitFor([&] { return guard.isNull(); }, timeLimit(5000));
}

bool PageProgram::waitForSent(const QString &fn, int count, int timeoutMs)
{
    return m_server.waitForCount(StandinServer::isMessage(fn), count, timeoutMs);
}

void PageProgram::push(const QVariantMap &message)
{
    const QByteArray json = QJsonDocument(QJsonObject::fromVariantMap(message)).toJson(QJsonDocument::Compact);
    const int before = m_server.count(StandinServer::isEvent("sent"));
    m_server.command(QStringLiteral("push-text %1 %2").arg(connection()).arg(QString::fromUtf8(json)));
    m_server.waitForCount(StandinServer::isEvent("sent"), before + 1, 5000);
    QTest::qWait(timeLimit(100));
}

int PageProgram::connection()
{
    bool lost = false;
    bool seen = false;
    // Connections made since the program's own, still open: the stand-in may tell of the next
    // one before it tells that the lost one closed.
    QList<int> since;
    for (const QJsonObject &event : m_server.events()) {
        const QString kind = event.value("event").toString();
        const int conn = event.value("conn").toInt();
        if (kind == "disconnected" && conn == m_connection) {
            lost = true;
        } else if (lost && kind == "connected") {
            m_connection = conn;
            lost = false;
            seen = true;
            since.clear();
        } else if (kind == "connected") {
            if (seen)
                since.append(conn);
            seen = seen || conn == m_connection;
        } else if (kind == "disconnected") {
            since.removeAll(conn);
        }
    }
    return lost && !since.isEmpty() ? since.last() : m_connection;
}

void PageProgram::setAdminRight(const QString &code, const QString &value)
{
    query("UPDATE user_group_security_options SET option_value = ? WHERE rst_id_so = "
          "(SELECT id FROM security_options WHERE code = ?) AND rst_id_group = "
          "(SELECT id FROM user_groups WHERE code = 'admin' ORDER BY id LIMIT 1)",
          {value, code});
}

std::shared_ptr<void> PageProgram::withholdRight(const QString &controllerName, const QString &operation)
{
    const QString code = controllerName + QStringLiteral(".crud.") + operation;
    OriginalModel *options = SecurityOption().originalModel();
    const QString option = options->data(QStringLiteral("code"), code, QStringLiteral("id")).toString();
    OriginalModel *values = SpSingleton<UserSecurityOption>::instance()->originalModel();
    const QString id = QStringLiteral("-77");
    values->addRow({{"id", id}, {"rst_id_owner", SpSingleton<UserSession>::instance()->property("rst_id_owner")},
                    {"rst_id_so", option.isEmpty() ? QStringLiteral("-1") : option}, {"option_value", "0"},
                    {"is_using", "1"}});
    return std::shared_ptr<void>(nullptr, [values, id](void *) { values->delRow(id); });
}

QVariant PageProgram::query(const QString &statement, const QVariantList &values)
{
    QSqlQuery query(database());
    query.prepare(statement);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        qWarning().noquote() << "SQL failed:" << query.lastError().text() << statement;
        return QVariant();
    }
    return query.next() ? query.value(0) : QVariant();
}

QDate PageProgram::today() const
{
    return Gui::Context::desktopUtils()->currentDateTime().date();
}

QDate PageProgram::operatorsDate() const
{
    return DayEnd::dateAt(QDateTime::currentMSecsSinceEpoch(), m_utcOffset);
}

QQuickItem *pageControl(QObject *page, const QString &objectName)
{
    if (!page)
        return nullptr;
    QQuickItem *root = qobject_cast<QQuickItem *>(page);
    const QList<QQuickItem *> found = page->findChildren<QQuickItem *>(objectName);
    if (!found.isEmpty())
        return found.first();
    // A window's content is not a child object of the frame: search the frame's window too.
    QObject *window = page->property("window").value<QObject *>();
    if (window) {
        const QList<QQuickItem *> inWindow = window->findChildren<QQuickItem *>(objectName);
        if (!inWindow.isEmpty())
            return inWindow.first();
    }
    return root && root->objectName() == objectName ? root : nullptr;
}
