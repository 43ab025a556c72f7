#pragma once

#include "client/controller/desktopcontroller.h"

#include <QSharedPointer>

// An entity controller whose rows belong to the instance: every instance starts with an empty
// row model of its own over the table's Catalogue (or the catalogue given), viewed through a
// Proxy of the instance. Base is the library controller that the class extends.
template<typename Catalogue, typename Base = Client::Controller::DesktopController,
         typename Proxy = Client::Controller::ProxyModel>
class InstanceRowsController : public Base
{
protected:
    explicit InstanceRowsController(
        QQuickItem *parent, const QSharedPointer<Model::AbstractModel> &catalogue = QSharedPointer<Catalogue>::create())
        : Base(parent)
    {
        auto *rows = new Client::Controller::OriginalModel(this);
        rows->setBaseModel(catalogue);
        this->setOriginalModel(rows);
        this->setProxyModel(new Proxy(this));
    }
};
