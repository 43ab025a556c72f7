#include "ownerclientsideendsession.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

OwnerClientSideEndSession::OwnerClientSideEndSession(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("override_group_use_end_session"), SQL_INTEGER, true, 0,
                         QObject::tr("Override group value of use end session monitor"));
    model->addIndex({QStringLiteral("override_group_use_end_session")});
}

} // namespace Model::Helper
