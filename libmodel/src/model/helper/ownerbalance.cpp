#include "ownerbalance.h"

#include "groupbalance.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

OwnerBalance::OwnerBalance(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("override_group_low_balance"), SQL_INTEGER, true, 0,
                         QObject::tr("Override group low balance"));
    // The rule itself is the group's.
    const GroupBalance rule(model);
}

} // namespace Model::Helper
