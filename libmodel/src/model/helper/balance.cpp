#include "balance.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

Balance::Balance(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("balance"), SQL_REAL, true, 0, QObject::tr("Balance"), NON_UPDATABLE | HIDDEN);
}

} // namespace Model::Helper
