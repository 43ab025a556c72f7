#include "optionrights.h"

#include "client/controller/security/securityoption.h"
#include "client/controller/security/usergroupsecurityoption.h"
#include "client/controller/security/usersecurityoption.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"

using namespace Client::Controller;

OptionRights::OptionRights(const QString &group, const QString &owner)
    : m_group(group)
    , m_owner(owner)
    , m_options(std::make_unique<SecurityOption>())
{
    SpSingleton<UserSession>::instance()->handleMessage(
        QStringLiteral("saOpen"),
        {{"RES", "10"}, {"rst_id_group", group}, {"rst_id_owner", owner}, {"utc_dt", "0"}});
    clear();
}

OptionRights::~OptionRights()
{
    clear();
}

QString OptionRights::addOption(const QString &code)
{
    OriginalModel *options = m_options->originalModel();
    const QVariant known = options->data(QStringLiteral("code"), code, QStringLiteral("id"));
    if (known.isValid())
        return known.toString();
    const QString id = QString::number(m_nextId++);
    options->addRow({{"id", id}, {"code", code}, {"data_type", "bool"}});
    return id;
}

void OptionRights::setGroupValue(const QString &code, const QString &value, const QString &group)
{
    const QString option = addOption(code);
    SpSingleton<UserGroupSecurityOption>::instance()->originalModel()->addRow(
        {{"id", QString::number(m_nextId++)}, {"rst_id_group", group.isEmpty() ? m_group : group},
         {"rst_id_so", option}, {"option_value", value}});
}

void OptionRights::setUserValue(const QString &code, const QString &value, bool inUse, const QString &owner)
{
    const QString option = addOption(code);
    SpSingleton<UserSecurityOption>::instance()->originalModel()->addRow(
        {{"id", QString::number(m_nextId++)}, {"rst_id_owner", owner.isEmpty() ? m_owner : owner},
         {"rst_id_so", option}, {"option_value", value}, {"is_using", inUse ? "1" : "0"}});
}

void OptionRights::grantRead(const QString &controllerName)
{
    setGroupValue(controllerName + QStringLiteral(".crud.read"), QStringLiteral("1"));
}

void OptionRights::clear()
{
    m_options->originalModel()->clear();
    SpSingleton<UserGroupSecurityOption>::instance()->originalModel()->clear();
    SpSingleton<UserSecurityOption>::instance()->originalModel()->clear();
}
