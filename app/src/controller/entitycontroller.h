#pragma once

#include "client/controller/classwidemodel.h"
#include "client/controller/desktopcontroller.h"

#include <QLatin1String>
#include <QSharedPointer>

#include <initializer_list>
#include <utility>

// The two shapes of the application's entity controllers. Each binds the rows of one table
// (a row model over the table's catalogue) to a proxy model of its own instance; Base is the
// library controller the class extends and Proxy the view class it sorts and filters with.

// Rows that belong to the instance: every instance starts with an empty row model of its own.
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

// Rows that every instance of the class Self shares: the first instance makes the row model and
// it stays for the rest of the run, so a page opened later shows the rows already loaded.
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

// The answers of a controller's own requests: emits the signal of the first answer name that
// equals action, with the answer's map; false when no name does.
template<typename Controller>
using AnswerSignal = void (Controller::*)(QVariantMap);

template<typename Controller>
bool emitOwnAnswer(Controller *controller, const QString &action, const QVariantMap &params,
                   std::initializer_list<std::pair<QLatin1String, AnswerSignal<Controller>>> answers)
{
    for (const auto &answer : answers) {
        if (action == answer.first) {
            emit(controller->*answer.second)(params);
            return true;
        }
    }
    return false;
}
