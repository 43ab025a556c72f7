#pragma once

#include <QString>
#include <QStringList>

namespace Common {
class Dao;
}

namespace Model {

class AbstractModel;

namespace Base {

// Updates the row in the model's buffer by id, writing the listed columns too although they are
// NON_UPDATABLE (the system marks a seed refreshes); their flags are restored afterwards.
bool updateWithSystemColumns(AbstractModel *model, Common::Dao &dao, const QStringList &columns,
                             const QString &location);

} // namespace Base
} // namespace Model
