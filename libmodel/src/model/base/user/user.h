#pragma once

#include "model/base/owner/owner.h"
#include "model/helper/balance.h"
#include "model/helper/ownerbalance.h"
#include "model/helper/sex.h"
#include "model/helper/useutcoffset.h"
#include "model/helper/utcoffset.h"

namespace Model::Base {

// Catalogue of the users ("users"): owners with names, a group, a balance and their own UTC
// offset. Seeds the administrator "admin".
class User : public Owner,
             public Helper::OwnerBalance,
             public Helper::Balance,
             public Helper::UseUtcOffset,
             public Helper::UtcOffset,
             public Helper::Sex
{
public:
    User();
    ~User() override;

    QString tableName() const override { return QStringLiteral("users"); }
    // The administrator, in the group with code "admin" (seeded before), marked is_system.
    bool createSystemRecords(Common::Db *db) override;

    // A stored password digest that no password gives: a system user stays unusable until someone
    // sets its password. Has the shape of the digests the servers store (32 lower-case hex digits).
    static QString unusablePasswordDigest();

protected:
    // Makes sure the system user exists, in the group with that code and marked is_system, and
    // leaves it in the row buffer. A new user gets an unusable password and the given values; a
    // stored user's marks are refreshed (and, with moveToGroup, its group), nothing else.
    bool ensureSystemUser(Common::Db *db, const QString &sign, const QString &groupCode, const QVariantMap &values,
                          bool moveToGroup, const QString &location);
    // The id of the group with that code; 0 (and a warning when it is missing) when there is none.
    qint64 groupIdByCode(Common::Db *db, const QString &code, const QString &location);
};

} // namespace Model::Base
