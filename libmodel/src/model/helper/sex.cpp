#include "sex.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

Sex::Sex(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("sex"), SQL_INTEGER, true, 0, QObject::tr("Sex"));
}

} // namespace Model::Helper
