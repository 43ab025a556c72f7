#include "global.h"

#include "frame/framefactory.h"

#include "gui/core/utils.h"
#include "gui/frame/framecreators.h"

Global::Global(QObject *parent)
    : Gui::Global(parent)
{
}

Global::~Global()
{
    delete m_companyBalanceType;
    delete m_companyBalanceGroup;
    delete m_notificationType;
    delete m_notification;
    delete m_city;
    delete m_carColors;
    delete m_carBodyTypes;
    delete m_carBrands;
    delete m_driverPaidServiceType;
    delete m_driverBalanceType;
    delete m_driverBalanceGroup;
    delete m_driverGroup;
    delete m_company;
    delete m_driver;
}

Notification *Global::notification()
{
    return m_notification;
}

User *Global::user() const
{
    return static_cast<User *>(Gui::Global::user());
}

Client::Controller::User *Global::createUser()
{
    return new User;
}

Gui::FrameCreators *Global::createFrameCreators()
{
    return newFrameCreators();
}

template<typename T>
T *Global::createShared(T *&field, const QVariantMap &placeholder)
{
    delete field;
    field = new T;
    registerController(field, true);
    if (!placeholder.isEmpty())
        field->originalModel()->addRow(placeholder);
    return field;
}

void Global::sortByName(Client::Controller::ItemController *controller)
{
    controller->proxyModel()->sortRows(QStringLiteral("name"), Qt::AscendingOrder);
}

void Global::createControllers()
{
    // The placeholder rows (id 1) stand for "any": the lists sort them first.
    const QString allGroups = Gui::Utils::bracketed(tr("All groups"));
    const QString allTypes = Gui::Utils::bracketed(tr("All types"));
    createShared(m_company);
    sortByName(createShared(m_city, QVariantMap{{"id", "1"}, {"name", Gui::Utils::bracketed(tr("All cities"))}}));
    createShared(m_companyBalanceGroup, QVariantMap{{"id", "1"}, {"name", allGroups}});
    createShared(m_companyBalanceType, QVariantMap{{"id", "1"}, {"rst_id_bg", "1"}, {"name", allTypes}});
    sortByName(createShared(m_driverBalanceGroup, QVariantMap{{"id", "1"}, {"name", allGroups}}));
    createShared(m_driverBalanceType,
                 QVariantMap{{"id", "1"}, {"rst_id_bg", "1"}, {"code", "aaaa"}, {"name_string", allTypes}});
    createShared(m_notification);
    createShared(m_notificationType);
    createShared(m_carBrands);
    createShared(m_carBodyTypes);
    createShared(m_carColors);
    createShared(m_driver);
    // Every driver fetched one by one lands in the shared list too (only accepted answers); a copy
    // made here reloads it as every loaded list does.
    connect(m_driver, &Client::Controller::ItemController::saInfo, m_driver, &Driver::upsertInfoRow);
    connect(m_driver, &Client::Controller::Driver::saArchive, m_driver, &Driver::followArchive);
    sortByName(createShared(m_driverGroup, QVariantMap{{"id", "1"}, {"name", allGroups}}));
    createShared(m_driverPaidServiceType, QVariantMap{{"id", "1"}, {"rst_id_bt", "1"}, {"name", allTypes}});
}

void Global::loadControllers(int stage, const QVariantMap &)
{
    // Once per run: after a reconnection every loaded list asks itself for what it missed.
    if (stage != 0)
        return;
    m_driver->trGetList({{QStringLiteral("is_archived"), 0}}, true);
    // The reloads that pushes start ask for every driver changed since, archived ones too, so
    // that a driver archived elsewhere takes its flag here and leaves the tables.
    QVariantMap reloads = m_driver->getMapParamsFromTrGetList();
    reloads.remove(QStringLiteral("is_archived"));
    m_driver->setTrGetListParams(reloads);
    m_company->trGetList({}, true);
    m_driverGroup->trGetList({}, true);
    m_driverBalanceGroup->trGetList({}, true);
    m_driverBalanceType->trGetList({}, true);
    m_driverPaidServiceType->trGetList({}, true);
    m_carBrands->trGetList({}, true);
    m_carBodyTypes->trGetList({}, true);
    m_carColors->trGetList({}, true);
    m_city->trGetList({}, true);
    m_notification->trGetList({{QStringLiteral("rst_id_owner"), ownerId()}}, true);
    m_notificationType->trGetList({}, true);
    m_companyBalanceGroup->trGetList({}, true);
    m_companyBalanceType->trGetList({}, true);
}
