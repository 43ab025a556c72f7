#include "usersession.h"

#include "common/net/apinetwork.h"
#include "model/base/session/usersession.h"

#include <QDebug>

namespace Client::Controller {

UserSession::UserSession(QQuickItem *parent)
    : DesktopController(parent)
    , Common::Session(QStringLiteral("userSession"))
{
    useOwnModel<Model::Base::UserSession>();
    if (Common::ApiNetwork *net = network()) {
        // The loss's report comes first, with the time the server was last heard from.
        connect(net, &Common::Network::connectionLost, this, [this](qint64 lastReceivedAt) {
            if (!m_offline)
                m_aliveUntil = lastReceivedAt;
        });
        connect(net, &Common::Network::connectionState, this, [this](bool connected) {
            if (!connected)
                setOffline(true);
        });
    }
}

UserSession::~UserSession() = default;

QString UserSession::name() const
{
    return QStringLiteral("userSession");
}

void UserSession::trOpen()
{
    if (Common::ApiNetwork *net = network()) {
        m_openSent.start();
        emit net->sendMessage(Common::Session::trOpen());
    }
}

void UserSession::trPing()
{
    // One ping record for every instance, built once whichever thread pings first.
    static const NetDTO ping = [] {
        NetDTO record;
        record.insert(QStringLiteral("FN"), QStringLiteral("%1_trPing").arg(QStringLiteral("userSession")));
        return record;
    }();
    if (Common::ApiNetwork *net = network())
        emit net->sendMessage(ping);
}

bool UserSession::trClose(const QVariantMap &mapParams)
{
    const QString owner = QStringLiteral("rst_id_owner");
    if (!mapParams.contains(owner)) {
        Common::Session::trClose(mapParams);
        return true;
    }
    if (mapParams.value(owner).toString().isEmpty()) {
        qWarning() << "userSession: trClose with an empty rst_id_owner; nothing sent";
        return false;
    }
    sendNetDto(QStringLiteral("trClose"), mapParams);
    return true;
}

void UserSession::setOffline(bool offline)
{
    if (m_offline == offline)
        return;
    m_offline = offline;
    if (!offline)
        m_aliveUntil = 0;
    emit isOfflineChanged(offline);
}

qlonglong UserSession::currentMSecsSinceEpoch() const
{
    return Common::Session::currentMSecsSinceEpoch();
}

bool UserSession::handleMessage(const QString &action, const QVariantMap &params)
{
    if (DesktopController::handleMessage(action, params))
        return true;
    if (action == QLatin1String("saPing")) {
        onSaPing(params);
        return true;
    }
    if (action == QLatin1String("saOpen")) {
        onSaOpen(params);
        const QString code = params.value(QStringLiteral("RES")).toString();
        if (code == QLatin1String("10") || code == QLatin1String("20") || code == QLatin1String("50")) {
            if (code != QLatin1String("50")) {
                m_clockUncertainty = m_openSent.isValid() ? m_openSent.elapsed() : 0;
                m_openSent.invalidate();
                setOffline(false);
            }
            emit sessionChanged();
            emit saOpen(params);
            return true;
        }
        return false;
    }
    if (action == QLatin1String("srClosed")) {
        onSrClosed(params);
        emit srClosed(params);
        return true;
    }
    if (action == QLatin1String("saClose")) {
        emit saClose(params);
        return true;
    }
    return false;
}

void UserSession::prepareRow(QVariantMap &row)
{
    static const char *const reasons[] = {
        QT_TR_NOOP("not closed"),
        QT_TR_NOOP("client watchdog"),
        QT_TR_NOOP("server watchdog"),
        QT_TR_NOOP("closed by the user"),
        QT_TR_NOOP("closed by other user"),
        QT_TR_NOOP("close by server midnight handler"),
        QT_TR_NOOP("hard closed"),
    };
    const QString typeClose = row.value(QStringLiteral("type_close")).toString();
    row.insert(QStringLiteral("type_close"), typeClose);
    bool ok = false;
    const int index = typeClose.toInt(&ok);
    QString text = typeClose + QLatin1String(". ");
    if (ok && index >= 0 && index < int(std::size(reasons)))
        text += tr(reasons[index]);
    row.insert(QStringLiteral("type_close_string"), text);
}

} // namespace Client::Controller
