#include "brandreport.h"

#include "gui/report/startenddatetimeedit.h"

BrandReport::BrandReport()
    : m_period(new Gui::StartEndDateTimeEdit(1))
{
    setTitle(tr("Brand Report"));
    insertFilterWidget(m_period);
}

BrandReport::~BrandReport() = default;

int BrandReport::reportType() const
{
    return 11;
}

QString BrandReport::accessName() const
{
    return QStringLiteral("brandCarReport");
}

QString BrandReport::outputName() const
{
    return QStringLiteral("brand_car_report");
}

QString BrandReport::templatePath() const
{
    return QStringLiteral(":/files_template/mirsel/driver/BrandCarReport.xlsx");
}

QVariantMap BrandReport::options() const
{
    return {{QStringLiteral("utc"), userUtcOffset()},
            {QStringLiteral("dt_utc_insert_start"), m_period->startDateTime().toMSecsSinceEpoch()},
            {QStringLiteral("dt_utc_insert_end"), m_period->endDateTime().toMSecsSinceEpoch()}};
}

bool BrandReport::isValid()
{
    return m_period->isValid(this);
}
