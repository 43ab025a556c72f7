#pragma once

#include "optionvaluecontroller.h"

namespace Client::Controller {

// The users' own option values ("uso"); the process-wide instance holds the signed-in user's
// values that every right check reads, editor pages hold any user's.
class UserSecurityOption : public OptionValueController
{
    Q_OBJECT

public:
    explicit UserSecurityOption(QQuickItem *parent = nullptr);
    ~UserSecurityOption() override;

    QString name() const override;

protected:
    QString ownerColumn() const override;
    QString ownValue() const override;
};

} // namespace Client::Controller
