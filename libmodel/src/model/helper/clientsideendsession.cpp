#include "clientsideendsession.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

ClientSideEndSession::ClientSideEndSession(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("use_end_session"), SQL_INTEGER, true, 0, QObject::tr("Use end session"));
    model->declareColumn(QStringLiteral("end_session_timeout"), SQL_INTEGER, true, 15,
                         QObject::tr("End session timeout (client side)"));
    model->declareDisplay(QStringLiteral("use_end_session_string"), QObject::tr("Use end session"));
    model->addIndex({QStringLiteral("use_end_session")});
}

} // namespace Model::Helper
