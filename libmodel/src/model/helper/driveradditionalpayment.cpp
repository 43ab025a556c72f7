#include "driveradditionalpayment.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

DriverAdditionalPayment::DriverAdditionalPayment(AbstractModel *model)
{
    // The first column's name is spelled so in every stored database.
    model->declareColumn(QStringLiteral("override_group_additinal_payment"), SQL_INTEGER, true, 0,
                         QObject::tr("Override group"));
    model->declareColumn(QStringLiteral("enabled_additional_payment"), SQL_INTEGER, true, 0,
                         QObject::tr("Enable additional payment"));
    model->declareColumn(QStringLiteral("additional_percent"), SQL_TEXT, true, QStringLiteral("1=0"),
                         QObject::tr("Percent"));
    model->declareColumn(QStringLiteral("additional_abs"), SQL_TEXT, true, QStringLiteral("1=0"),
                         QObject::tr("Absolute values"));
    model->addIndex({QStringLiteral("override_group_additinal_payment")});
    model->addIndex({QStringLiteral("enabled_additional_payment")});
}

} // namespace Model::Helper
