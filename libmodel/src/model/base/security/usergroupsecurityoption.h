#pragma once

#include "model/base/abstractmodel.h"

#include <QSet>

namespace Model::Base {

// Catalogue of the option values of user groups ("user_group_security_options"): one value per
// group and security option, with the option's texts joined.
class UserGroupSecurityOption : public AbstractModel
{
public:
    UserGroupSecurityOption();
    ~UserGroupSecurityOption() override;

    QString tableName() const override { return QStringLiteral("user_group_security_options"); }

    // Gives the group a value for every stored security option it has none for (only for the
    // codes in onlyCodes when that is given). Stored values are never changed, so running it again
    // adds only what is missing. False when the options cannot be read or an insert fails.
    bool createSystemRecordsForGroup(Common::Db *db, qint64 groupId, bool admin,
                                     const QSet<QString> *onlyCodes = nullptr);
    // The value a new row holds for an option: a "bool" option is granted to the administrators
    // and "open_editor" to every group, a "list" option starts empty, another type keeps the
    // column's default.
    void populateOptionValue(const QString &dataType, const QString &code, bool admin);
};

} // namespace Model::Base
