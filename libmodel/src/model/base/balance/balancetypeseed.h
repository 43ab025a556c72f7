#pragma once

#include <QString>
#include <QVector>

namespace Common {
class Db;
}

namespace Model {
class AbstractModel;
}

namespace Model::Base {

// The system types of a balance ledger. A type's code is its group's code followed by a suffix;
// each group is found by its code, and each type whose code is missing is inserted pointing at
// that group. Stored types are never changed.
class BalanceTypeSeed
{
public:
    // name: the untranslated caption (marked with QT_TRANSLATE_NOOP("QObject", ...)), translated
    // when the type is inserted. Types of one group are added one after the other.
    BalanceTypeSeed &add(const QString &groupCode, const QString &suffix, const char *name, bool debit);
    // The group's plain pair: ".debit" captioned "Debit", then ".credit" captioned "Credit".
    BalanceTypeSeed &addDebitCredit(const QString &groupCode);

    // Seeds `types` (a balance type catalogue) with the groups of `groups` (a balance group
    // catalogue of the same ledger). False, with a warning, at the first group that is missing;
    // otherwise as SeedList: false at a failed look-up or insert, the rows written before stay.
    bool apply(AbstractModel *types, AbstractModel *groups, Common::Db *db, const QString &callerInfo) const;

private:
    struct Type
    {
        QString group;
        QString suffix;
        const char *name;
        bool debit;
    };

    QVector<Type> m_types;
};

} // namespace Model::Base
