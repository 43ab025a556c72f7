#include "systemmarks.h"

#include "model/base/abstractmodel.h"

#include "common/core/db/dao.h"

#include <QVector>

namespace Model::Base {

bool updateWithSystemColumns(AbstractModel *model, Common::Dao &dao, const QStringList &columns,
                             const QString &location)
{
    QVector<quint64> flags;
    for (const QString &column : columns) {
        flags.append(model->field(column).flags);
        model->clearFieldFlags(column, NON_UPDATABLE);
    }
    const bool updated = dao.updateById(location);
    for (int i = 0; i < columns.size(); ++i)
        model->setFieldFlags(columns.at(i), flags.at(i));
    return updated;
}

} // namespace Model::Base
