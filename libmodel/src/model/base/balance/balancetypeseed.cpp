#include "balancetypeseed.h"

#include "model/base/abstractmodel.h"
#include "model/base/seedlist.h"

#include "common/core/db/dao.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QObject>

namespace Model::Base {

BalanceTypeSeed &BalanceTypeSeed::add(const QString &groupCode, const QString &suffix, const char *name, bool debit)
{
    m_types.append(Type{groupCode, suffix, name, debit});
    return *this;
}

BalanceTypeSeed &BalanceTypeSeed::addDebitCredit(const QString &groupCode)
{
    return add(groupCode, QStringLiteral(".debit"), QT_TRANSLATE_NOOP("QObject", "Debit"), true)
        .add(groupCode, QStringLiteral(".credit"), QT_TRANSLATE_NOOP("QObject", "Credit"), false);
}

bool BalanceTypeSeed::apply(AbstractModel *types, AbstractModel *groups, Common::Db *db,
                            const QString &callerInfo) const
{
    const QString code = QStringLiteral("code");
    try {
        Common::Dao groupDao(groups, db);
        groupDao.setReloadAfterWrite(false);
        groupDao.setLoggerId(groups->loggerId());
        for (int first = 0; first < m_types.size();) {
            const QString group = m_types.at(first).group;
            groups->resetValues();
            groups->setValue(code, group);
            if (!groupDao.selectByFields(code, callerInfo)) {
                if (!groupDao.failed()) {
                    Logger::instance(types->loggerId())
                        ->warning(Common::warningLine(
                            COMMON_LOCATION, QStringLiteral("%1: balance group '%2' not found in %3")
                                                 .arg(callerInfo, group, groups->tableName())));
                }
                return false;
            }
            const qint64 groupId = groups->id();
            SeedList seeds(code);
            int next = first;
            for (; next < m_types.size() && m_types.at(next).group == group; ++next) {
                const Type &type = m_types.at(next);
                seeds.add(group + type.suffix, {{QStringLiteral("rst_id_bg"), groupId},
                                                {QStringLiteral("name"), QObject::tr(type.name)},
                                                {QStringLiteral("type_operation"),
                                                 type.debit ? QStringLiteral("1") : QStringLiteral("0")}});
            }
            if (!seeds.apply(types, db, callerInfo))
                return false;
            first = next;
        }
        return true;
    } catch (const Exception &e) {
        Logger::instance(types->loggerId())->warning(Common::warningLine(COMMON_LOCATION, e.message()));
    }
    return false;
}

} // namespace Model::Base
