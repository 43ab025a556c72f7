#pragma once

#include "client/controller/desktopcontroller.h"
#include "client/controller/notification.h"

// Desktop controllers over the platform's own catalogues, as the application declares them: the
// drivers a list page owns, the cities of an editor, and the class-wide companies that pickers
// read.

class KitDriver : public Client::Controller::DesktopController
{
    Q_OBJECT

public:
    explicit KitDriver(QQuickItem *parent = nullptr);

    QString name() const override { return QStringLiteral("driver"); }
};

class KitCity : public Client::Controller::DesktopController
{
    Q_OBJECT

public:
    explicit KitCity(QQuickItem *parent = nullptr);

    QString name() const override { return QStringLiteral("city"); }
};

class KitCompany : public Client::Controller::DesktopController
{
    Q_OBJECT

public:
    explicit KitCompany(QQuickItem *parent = nullptr);

    QString name() const override { return QStringLiteral("company"); }
    bool isStaticModel() const override { return true; }
};

// The application's notification controller as the notification editors declare it.
class KitNotification : public Client::Controller::Notification
{
    Q_OBJECT

public:
    explicit KitNotification(QQuickItem *parent = nullptr);

    QString name() const override { return QStringLiteral("notification"); }
};
