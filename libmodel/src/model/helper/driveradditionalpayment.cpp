#include "driveradditionalpayment.h"

#include "drivergroupadditionalpayment.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

DriverAdditionalPayment::DriverAdditionalPayment(AbstractModel *model)
{
    // The first column's name is spelled so in every stored database.
    model->declareColumn(QStringLiteral("override_group_additinal_payment"), SQL_INTEGER, true, 0,
                         QObject::tr("Override group"));
    model->addIndex({QStringLiteral("override_group_additinal_payment")});
    // The rule itself is the group's.
    const DriverGroupAdditionalPayment rule(model);
}

} // namespace Model::Helper
