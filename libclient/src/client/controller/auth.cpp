#include "auth.h"

#include "common/net/apinetwork.h"

namespace Client::Controller {

Auth::Auth(QQuickItem *parent)
    : ItemController(parent)
{
}

Auth::~Auth() = default;

QString Auth::name() const
{
    return QStringLiteral("auth");
}

void Auth::trAuth()
{
    Common::ApiNetwork *net = network();
    if (!net)
        return;
    if (useJson()) {
        sendRequest(QStringLiteral("auth"),
                    QJsonObject{{QStringLiteral("sign"), net->sign()}, {QStringLiteral("sid"), net->pwd()}}, {});
        return;
    }
    NetDTO record;
    record.insert(QStringLiteral("FN"), QStringLiteral("%1_trAuth").arg(name()));
    record.insert(QStringLiteral("SID"), net->pwd());
    emit net->sendMessage(record);
}

bool Auth::handleMessage(const QString &action, const QVariantMap &params)
{
    if (action == QLatin1String("saAuth") || action == QLatin1String("auth")) {
        if (params.value(QStringLiteral("RES")) == QVariant(10))
            emit saAuth();
        else
            emit saFailed(params);
        return true;
    }
    if (action == QLatin1String("saFailed")) {
        emit saFailed(params);
        return true;
    }
    return false;
}

} // namespace Client::Controller
