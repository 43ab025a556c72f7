#include "terminalcompanychangepassword.h"

#include "controller/company/terminalcompany.h"

TerminalCompanyChangePassword::TerminalCompanyChangePassword(qint64 terminalCompanyId, QWidget *parent)
    : ControllerChangePassword(terminalCompanyId, parent)
{
    setController(std::make_unique<TerminalCompany>());
    hideOldPassword();
}

TerminalCompanyChangePassword::~TerminalCompanyChangePassword() = default;
