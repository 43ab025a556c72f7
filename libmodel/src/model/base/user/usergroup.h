#pragma once

#include "model/base/group/group.h"
#include "model/helper/utcoffset.h"

namespace Model::Base {

// Catalogue of the user groups ("user_groups"). A group's code is its stable key: "admin" for the
// administrators, "api" for the API users, "user" for every other group. Seeds the
// administrators' group with a value for every security option.
class UserGroup : public Group, public Helper::UtcOffset
{
public:
    UserGroup();
    ~UserGroup() override;

    QString tableName() const override { return QStringLiteral("user_groups"); }
    // The administrators' group (code "admin"), completed with a value for every stored option.
    bool createSystemRecords(Common::Db *db) override;

    // Inserts the row in the buffer under the first free name of: name, "name 2", "name 3" ...
    // (names are unique, and a group an operator named so keeps its name).
    bool insertWithFreeName(Common::Db *db, const QString &name, const QString &location);

protected:
    // Makes sure the system group with this code exists and is marked is_system, and leaves it in
    // the row buffer. The group is found by its code only: a group that merely carries the name is
    // never promoted. False on a failed look-up or write.
    bool ensureSystemGroup(Common::Db *db, const QString &code, const QString &name);
};

} // namespace Model::Base
