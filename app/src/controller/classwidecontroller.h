#pragma once

#include "client/controller/classwidemodel.h"
#include "client/controller/desktopcontroller.h"

// An entity controller whose rows every instance of the class Self shares: the first instance
// makes the row model over the table's Catalogue and it stays for the rest of the run, so a page
// opened later shows the rows already loaded. Each instance views them through a Proxy of its
// own. Base is the library controller that the class extends.
template<typename Self, typename Catalogue, typename Base = Client::Controller::DesktopController,
         typename Proxy = Client::Controller::ProxyModel>
class ClassWideController : public Base
{
public:
    bool isStaticModel() const override { return true; }

protected:
    explicit ClassWideController(QQuickItem *parent)
        : Base(parent)
    {
        this->setOriginalModel(Client::Controller::ClassWideModel<Self, Catalogue>::get());
        this->setProxyModel(new Proxy(this));
    }
};
