#include "groupenableselectduty.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

GroupEnableSelectDuty::GroupEnableSelectDuty(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("enabled_select_duty"), SQL_INTEGER, true, 0, QObject::tr("Enable select duty"));
}

} // namespace Model::Helper
