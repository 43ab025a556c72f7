#pragma once

#include "common/net/abstractcontroller.h"

#include <QJsonObject>
#include <QQuickItem>
#include <QVariantMap>

namespace Client::Controller {

// Base of the controllers that QML pages declare: a Quick item with a process-wide number and a
// protocol name, registered with the client network to receive the messages of its name.
class ItemController : public QQuickItem, public Common::AbstractController
{
    Q_OBJECT
    Q_PROPERTY(QString objectNumber READ objectNumber CONSTANT)
    Q_PROPERTY(QString name READ name CONSTANT)

public:
    explicit ItemController(QQuickItem *parent = nullptr);
    ~ItemController() override;

    bool handleMessage(const QString &action, const QVariantMap &params) override;

    // Rewrites fields of every received message before anybody sees it.
    virtual void prepareRow(QVariantMap &row);

signals:
    void messageReceived(QString actionName, QVariantMap mapParams);
    void messageReceived(QJsonObject message);

private slots:
    void onMessageReceived(QString actionName, QVariantMap mapParams);
    void onMessageReceived(QJsonObject message);
};

} // namespace Client::Controller
