#include "brandpaymentreport.h"

#include "controller/driver/driver.h"

#include "gui/core/context.h"
#include "gui/error/errorcatalogue.h"
#include "gui/report/interactiveownerkeepertable.h"
#include "gui/report/startenddatetimeedit.h"

#include "common/core/utils/jsontext.h"
#include "common/net/abstractcontroller.h"
#include "common/net/apinetwork.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QVBoxLayout>

BrandPaymentReport::BrandPaymentReport()
    : m_period(new Gui::StartEndDateTimeEdit(1))
    , m_owners(new Gui::InteractiveOwnerKeeperTable)
    , m_applyTimer(new QTimer(this))
{
    setTitle(tr("Brand Payment Report"));
    m_period->setApplyButtonVisible(true);
    auto *filters = new QVBoxLayout;
    filters->addWidget(m_period);
    filters->addWidget(m_owners);
    insertFilterLayout(filters);
    newDriverController();
    connect(m_period, &Gui::StartEndDateTimeEdit::applyClicked, this, &BrandPaymentReport::onApplyClicked);

    m_applyTimer->setSingleShot(true);
    connect(m_applyTimer, &QTimer::timeout, this, [this] {
        abandonApply(tr("The server did not answer within %n second(s): no drivers were added", nullptr,
                        int(m_applyTimer->interval() / 1000)));
    });
    if (Common::ApiNetwork *network = Common::AbstractController::network())
        connect(network, &Common::Network::connectionState, this, &BrandPaymentReport::onConnectionState);
}

BrandPaymentReport::~BrandPaymentReport() = default;

int BrandPaymentReport::reportType() const
{
    return 12;
}

QString BrandPaymentReport::accessName() const
{
    return QStringLiteral("brandPaymentReport");
}

QString BrandPaymentReport::outputName() const
{
    return QStringLiteral("brand_payment_report");
}

QString BrandPaymentReport::templatePath() const
{
    return QStringLiteral(":/files_template/mirsel/driver/BrandPaymentReport.xlsx");
}

QVariantMap BrandPaymentReport::options() const
{
    // Not through a JSON array, whose numbers would cut 64-bit ids.
    QVariantList ids;
    for (const qint64 id : m_owners->ownerIdList())
        ids.append(id);
    return {{QStringLiteral("id_owners_list"), ids},
            {QStringLiteral("signs"), m_owners->ownerNames().toVariantList()},
            {QStringLiteral("utc"), QString::number(userUtcOffset())},
            {QStringLiteral("dt_utc_insert_start"), QString::number(m_period->startDateTime().toMSecsSinceEpoch())},
            {QStringLiteral("dt_utc_insert_end"), QString::number(m_period->endDateTime().toMSecsSinceEpoch())}};
}

bool BrandPaymentReport::isValid()
{
    return m_period->isValid(this) && m_owners->isValid();
}

void BrandPaymentReport::newDriverController()
{
    if (m_drivers)
        m_drivers->disconnect(this);
    m_drivers = std::make_unique<Driver>();
    connect(m_drivers.get(), &Driver::saGetBrandDrivers, this, &BrandPaymentReport::onSaGetBrandDrivers);
}

QString BrandPaymentReport::userInstant(const QDateTime &dateTime) const
{
    return QString::number(toUserOffset(dateTime.toMSecsSinceEpoch(), userUtcOffset()));
}

void BrandPaymentReport::onApplyClicked()
{
    if (m_applying || isWaiting() || !m_period->isValid(this))
        return;
    // The same period as Create sends, so the drivers listed are those the report covers.
    m_drivers->trGetBrandDrivers({{QStringLiteral("dt_utc_insert_start"), userInstant(m_period->startDateTime())},
                                  {QStringLiteral("dt_utc_insert_end"), userInstant(m_period->endDateTime())}});
    m_applying = true;
    m_applyTimer->setInterval(int(answerTimeout().count()));
    m_applyTimer->start();
    start();
}

void BrandPaymentReport::onSaGetBrandDrivers(QVariantMap params)
{
    if (!m_applying || params.value(QStringLiteral("RECEIVER")).toString() != m_drivers->objectNumber())
        return;
    m_applying = false;
    m_applyTimer->stop();
    stop();
    if (params.value(QStringLiteral("RES")).toString() != QLatin1String("10")) {
        Gui::ErrorCatalogue::show(this, params);
        return;
    }
    QString error;
    const QJsonDocument drivers = Common::readJson(params.value(QStringLiteral("drivers")).toString().toUtf8(), &error);
    if (!drivers.isArray()) {
        Gui::Context::critical(tr("The server's list of drivers cannot be read: %1").arg(error.isEmpty() ? tr("not a list") : error), this);
        return;
    }
    QVector<QPair<qint64, QString>> owners;
    for (const QJsonValue &element : drivers.array()) {
        const QJsonObject driver = element.toObject();
        const QVariant id = driver.value(QStringLiteral("id")).toVariant();
        bool numeric = false;
        const qint64 owner = id.toString().toLongLong(&numeric);
        if (!numeric) {
            qWarning().noquote() << "Brand driver without a numeric id skipped:" << id.toString()
                                 << driver.value(QStringLiteral("sign")).toString();
            continue;
        }
        owners.append({owner, driver.value(QStringLiteral("sign")).toString()});
    }
    m_owners->addOwners(owners);
}

void BrandPaymentReport::onConnectionState(bool connected)
{
    if (!connected && m_applying)
        abandonApply(tr("The connection to the server was lost: no drivers were added"));
}

void BrandPaymentReport::abandonApply(const QString &message)
{
    if (!m_applying)
        return;
    m_applying = false;
    m_applyTimer->stop();
    // A new controller number: a late answer names the old one.
    newDriverController();
    stop();
    qWarning().noquote() << "Brand drivers:" << message;
    Gui::Context::critical(message, this);
}
