#pragma once

#include "carbodytypesproxymodel.h"
#include "controller/classwidecontroller.h"
#include "model/orlem/driver/attributes/bodytype.h"

// The car body types ("carBodyTypes"): one list that every page shares, in catalogue order by name.
class CarBodyTypes
    : public ClassWideController<CarBodyTypes, Model::Orlem::BodyType,
                                 Client::Controller::DesktopController, CarBodyTypesProxyModel>
{
    Q_OBJECT

public:
    explicit CarBodyTypes(QQuickItem *parent = nullptr);
    ~CarBodyTypes() override;

    QString name() const override;
};
