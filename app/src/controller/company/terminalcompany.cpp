#include "terminalcompany.h"

#include "controller/ownanswer.h"

TerminalCompany::TerminalCompany(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

TerminalCompany::~TerminalCompany() = default;

QString TerminalCompany::name() const
{
    return QStringLiteral("terminalCmp");
}

void TerminalCompany::trChangePwd(const QVariantMap &mapParams)
{
    sendNetDto(QStringLiteral("trChangePwd"), mapParams);
}

bool TerminalCompany::handleMessage(const QString &action, const QVariantMap &params)
{
    if (DesktopController::handleMessage(action, params))
        return true;
    return emitOwnAnswer(this, action, params, {{QLatin1String("saChangePwd"), &TerminalCompany::saChangePwd}});
}
