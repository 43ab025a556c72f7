#include "useutcoffset.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

UseUtcOffset::UseUtcOffset(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("use_utc_offset"), SQL_INTEGER, true, 0, QObject::tr("Use UTC offset"));
    model->declareDisplay(QStringLiteral("use_utc_offset_string"), QObject::tr("Use UTC offset"));
}

} // namespace Model::Helper
