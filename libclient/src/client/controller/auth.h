#pragma once

#include "itemcontroller.h"

namespace Client::Controller {

// Sends the sign-in request and turns its answer into saAuth() or saFailed().
class Auth : public ItemController
{
    Q_OBJECT

public:
    explicit Auth(QQuickItem *parent = nullptr);
    ~Auth() override;

    QString name() const override;
    bool handleMessage(const QString &action, const QVariantMap &params) override;

public slots:
    void trAuth();

signals:
    void saFailed(QVariantMap mapParams);
    void saAuth();
};

} // namespace Client::Controller
