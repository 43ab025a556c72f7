#pragma once

#include "desktopcontroller.h"

namespace Client::Controller {

// The report requests of the report frames ("report"); it holds no rows.
class Report : public DesktopController
{
    Q_OBJECT

public:
    explicit Report(QQuickItem *parent = nullptr);
    ~Report() override;

    QString name() const override;
    bool handleMessage(const QString &action, const QVariantMap &params) override;

    Q_INVOKABLE void trCreate(const QVariantMap &mapParams);

signals:
    void saCreate(QVariantMap mapParams);
};

} // namespace Client::Controller
