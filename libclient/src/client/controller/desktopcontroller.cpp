#include "desktopcontroller.h"

#include "client/net/apinetwork.h"

#include "recordfinder.h"
#include "usersession.h"

#include "security/securityoption.h"
#include "security/usergroupsecurityoption.h"
#include "security/usersecurityoption.h"

#include "common/core/singleton/spsingleton.h"

#include <QDateTime>

#include <utility>

namespace Client::Controller {

namespace {

const QString ResKey = QStringLiteral("RES");
const QString ErrCodeKey = QStringLiteral("ERRCODE");
const QString IdKey = QStringLiteral("id");
const QString LockKey = QStringLiteral("rst_id_user_locked");
const QString KeepRowsKey = QStringLiteral("_do_not_clear_model");

bool isSuccess(const QVariantMap &params)
{
    return params.value(ResKey).toString() == QLatin1String("10");
}

// A list answer that is neither its start nor its end: a refusal.
bool isListRefusal(const QVariantMap &params)
{
    const QString result = params.value(ResKey).toString();
    if (!result.isEmpty())
        return result != QLatin1String("10");
    const QString state = params.value(QStringLiteral("STATE")).toString();
    return state != QLatin1String("start") && state != QLatin1String("end");
}

bool isFailure(const QVariantMap &params, const char *errorCode)
{
    return params.value(ResKey).toString() == QLatin1String("0")
        && params.value(ErrCodeKey).toString() == QLatin1String(errorCode);
}

} // namespace

DesktopController::DesktopController(QQuickItem *parent)
    : ItemController(parent)
{
    m_autoUpdateTimer.setInterval(m_autoUpdateInterval * 1000);
    connect(&m_autoUpdateTimer, &QTimer::timeout, this, &DesktopController::onAutoUpdateTimerTimeout);
}

DesktopController::~DesktopController() = default;

bool DesktopController::hasReadRight() const
{
    return SecurityOption::effectiveValue4CurrentUser(
               name() + QStringLiteral(".crud.read"),
               SpSingleton<UserGroupSecurityOption>::instance()->originalModel(),
               SpSingleton<UserSecurityOption>::instance()->originalModel())
        == QLatin1String("1");
}

bool DesktopController::trGetList(const QVariantMap &params, bool check_so)
{
    if (!useTrGetList())
        return false;
    if (!check_so && !hasReadRight())
        return false;
    if (!sendListRequest(params))
        return false;
    if (!params.contains(KeepRowsKey)) {
        // Without a connection the request goes nowhere.
        m_wholeListAsked = !SpSingleton<UserSession>::instance()->isOffline();
        // The rows held answer other parameters, or are all sent again.
        if (!isStaticModel())
            m_completeUpTo.reset();
    }
    followConnection();
    return true;
}

void DesktopController::trNew(const QVariantMap &params)
{
    sendEdit(QStringLiteral("trNew"), params);
}

void DesktopController::trUpdate(const QVariantMap &params)
{
    sendEdit(QStringLiteral("trUpdate"), params);
}

void DesktopController::trRemove(const QVariantMap &params)
{
    sendEdit(QStringLiteral("trRemove"), params);
}

void DesktopController::trDuplicate(const QVariantMap &params)
{
    sendEdit(QStringLiteral("trDuplicate"), params);
}

void DesktopController::sendEdit(const QString &action, const QVariantMap &params)
{
    followConnection();
    m_unansweredEdit = {{QStringLiteral("action"), action},
                        {QStringLiteral("params"), params},
                        {QStringLiteral("sentAt"), QDateTime::currentMSecsSinceEpoch()}};
    const OriginalModel *rows = originalModel();
    const Client::ApiNetwork *net = Client::ApiNetwork::current();
    const qint64 delivered = net ? net->newestStamp() : 0;
    const qint64 newest = qMax(rows ? rows->maxDtUtcLastUpdate() : 0, delivered);
    if (newest > 0) {
        // The list's rows and a search's records came through the network alike.
        const QStringList held = delivered == newest ? net->newestIds(name()) : QStringList();
        m_unansweredEdit.insert(QStringLiteral("seenStamp"), newest);
        m_unansweredEdit.insert(QStringLiteral("seenIds"), QVariant(held).toList());
    }
    sendNetDto(action, params);
}

qint64 DesktopController::newestStampSeen()
{
    const Client::ApiNetwork *net = Client::ApiNetwork::current();
    return net ? net->newestStamp() : 0;
}

void DesktopController::takeEditAnswer(const QString &action, const QVariantMap &params)
{
    if (isOwnAnswer(params) && m_unansweredEdit.value(QStringLiteral("action")).toString().mid(2) == action.mid(2))
        m_unansweredEdit.clear();
}

RecordFinder *DesktopController::finder()
{
    if (!m_finder) {
        m_finder = std::make_unique<RecordFinder>(this);
        connect(m_finder.get(), &RecordFinder::found, this, &DesktopController::recordsFound);
    }
    return m_finder.get();
}

void DesktopController::findRecords(const QVariantMap &params)
{
    finder()->find(params);
}

void DesktopController::readRecord(const QVariantMap &params)
{
    finder()->read(params);
}

void DesktopController::noteInsertPush(const QVariantMap &params)
{
    if (m_unansweredEdit.isEmpty())
        return;
    const QString announcedKey = QStringLiteral("announced");
    QVariantMap announced = m_unansweredEdit.value(announcedKey).toMap();
    announced.insert(params.value(IdKey).toString(), params.value(QStringLiteral("id_owner_modify")).toString());
    m_unansweredEdit.insert(announcedKey, announced);
}

void DesktopController::trLock(const QVariantMap &params)
{
    sendNetDto(QStringLiteral("trLock"), params);
}

void DesktopController::trUnlock(const QVariantMap &params)
{
    sendNetDto(QStringLiteral("trUnlock"), params);
}

void DesktopController::insertParam4trGetList(const QString &key, const QVariant &value)
{
    QVariantMap params = getMapParamsFromTrGetList();
    params.insert(key, value);
    setTrGetListParams(params);
}

bool DesktopController::handleMessage(const QString &action, const QVariantMap &params)
{
    if (ItemController::handleMessage(action, params))
        return true;
    takeEditAnswer(action, params);
    if (action == QLatin1String("saLock")) {
        onSaLock(params);
    } else if (action == QLatin1String("saUnlock")) {
        onSaUnlock(params);
    } else if (action == QLatin1String("saUpdate")) {
        // The record no longer exists.
        if (isFailure(params, "130"))
            removeRecordRow(params.value(IdKey));
        onSaUpdate(params);
    } else if (action == QLatin1String("saNew")) {
        onSaNew(params);
    } else if (action == QLatin1String("saRemove")) {
        if (isSuccess(params) || isFailure(params, "110")) {
            const int row = originalModel() ? originalModel()->checkValueByRole(IdKey, params.value(IdKey)) : -1;
            emit beginRemove(row);
            if (originalModel())
                originalModel()->removeRow(row);
        }
        onSaRemove(params);
    } else if (action == QLatin1String("saDuplicate")) {
        // A copy made by any page of this program reaches the loaded list at once, without
        // waiting for a push, and only as far as the list's own parameters let it in.
        if (isSuccess(params))
            reloadChanges();
        onSaDuplicate(params);
    } else if (action == QLatin1String("srUpdated")) {
        onPush(params, ignoreSrUpdated(), &DesktopController::srUpdated);
    } else if (action == QLatin1String("srInserted")) {
        noteInsertPush(params);
        onPush(params, ignoreSrInserted(), &DesktopController::srInserted);
    } else {
        return false;
    }
    return true;
}

void DesktopController::onSaGetList(const QVariantMap &mapParams)
{
    if (isOwnAnswer(mapParams)) {
        // While held the timer sends nothing: a success here answers a list asked otherwise.
        if (isListRefusal(mapParams))
            m_autoUpdateHeld = true;
        else if (mapParams.value(QStringLiteral("STATE")).toString() == QLatin1String("end"))
            m_autoUpdateHeld = false;
        followListAnswer(mapParams);
    }
    ItemController::onSaGetList(mapParams);
}

void DesktopController::followListAnswer(const QVariantMap &mapParams)
{
    const bool refused = isListRefusal(mapParams);
    m_answerOpen = !refused && mapParams.value(QStringLiteral("STATE")).toString() == QLatin1String("start");
    OriginalModel *rows = originalModel();
    if (m_answerOpen || !rows)
        return;
    if (!refused)
        m_completeUpTo = rows->maxDtUtcLastUpdate();
    // Complete, or refused: either way nothing more is on its way.
    rows->setIncomplete(false);
}

void DesktopController::applyLockAnswer(const QVariantMap &mapParams, const QVariant &lockHolder)
{
    // A refused lock or unlock leaves the lock column as it is.
    if (originalModel() && isSuccess(mapParams))
        originalModel()->updateValue(mapParams.value(IdKey).toString(), LockKey, lockHolder, true);
}

void DesktopController::onSaLock(const QVariantMap &mapParams)
{
    applyLockAnswer(mapParams, mapParams.value(LockKey).toString());
    if (!isOtherRecord(mapParams))
        emit saLock(mapParams);
}

void DesktopController::onSaUnlock(const QVariantMap &mapParams)
{
    applyLockAnswer(mapParams, QStringLiteral("1"));
    if (!isOtherRecord(mapParams))
        emit saUnlock(mapParams);
}

void DesktopController::onSaNew(const QVariantMap &mapParams)
{
    emit saNew(mapParams);
}

void DesktopController::onSaUpdate(const QVariantMap &mapParams)
{
    if (!isOtherRecord(mapParams))
        emit saUpdate(mapParams);
}

void DesktopController::onSaRemove(const QVariantMap &mapParams)
{
    if (!isOtherRecord(mapParams))
        emit saRemove(mapParams);
}

void DesktopController::onSaDuplicate(const QVariantMap &mapParams)
{
    emit saDuplicate(mapParams);
}

QVariantMap DesktopController::incrementalParams() const
{
    QVariantMap params = getMapParamsFromTrGetList();
    // The newest time held plus one: the property that pages read already holds the +1.
    params.insert(QStringLiteral("dt_utc_last_update"),
                  QVariant::fromValue<qint64>(originalModel()->maxDtUtcLastUpdate() + 1));
    params.insert(KeepRowsKey, QStringLiteral("1"));
    return params;
}

void DesktopController::onPush(const QVariantMap &params, bool ignored,
                               void (DesktopController::*signal)(QVariantMap))
{
    if (ignored)
        return;
    if (useTrGetList() && originalModel())
        trGetList(incrementalParams(), false);
    if (signal != &DesktopController::srUpdated || !isOtherRecord(params))
        emit(this->*signal)(params);
}

bool DesktopController::reloadChanges()
{
    return !ignoreSrInserted() && useTrGetList() && originalModel() && trGetList(incrementalParams(), false);
}

// The pushes sent while the connection was lost never come: a list that follows them asks for
// what changed meanwhile (an own save whose answer was lost among it), and an edit that waits
// notes when they ended.
void DesktopController::followConnection()
{
    if (m_followsConnection)
        return;
    m_followsConnection = true;
    UserSession *session = SpSingleton<UserSession>::instance();
    if (session == this)
        return;
    connect(session, &UserSession::isOfflineChanged, this,
            [this, session](bool offline) { onConnectionLost(offline, session->aliveUntil()); });
    connect(session, &UserSession::saOpen, this, &DesktopController::onSessionOpened);
}

void DesktopController::onConnectionLost(bool offline, qint64 aliveUntil)
{
    if (!offline)
        return;
    // Pushes came up to the last message received, not up to the loss, which may be noticed long
    // after the connection died.
    const QString aliveKey = QStringLiteral("aliveUntil");
    if (!m_unansweredEdit.isEmpty() && !m_unansweredEdit.contains(aliveKey) && aliveUntil > 0)
        m_unansweredEdit.insert(aliveKey, aliveUntil);
    m_wholeListAsked = false;
    // The answer's end will never come: the list lacks rows until they are asked for again.
    if (m_answerOpen && originalModel())
        originalModel()->setIncomplete(true);
}

void DesktopController::onSessionOpened(const QVariantMap &params)
{
    const QString result = params.value(ResKey).toString();
    if (result != QLatin1String("10") && result != QLatin1String("20"))
        return;
    OriginalModel *rows = originalModel();
    const bool cut = std::exchange(m_answerOpen, false);
    if (!rows)
        return;
    // A list of every row asked for since then brings what was missed.
    bool asked = m_wholeListAsked;
    if (!asked && !ignoreSrInserted() && useTrGetList()) {
        if (m_completeUpTo) {
            // The rows of a cut answer may be newer than rows it never delivered.
            rows->setMaxDtUtcLastUpdate(qMin(*m_completeUpTo, rows->maxDtUtcLastUpdate()));
            asked = reloadChanges();
        } else {
            asked = reGetList();
        }
    }
    // The list's page says it is loading until the answer's end.
    if (cut)
        rows->setIncomplete(asked);
}

void DesktopController::onAutoUpdateTimerTimeout()
{
    if (!originalModel() || m_autoUpdateHeld)
        return;
    const bool used = useTrGetList();
    setUseTrGetList(true);
    // The timer reloads even where pages send no list request themselves, but never past the
    // read right.
    trGetList(incrementalParams(), false);
    setUseTrGetList(used);
}

void DesktopController::setAutoUpdate(bool autoUpdate)
{
    if (m_autoUpdate == autoUpdate)
        return;
    m_autoUpdate = autoUpdate;
    if (autoUpdate)
        m_autoUpdateTimer.start(m_autoUpdateInterval * 1000);
    else
        m_autoUpdateTimer.stop();
    emit autoUpdateChanged(autoUpdate);
}

void DesktopController::setAutoUpdateInterval(int autoUpdateInterval)
{
    // Below a second the timer would flood the server with requests.
    autoUpdateInterval = qMax(1, autoUpdateInterval);
    if (m_autoUpdateInterval == autoUpdateInterval)
        return;
    m_autoUpdateInterval = autoUpdateInterval;
    m_autoUpdateTimer.setInterval(autoUpdateInterval * 1000);
    emit autoUpdateIntervalChanged(autoUpdateInterval);
}

void DesktopController::onCurrentIdChanged(QString currentId)
{
    emit currentIdChanged(currentId);
}

} // namespace Client::Controller
