#include "login.h"

#include "client/controller/auth.h"
#include "common/core/logger/logger.h"
#include "common/core/utils/utils.h"
#include "common/net/abstractcontroller.h"
#include "common/net/apinetwork.h"
#include "gui/core/message.h"
#include "gui/settings/settings.h"
#include "gui/widget/fapushbutton.h"
#include "server.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

namespace Gui::Dialog {

namespace {

const QString hostsGroup = QStringLiteral("hosts");

bool isDigest(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{32}$"));
    return pattern.match(text).hasMatch();
}

QString digestOf(const QString &password)
{
    return ::Utils().getPwdHash(password);
}

} // namespace

Login::Login(int defaultPort)
    : StandardDialog(nullptr)
    , m_baseTitle(tr("Log In"))
    , m_auth(std::make_unique<Client::Controller::Auth>())
    , m_login(new QLineEdit)
    , m_password(new QLineEdit)
    , m_server(new QComboBox)
    , m_savePassword(new QCheckBox(tr("Save password")))
    , m_resetPassword(new QPushButton(tr("Reset Password...")))
    , m_hostEditor(new FaPushButton(QString(QChar(0xf03a)), 1, true))
    , m_defaultPort(defaultPort)
{
    setWindowTitle(m_baseTitle);
    connect(m_auth.get(), &Client::Controller::Auth::saFailed, this, &Login::onSaFailed);
    connect(m_auth.get(), &Client::Controller::Auth::saAuth, this, &Login::onSaAuth);

    connect(m_login, &QLineEdit::textChanged, this, &Login::onLoginChanged);
    connect(m_login, &QLineEdit::textEdited, this, &Login::forgetSavedPassword);
    m_password->setEchoMode(QLineEdit::Password);
    connect(m_password, &QLineEdit::textEdited, this, &Login::forgetSavedPassword);

    auto *form = new QFormLayout;
    form->addRow(tr("User:"), m_login);
    form->addRow(tr("Password:"), m_password);
    form->addRow(tr("Server:"), buildServerRow());
    form->addRow(QString(), buildOptionsRow());
    insertLayout(form, true);
    setWidth(400);
    const QWidgetList tabOrder{m_login, m_password, m_server, m_hostEditor, m_savePassword, m_resetPassword,
                               okButton(), buttonBox()->button(QDialogButtonBox::Cancel)};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));

    setHosts(loadHosts());
    readAuthSettings();
    onLoginChanged(m_login->text());
    (m_login->text().isEmpty() ? m_login : m_password)->setFocus();
}

Login::~Login() = default;

QWidget *Login::buildServerRow()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_server->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(m_server);
    m_hostEditor->setToolTip(tr("Servers"));
    layout->addWidget(m_hostEditor);
    connect(m_hostEditor, &QPushButton::clicked, this, &Login::onHostEditorButtonClicked);
    return row;
}

QWidget *Login::buildOptionsRow()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_savePassword->setChecked(true);
    layout->addWidget(m_savePassword);
    layout->addStretch();
    layout->addWidget(m_resetPassword);
    connect(m_resetPassword, &QPushButton::clicked, this, [this] {
        emit resetPasswordButtonClicked(m_server->currentData().toMap().value(QStringLiteral("address")).toString(),
                                        m_login->text());
    });
    return row;
}

void Login::setTitleSuffix(const QString &text)
{
    setWindowTitle(m_baseTitle + QStringLiteral(" - ") + text);
}

void Login::setResetPasswordVisible(bool visible)
{
    m_resetPassword->setVisible(visible);
}

QList<Login::Host> Login::defaultHosts() const
{
    // The addresses are deployment values given to the build (libgui/CMakeLists.txt).
    return {{tr("Production"), QHostAddress(QStringLiteral(KORIV_PRODUCTION_HOST)), m_defaultPort},
            {tr("Development"), QHostAddress(QStringLiteral(KORIV_DEVELOPMENT_HOST)), m_defaultPort}};
}

bool Login::isValidAddress(const QString &text)
{
    return !QHostAddress(text.trimmed()).isNull();
}

bool Login::isValidPort(const QString &text)
{
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    return ok && port >= 1 && port <= 65535;
}

QList<Login::Host> Login::loadHosts() const
{
    QList<Host> hosts;
    const QVariantList stored = Settings::list(hostsGroup);
    for (const QVariant &element : stored) {
        const QVariantMap map = element.toMap();
        const QString address = map.value(QStringLiteral("address")).toString();
        const QString port = map.value(QStringLiteral("port")).toString();
        if (!isValidAddress(address) || !isValidPort(port)) {
            Logger::instance(0)->warning(QStringLiteral("Stored server \"%1\" skipped: address \"%2\", port \"%3\"")
                                             .arg(map.value(QStringLiteral("name")).toString(), address, port));
            continue;
        }
        hosts.append({map.value(QStringLiteral("name")).toString(), QHostAddress(address.trimmed()), port.toInt()});
    }
    return hosts.isEmpty() ? defaultHosts() : hosts;
}

