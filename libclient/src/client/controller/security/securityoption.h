#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// The security options ("so"): one class-wide list of every option of the platform, and the
// rule that turns the option rows of the signed-in user and group into an effective value.
class SecurityOption : public DesktopController
{
    Q_OBJECT

public:
    explicit SecurityOption(QQuickItem *parent = nullptr);
    ~SecurityOption() override;

    QString name() const override;

    // The value of the option so_code for the signed-in user: the user's own value when it is in
    // use, else the user group's; empty when the option or both values are missing. Any instance
    // answers the same: it reads the class-wide option list.
    Q_INVOKABLE static QString effectiveValue4CurrentUser(const QString &so_code,
                                                          Client::Controller::OriginalModel *ugso_model,
                                                          Client::Controller::OriginalModel *uso_model);
    Q_INVOKABLE void noWarningMSVC2013();
};

} // namespace Client::Controller
