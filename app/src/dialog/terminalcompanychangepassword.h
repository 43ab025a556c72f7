#pragma once

#include "controllerchangepassword.h"

// A terminal company's new password, set without the old one, through a controller of its own.
class TerminalCompanyChangePassword : public ControllerChangePassword
{
    Q_OBJECT

public:
    explicit TerminalCompanyChangePassword(qint64 terminalCompanyId, QWidget *parent = nullptr);
    ~TerminalCompanyChangePassword() override;
};
