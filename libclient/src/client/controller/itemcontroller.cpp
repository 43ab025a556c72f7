#include "itemcontroller.h"

#include "client/net/apinetwork.h"
#include "model/base/abstractmodel.h"

#include <QElapsedTimer>
#include <QJsonArray>

namespace Client::Controller {

namespace {

const QString ReceiverKey = QStringLiteral("RECEIVER");
const QString StateKey = QStringLiteral("STATE");

bool metricsEnabled()
{
    return qEnvironmentVariable("metrics", QStringLiteral("0")) == QLatin1String("1");
}

QJsonObject preparedJson(ItemController *controller, const QJsonObject &object)
{
    QVariantMap row = object.toVariantMap();
    controller->prepareRow(row);
    return QJsonObject::fromVariantMap(row);
}

} // namespace

ItemController::ItemController(QQuickItem *parent)
    : QQuickItem(parent)
{
    connect(this, qOverload<QString, QVariantMap>(&ItemController::messageReceived), this,
            qOverload<QString, QVariantMap>(&ItemController::onMessageReceived));
    connect(this, qOverload<QJsonObject>(&ItemController::messageReceived), this,
            qOverload<QJsonObject>(&ItemController::onMessageReceived));
    m_registry = Client::ApiNetwork::current();
    if (m_registry)
        m_registry->registerController(this);
}

ItemController::~ItemController()
{
    // The registry this controller joined, even when the process-wide network has changed since.
    if (m_registry)
        m_registry->unregisterController(this);
}

int ItemController::rowLimit() const
{
    return m_originalModel ? int(m_originalModel->limit()) : 0;
}

void ItemController::setRowLimit(int rowLimit)
{
    if (!m_originalModel || m_originalModel->limit() == rowLimit)
        return;
    m_originalModel->setLimit(rowLimit);
    emit rowLimitChanged(rowLimit);
}

bool ItemController::isStaticModel() const
{
    return m_classWideModel;
}

void ItemController::setOriginalModel(OriginalModel *model)
{
    if (m_originalModel)
        disconnect(m_originalModel, &OriginalModel::dataAtLeastLoadedChanged, this,
                   &ItemController::dataAtLeastLoadedChanged);
    m_originalModel = model;
    if (m_originalModel)
        connect(m_originalModel, &OriginalModel::dataAtLeastLoadedChanged, this,
                &ItemController::dataAtLeastLoadedChanged);
}

void ItemController::setProxyModel(ProxyModel *proxy)
{
    if (proxy) {
        proxy->setOriginalModel(m_originalModel);
    } else if (m_proxyModel) {
        m_proxyModel->setSourceModel(nullptr);
    }
    m_proxyModel = proxy;
}

void ItemController::attachModels(OriginalModel *model)
{
    setOriginalModel(model);
    setProxyModel(new ProxyModel(this));
}

void ItemController::disableProxyModel()
{
    setProxyModel(nullptr);
}

bool ItemController::trGetList(const QVariantMap &params, bool)
{
    return sendListRequest(params);
}

bool ItemController::trGetList(const QVariantMap &params)
{
    return trGetList(params, false);
}

bool ItemController::trGetList()
{
    return trGetList(QVariantMap(), false);
}

bool ItemController::sendListRequest(const QVariantMap &params)
{
    if (!m_useTrGetList)
        return false;
    m_listParams = params;
    m_listParams.insert(QStringLiteral("query_limit"),
                        QVariant::fromValue<qint64>(m_originalModel ? m_originalModel->limit() : 0));
    sendNetDto(QStringLiteral("trGetList"), m_listParams);
    m_ignoreSrUpdated = false;
    m_ignoreSrInserted = false;
    return true;
}

void ItemController::trInfo(const QVariantMap &params)
{
    sendNetDto(QStringLiteral("trInfo"), params);
}

bool ItemController::reGetList()
{
    QVariantMap params = m_listParams;
    params.remove(QStringLiteral("_do_not_clear_model"));
    params.remove(QStringLiteral("dt_utc_last_update"));
    return trGetList(params, false);
}

void ItemController::clearParam4trGetList()
{
    m_listParams.clear();
}

void ItemController::setTrGetListParams(const QVariantMap &params)
{
    m_listParams = params;
}

QVariantMap ItemController::getMapParamsFromTrGetList() const
{
    return m_listParams;
}

void ItemController::pushTrGetListParams()
{
    m_savedListParams = m_listParams;
}

void ItemController::popTrGetListParams()
{
    m_listParams = m_savedListParams;
    m_savedListParams.clear();
}

QVariant ItemController::defaultFieldValue(const QString &field_name) const
{
    const Model::AbstractModel *catalogue = m_originalModel ? m_originalModel->baseModel().data() : nullptr;
    const Common::FieldDescriptor *field = catalogue ? catalogue->findField(field_name) : nullptr;
    return field ? field->defaultValue : QVariant();
}

bool ItemController::isOwnAnswer(const QVariantMap &params) const
{
    return params.value(ReceiverKey).toString() == objectNumber();
}

void ItemController::setRecordId(const QString &recordId)
{
    if (m_recordId == recordId)
        return;
    m_recordId = recordId;
    emit recordIdChanged();
}

bool ItemController::isOtherRecord(const QVariantMap &params) const
{
    return !m_recordId.isEmpty() && !isOwnAnswer(params) && params.value(QStringLiteral("id")).toString() != m_recordId;
}

void ItemController::keepAnswersPrivate()
{
    if (m_registry)
        m_registry->keepAnswersPrivate(this);
}

void ItemController::removeRecordRow(const QVariant &id)
{
    if (m_originalModel)
        m_originalModel->removeRow(m_originalModel->checkValueByRole(QStringLiteral("id"), id));
}

bool ItemController::handleMessage(const QString &action, const QVariantMap &params)
{
    if (action == QLatin1String("saListInfo")) {
        onSaListInfo(params);
        return true;
    }
    if (action == QLatin1String("saGetList")) {
        onSaGetList(params);
        return true;
    }
    if (action == QLatin1String("saInfo")) {
        // The record no longer exists.
        if (params.value(QStringLiteral("RES")).toString() == QLatin1String("0")
            && params.value(QStringLiteral("ERRCODE")).toString() == QLatin1String("110"))
            removeRecordRow(params.value(QStringLiteral("id")));
        onSaInfo(params);
        return true;
    }
    return false;
}

void ItemController::handleJsonMessage(const QJsonObject &)
{
}

void ItemController::onSaInfo(const QVariantMap &mapParams)
{
    if (!isOtherRecord(mapParams))
        emit saInfo(mapParams);
}

void ItemController::onSaGetList(const QVariantMap &mapParams)
{
    const QString state = mapParams.value(StateKey).toString();
    if (m_originalModel) {
        if (state == QLatin1String("start") && isOwnAnswer(mapParams)
            && !mapParams.contains(QStringLiteral("_do_not_clear_model")))
            startFullList();
        if (state == QLatin1String("end") && (isStaticModel() || isOwnAnswer(mapParams))) {
            m_originalModel->endFullList();
            if (m_proxyModel)
                m_proxyModel->sortRows();
            m_originalModel->setDataAtLeastLoaded(true);
        }
    }
    emit saGetList(mapParams);
}

void ItemController::startFullList()
{
    if (!isStaticModel()) {
        m_originalModel->clear();
        m_originalModel->beginFullList();
    } else if (!m_originalModel->dataAtLeastLoaded()) {
        // The first list of the shared rows: every view of them, this class's other instances'
        // too, waits for its end. Later full lists mostly update rows the views already show.
        m_originalModel->beginFullList();
    }
}

void ItemController::onSaListInfo(const QVariantMap &mapParams)
{
    emit saListInfo(mapParams);
}

void ItemController::prepareRow(QVariantMap &)
{
}

void ItemController::initFieldNames(QHash<QString, QString> &)
{
}

QString ItemController::fieldName(const QString &name)
{
    if (!m_fieldNamesFilled) {
        initFieldNames(m_fieldNames);
        m_fieldNamesFilled = true;
    }
    return m_fieldNames.value(name);
}

void ItemController::deliverMessage(const QString &actionName, QVariantMap mapParams)
{
    prepareRow(mapParams);
    const QVariantMap *outer = m_preparedMessage;
    m_preparedMessage = &mapParams;
    // A handler may destroy this controller.
    const QPointer<ItemController> self(this);
    emit messageReceived(actionName, mapParams);
    if (self)
        m_preparedMessage = outer;
}

void ItemController::onMessageReceived(QString actionName, QVariantMap mapParams)
{
    const bool metrics = metricsEnabled();
    QElapsedTimer timer;
    if (metrics)
        timer.start();
    // A message that deliverMessage prepared is not prepared twice; any other is, a message
    // emitted by a handler of the delivered one included.
    if (!m_preparedMessage || !mapParams.isSharedWith(*m_preparedMessage))
        prepareRow(mapParams);
    handleMessage(actionName, mapParams);
    if (metrics) {
        qInfo().noquote() << QStringLiteral("Metrics: %1: %2")
                                 .arg(QStringLiteral("Controller %1 action %2").arg(name(), actionName))
                                 .arg(timer.elapsed());
    }
}

void ItemController::onMessageReceived(QJsonObject message)
{
    const QJsonValue result = message.value(QStringLiteral("result"));
    if (result.isArray()) {
        QJsonArray rows;
        for (const QJsonValue &row : result.toArray())
            rows.append(preparedJson(this, row.toObject()));
        message.insert(QStringLiteral("result"), rows);
    } else if (result.isObject()) {
        message.insert(QStringLiteral("result"), preparedJson(this, result.toObject()));
    }
    const QString method = message.value(QStringLiteral("method")).toString();
    if (method == QLatin1String("getList")) {
        emit list(message);
    } else if (method == QLatin1String("info")) {
        if (message.contains(QStringLiteral("error"))
            && message.value(QStringLiteral("error")).toObject().value(QStringLiteral("code")).toVariant().toInt()
                   == 110) {
            const qint64 id = message.value(QStringLiteral("result")).toObject().value(QStringLiteral("id"))
                                  .toVariant().toLongLong();
            removeRecordRow(QString::number(id));
        }
        emit info(message);
    } else {
        handleJsonMessage(message);
    }
}

} // namespace Client::Controller
