#pragma once

#include <QString>
#include <QVariantMap>

#include <memory>

namespace Client::Controller {
class SecurityOption;
}

// Puts option rows into the process-wide option models, as the lists of a signed-in user would:
// the session's owner and group, the option list and the group's and user's values.
class OptionRights
{
public:
    explicit OptionRights(const QString &group = QStringLiteral("2"), const QString &owner = QStringLiteral("5"));
    ~OptionRights();

    // The option row of a code; returns its id.
    QString addOption(const QString &code);
    void setGroupValue(const QString &code, const QString &value, const QString &group = QString());
    void setUserValue(const QString &code, const QString &value, bool inUse, const QString &owner = QString());
    // Grants "<name>.crud.read" to the group.
    void grantRead(const QString &controllerName);
    // Empties the option, group and user rows.
    void clear();

private:
    QString m_group;
    QString m_owner;
    std::unique_ptr<Client::Controller::SecurityOption> m_options;
    int m_nextId = 100;
};
