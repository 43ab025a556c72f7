#pragma once

#include "desktopcontroller.h"

namespace Client::Controller {

// Base of the application's notification controller: adds the batch removal and counts the
// unread notifications of its rows. The subclass gives the protocol name and the rows.
class Notification : public DesktopController
{
    Q_OBJECT
    Q_PROPERTY(int unreadCount READ unreadCount NOTIFY unreadCountChanged)

public:
    explicit Notification(QQuickItem *parent = nullptr);
    ~Notification() override;

    QString name() const override;
    bool handleMessage(const QString &action, const QVariantMap &params) override;
    int unreadCount() const { return m_unreadCount; }

    Q_INVOKABLE void trBatchRemove(const QVariantMap &mapParams);

public slots:
    // Counts the rows whose "is_readed" is "0".
    void updateUnreadCounter();

signals:
    void saBatchRemove(QVariantMap mapParams);
    void unreadCountChanged(int unreadCount);

private:
    int m_unreadCount = 0;
};

} // namespace Client::Controller
