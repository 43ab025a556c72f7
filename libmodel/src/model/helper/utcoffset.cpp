#include "utcoffset.h"

#include "model/base/abstractmodel.h"

#include <QDateTime>
#include <QObject>

namespace Model::Helper {

UtcOffset::UtcOffset(AbstractModel *model)
{
    const int minutes = QDateTime::currentDateTime().offsetFromUtc() / 60;
    model->declareColumn(QStringLiteral("utc_offset"), SQL_INTEGER, true, QString::number(minutes),
                         QObject::tr("UTC offset"), SYNC_TAX);
}

} // namespace Model::Helper
