#pragma once

#include "desktopcontroller.h"

namespace Client::Controller {

// Base of the application's driver controllers ("driver"): adds the archive request. The rows
// come with the subclass, which sets the model.
class Driver : public DesktopController
{
    Q_OBJECT

public:
    explicit Driver(QQuickItem *parent = nullptr);
    ~Driver() override;

    QString name() const override;
    bool handleMessage(const QString &action, const QVariantMap &params) override;

    Q_INVOKABLE void trArchive(const QVariantMap &mapParams);

signals:
    void saArchive(QVariantMap mapParams);
};

} // namespace Client::Controller
