#include "ownerenableselectduty.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

OwnerEnableSelectDuty::OwnerEnableSelectDuty(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("override_group_enabled_select_duty"), SQL_INTEGER, true, 0,
                         QObject::tr("Override group enable select duty"));
    model->declareColumn(QStringLiteral("enabled_select_duty"), SQL_INTEGER, true, 0, QObject::tr("Enable select duty"));
}

} // namespace Model::Helper
