#include "seedlist.h"

#include "abstractmodel.h"

#include "common/core/db/dao.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

namespace Model {

SeedList::SeedList(const QString &keyColumn)
    : m_keyColumn(keyColumn)
{
}

SeedList &SeedList::add(const QVariant &key, const QVariantMap &values)
{
    m_rows.append(Row{key, values});
    return *this;
}

bool SeedList::apply(AbstractModel *model, Common::Db *db, const QString &callerInfo) const
{
    try {
        Common::Dao dao(model, db);
        dao.setReloadAfterWrite(false);
        dao.setLoggerId(model->loggerId());
        for (const Row &row : m_rows) {
            model->resetValues();
            model->setValue(m_keyColumn, row.key);
            if (dao.selectByFields(m_keyColumn, callerInfo))
                continue;
            if (dao.failed())
                return false;
            if (!insertRow(model, dao, m_keyColumn, row.key, row.values, callerInfo))
                return false;
        }
        return true;
    } catch (const Exception &e) {
        Logger::instance(model->loggerId())->warning(Common::warningLine(COMMON_LOCATION, e.message()));
    }
    return false;
}

bool SeedList::insertRow(AbstractModel *model, Common::Dao &dao, const QString &keyColumn, const QVariant &key,
                         const QVariantMap &values, const QString &callerInfo)
{
    model->resetValues();
    model->populateDefault();
    model->setValue(keyColumn, key);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        model->setValue(it.key(), it.value());
    return dao.insert(callerInfo);
}

} // namespace Model
