#include "balancegroup.h"

#include <QObject>

namespace Model::Base {

BalanceGroup::BalanceGroup()
    : NamedModel(QString())
{
    declareColumn(QStringLiteral("code"), SQL_TEXT, false, QStringLiteral("n/a"), QObject::tr("Code"), UNIQUE);
    declareColumn(QStringLiteral("name"), SQL_TEXT, true, QStringLiteral("n/a"), QObject::tr("Name"));
    declareColumn(QStringLiteral("description"), SQL_TEXT, false, QVariant(), QObject::tr("Description"));
    addIndex({QStringLiteral("UNIQUE"), QStringLiteral("code")});
}

BalanceGroup::~BalanceGroup() = default;

} // namespace Model::Base
