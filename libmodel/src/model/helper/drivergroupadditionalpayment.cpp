#include "drivergroupadditionalpayment.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

DriverGroupAdditionalPayment::DriverGroupAdditionalPayment(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("enabled_additional_payment"), SQL_INTEGER, true, 0,
                         QObject::tr("Enable additional payment"));
    model->declareColumn(QStringLiteral("additional_percent"), SQL_TEXT, true, QStringLiteral("1=0"),
                         QObject::tr("Percent"));
    model->declareColumn(QStringLiteral("additional_abs"), SQL_TEXT, true, QStringLiteral("1=0"),
                         QObject::tr("Absolute values"));
    model->addIndex({QStringLiteral("enabled_additional_payment")});
}

} // namespace Model::Helper
