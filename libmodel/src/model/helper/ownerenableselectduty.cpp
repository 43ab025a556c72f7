#include "ownerenableselectduty.h"

#include "groupenableselectduty.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

OwnerEnableSelectDuty::OwnerEnableSelectDuty(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("override_group_enabled_select_duty"), SQL_INTEGER, true, 0,
                         QObject::tr("Override group enable select duty"));
    // The switch itself is the group's.
    const GroupEnableSelectDuty rule(model);
}

} // namespace Model::Helper
