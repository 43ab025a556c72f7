#include "driver.h"

#include "controller/ownanswer.h"

Driver::Driver(QQuickItem *parent)
    : ClassWideController(parent)
{
}

Driver::~Driver() = default;

void Driver::prepareRow(QVariantMap &row)
{
    setStatusString(row);
}

void Driver::trChangePwd(const QVariantMap &mapParams)
{
    sendNetDto(QStringLiteral("trChangePwd"), mapParams);
}

void Driver::trApprove(const QVariantMap &mapParams)
{
    sendNetDto(QStringLiteral("trApprove"), mapParams);
}

void Driver::trGetBrandDrivers(const QVariantMap &mapParams)
{
    sendNetDto(QStringLiteral("trGetBrandDrivers"), mapParams);
}

void Driver::trRemoveRecommender(const QVariantMap &mapParams)
{
    sendNetDto(QStringLiteral("trRemoveRecommender"), mapParams);
}

bool Driver::handleMessage(const QString &action, const QVariantMap &params)
{
    if (Client::Controller::Driver::handleMessage(action, params))
        return true;
    return emitOwnAnswer(this, action, params,
                         {{QLatin1String("saChangePwd"), &Driver::saChangePwd},
                          {QLatin1String("saApprove"), &Driver::saApprove},
                          {QLatin1String("saApprovePhotos"), &Driver::saApprovePhotos},
                          {QLatin1String("saGetBrandDrivers"), &Driver::saGetBrandDrivers},
                          {QLatin1String("saRemoveRecommender"), &Driver::saRemoveRecommender}});
}

void Driver::upsertInfoRow(const QVariantMap &mapParams)
{
    if (mapParams.value(QStringLiteral("RES")).toString() != QLatin1String("10"))
        return;
    if (mapParams.value(QStringLiteral("id")).toString().isEmpty())
        return;
    originalModel()->addRow(mapParams);
}

void Driver::followArchive(const QVariantMap &mapParams)
{
    if (mapParams.value(QStringLiteral("RES")).toString() != QLatin1String("10"))
        return;
    const QString id = mapParams.value(QStringLiteral("id")).toString();
    const QVariant archived = mapParams.value(QStringLiteral("is_archived"));
    if (id.isEmpty())
        return;
    if (archived.isValid() && originalModel()->findId(id) >= 0)
        originalModel()->updateValue(id, QStringLiteral("is_archived"), archived.toString(), true);
    else
        trInfo({{QStringLiteral("id"), id}});
}
