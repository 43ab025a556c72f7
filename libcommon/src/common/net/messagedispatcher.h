#pragma once

#include <QJsonObject>
#include <QObject>
#include <QVariantMap>

namespace Common {

// Receives every decoded message from the network and routes it by controller name and action.
// The application's dispatcher overrides the two dispatch operations.
class MessageDispatcher : public QObject
{
    Q_OBJECT

public:
    explicit MessageDispatcher(QObject *parent = nullptr);
    ~MessageDispatcher() override;

    virtual void dispatch(const QJsonObject &message);
    virtual void dispatch(const QString &controller, const QString &method, const QVariantMap &params);

public slots:
    void onMessageReceived(QVariantMap mapParams);
    void onMessageReceived(QJsonObject message);
};

} // namespace Common
