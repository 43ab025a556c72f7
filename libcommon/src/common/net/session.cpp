#include "session.h"

#include "abstractcontroller.h"
#include "apinetwork.h"
#include "common/core/componentversion.h"

#include <QDateTime>
#include <QSysInfo>

namespace Common {

Session::Session(const QString &controllerName)
    : m_controllerName(controllerName)
{
}

Session::~Session() = default;

qint64 Session::currentMSecsSinceEpoch() const
{
    if (!m_elapsedTimer.isValid())
        return QDateTime::currentMSecsSinceEpoch();
    return m_utc_dt + m_elapsedTimer.elapsed();
}

void Session::onSaOpen(const QVariantMap &params)
{
    const QString key = params.contains(QStringLiteral("RES")) ? QStringLiteral("RES") : QStringLiteral("resCode");
    bool ok = false;
    uint code = params.value(key).toUInt(&ok);
    if (!ok)
        code = 0;
    if (code == 0) {
        if (ApiNetwork *net = AbstractController::network())
            emit net->closeConnection();
        return;
    }
    if (code == 10)
        m_elapsedTimer.start();
    else if (code == 20)
        m_elapsedTimer.restart();
    else
        return;
    m_id = params.value(QStringLiteral("id")).toString();
    m_rst_id_group = params.value(QStringLiteral("rst_id_group")).toString();
    m_rst_id_owner = params.value(QStringLiteral("rst_id_owner")).toString();
    m_sign = params.value(QStringLiteral("sign")).toString();
    m_utc_offset = params.value(QStringLiteral("utc_offset")).toString();
    m_utc_dt = params.value(QStringLiteral("utc_dt")).toLongLong();
    m_sys_utc_offset = params.value(QStringLiteral("sys_utc_offset")).toLongLong();
}

void Session::onSaPing(const QVariantMap &)
{
    if (ApiNetwork *net = AbstractController::network())
        emit net->stopgPongTimer();
}

void Session::onSrClosed(const QVariantMap &)
{
    if (ApiNetwork *net = AbstractController::network())
        emit net->closeConnection();
}

NetDTO Session::trOpen() const
{
    NetDTO record;
    record.insert(QStringLiteral("FN"), QStringLiteral("%1_trOpen").arg(m_controllerName));
    record.insert(QStringLiteral("version"), componentVersion(0).toString());
    record.insert(QStringLiteral("os"), QSysInfo::prettyProductName());
    record.insert(QStringLiteral("build_abi"), QSysInfo::buildAbi());
    return record;
}

void Session::trClose(const QVariantMap &params)
{
    ApiNetwork *net = AbstractController::network();
    if (!net)
        return;
    NetDTO record(params);
    if (net->jsonMode()) {
        record.insert(QStringLiteral("controller"), m_controllerName);
        record.insert(QStringLiteral("method"), QStringLiteral("close"));
        emit net->sendMessage(record.toJson());
    } else {
        record.insert(QStringLiteral("FN"), QStringLiteral("%1_trClose").arg(m_controllerName));
        emit net->sendMessage(record);
    }
    if (!params.contains(QStringLiteral("rst_id_owner")))
        emit net->closeConnection();
}

} // namespace Common
