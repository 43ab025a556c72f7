#include "balancetype.h"

#include <QObject>

namespace Model::Base {

BalanceType::BalanceType()
    : NamedModel(QString())
{
    // Placeholder of the group reference; each ledger declares it again with its group table.
    declare(QStringLiteral("rst_id_bg"), Field(ORDINARY));
    declareColumn(QStringLiteral("type_operation"), SQL_INTEGER, true, 0, QObject::tr("Type operation"));
    declareColumn(QStringLiteral("code"), SQL_TEXT, true, QStringLiteral("n/a"), QObject::tr("Code"), UNIQUE);
    declareColumn(QStringLiteral("name"), SQL_TEXT, true, QStringLiteral("n/a"), QObject::tr("Name"));
    declareColumn(QStringLiteral("description"), SQL_TEXT, false, QVariant(), QObject::tr("Description"));
    addIndex({QStringLiteral("UNIQUE"), QStringLiteral("code")});
}

BalanceType::~BalanceType() = default;

Field BalanceType::groupReference(const QString &groupTable)
{
    return Field::referenceTo(groupTable, FK_RESTRICT);
}

} // namespace Model::Base