void Login::setHosts(QList<Host> hosts)
{
    if (hosts.isEmpty())
        hosts = defaultHosts();
    m_server->clear();
    for (const Host &host : qAsConst(hosts)) {
        const QString address = host.address.toString();
        m_server->addItem(host.name, QVariantMap{{QStringLiteral("address"), address},
                                                 {QStringLiteral("port"), host.port}});
        m_server->setItemData(m_server->count() - 1, QStringLiteral("%1:%2").arg(address).arg(host.port),
                              Qt::ToolTipRole);
    }
    saveHosts(hosts);
}

void Login::saveHosts(const QList<Host> &hosts)
{
    QVariantList list;
    for (const Host &host : hosts) {
        list.append(QVariantMap{{QStringLiteral("name"), host.name},
                                {QStringLiteral("address"), host.address.toString()},
                                {QStringLiteral("port"), QString::number(host.port)}});
    }
    Settings::setList(hostsGroup, list);
}

void Login::readAuthSettings()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("auth"));
    const int index = settings.value(QStringLiteral("current_host"), 0).toInt();
    m_server->setCurrentIndex(std::clamp(index, 0, m_server->count() - 1));
    m_login->setText(settings.value(QStringLiteral("login")).toString());
    m_savePassword->setChecked(settings.value(QStringLiteral("autosave"), false).toBool());
    const QString stored = settings.value(QStringLiteral("password")).toString();
    m_savedDigest.clear();
    if (m_savePassword->isChecked() && !stored.isEmpty())
        m_savedDigest = isDigest(stored) ? stored : digestOf(stored);
    if (!stored.isEmpty() && stored != m_savedDigest) {
        // A password an older version kept as typed: keep no more than its digest.
        settings.setValue(QStringLiteral("password"), m_savedDigest);
    }
    m_password->clear();
    m_password->setPlaceholderText(m_savedDigest.isEmpty() ? QString() : tr("Saved password"));
    settings.endGroup();
}

void Login::writeAuthSettings()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("auth"));
    settings.setValue(QStringLiteral("current_host"), m_server->currentIndex());
    settings.setValue(QStringLiteral("login"), m_login->text());
    settings.setValue(QStringLiteral("password"), m_savePassword->isChecked() ? passwordDigest() : QString());
    settings.setValue(QStringLiteral("autosave"), m_savePassword->isChecked());
    settings.endGroup();
}

QString Login::passwordDigest() const
{
    if (m_password->text().isEmpty() && !m_savedDigest.isEmpty())
        return m_savedDigest;
    return digestOf(m_password->text());
}

void Login::forgetSavedPassword()
{
    if (m_savedDigest.isEmpty())
        return;
    m_savedDigest.clear();
    m_password->setPlaceholderText(QString());
}

void Login::accept()
{
    writeAuthSettings();
    Common::ApiNetwork *net = Common::AbstractController::network();
    if (!net) {
        Logger::instance(0)->warning(QStringLiteral("Sign-in started without a network object"));
        Message::critical(this, unavailableText());
        return;
    }
    emit net->closeConnection();
    const QVariantMap server = m_server->currentData().toMap();
    net->setHost(server.value(QStringLiteral("address")).toString());
    net->setPort(server.value(QStringLiteral("port")).toInt());
    net->setSign(m_login->text());
    net->setPwd(passwordDigest());
    emit net->makeConnection();
    start();
}

void Login::busyExpired()
{
    if (Common::ApiNetwork *net = Common::AbstractController::network())
        emit net->closeConnection();
}

void Login::onSaAuth()
{
    // An answer after the time-out belongs to an attempt the user was told has failed.
    if (!isBusy())
        return;
    stop();
    QDialog::accept();
}

void Login::onSaFailed(QVariantMap params)
{
    if (!isBusy())
        return;
    stop();
    const QString code = params.value(QStringLiteral("RES")).toString();
    Message::critical(this, code == QLatin1String("10")
                                ? tr("Sign or password is incorrect")
                                : tr("The server refused the sign-in (code: %1)").arg(code));
    m_password->setFocus();
    m_password->selectAll();
}

void Login::onHostEditorButtonClicked()
{
    Server editor(loadHosts(), m_defaultPort, this);
    editor.setDeleteOnClose(false);
    if (Message::exec(&editor) == QDialog::Accepted)
        setHosts(editor.servers());
}

void Login::onLoginChanged(const QString &text)
{
    setOkEnabled(!text.isEmpty());
    m_resetPassword->setEnabled(!text.isEmpty());
}

QLineEdit *Login::loginEdit() const
{
    return m_login;
}

QLineEdit *Login::passwordEdit() const
{
    return m_password;
}

QComboBox *Login::serverChoice() const
{
    return m_server;
}

QCheckBox *Login::savePasswordBox() const
{
    return m_savePassword;
}

QPushButton *Login::resetPasswordButton() const
{
    return m_resetPassword;
}

FaPushButton *Login::hostEditorButton() const
{
    return m_hostEditor;
}

} // namespace Gui::Dialog
