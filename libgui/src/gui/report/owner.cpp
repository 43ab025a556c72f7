#include "owner.h"

#include "interactiveownerkeepertable.h"
#include "startenddatetimeedit.h"

#include <QVBoxLayout>

namespace Gui::Report {

Owner::Owner(const QString &sourceUrl)
    : m_period(new StartEndDateTimeEdit(1))
    , m_owners(new InteractiveOwnerKeeperTable(sourceUrl, this))
    , m_extra(new QVBoxLayout)
{
    auto *filters = new QVBoxLayout;
    filters->addWidget(m_period);
    filters->addLayout(m_extra);
    filters->addWidget(m_owners);
    insertFilterLayout(filters);
}

Owner::~Owner() = default;

QVariantMap Owner::options() const
{
    QVariantList ids;
    for (const qint64 id : m_owners->ownerIdList())
        ids.append(id);
    return {{QStringLiteral("id_owners_list"), ids},
            {QStringLiteral("utc"), userUtcOffset()},
            {QStringLiteral("dt_utc_insert_start"), m_period->startDateTime().toMSecsSinceEpoch()},
            {QStringLiteral("dt_utc_insert_end"), m_period->endDateTime().toMSecsSinceEpoch()}};
}

bool Owner::isValid()
{
    return m_period->isValid(this) && m_owners->isValid();
}

} // namespace Gui::Report
