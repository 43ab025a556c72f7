#include "user.h"

#include "controller/ownanswer.h"

User::User(QQuickItem *parent)
    : Client::Controller::User(parent)
{
}

User::~User() = default;

void User::trChangePwd(const QVariantMap &mapParams)
{
    sendNetDto(QStringLiteral("trChangePwd"), mapParams);
}

bool User::handleMessage(const QString &action, const QVariantMap &params)
{
    if (Client::Controller::User::handleMessage(action, params))
        return true;
    return emitOwnAnswer(this, action, params, {{QLatin1String("saChangePwd"), &User::saChangePwd}});
}
