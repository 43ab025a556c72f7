#include "ownerbalance.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

OwnerBalance::OwnerBalance(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("override_group_low_balance"), SQL_INTEGER, true, 0,
                         QObject::tr("Override group low balance"));
    model->declareColumn(QStringLiteral("enabled_low_balance"), SQL_INTEGER, true, 0,
                         QObject::tr("Enable low balance"));
    model->declareColumn(QStringLiteral("low_balance"), SQL_REAL, true, 0, QObject::tr("Low balance"));
}

} // namespace Model::Helper
