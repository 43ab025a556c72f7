#pragma once

#include "carbrandsproxymodel.h"
#include "controller/classwidecontroller.h"
#include "model/orlem/driver/attributes/carbrand.h"

// The car brands ("carBrands"): one list that every page shares, in catalogue order by name.
class CarBrands
    : public ClassWideController<CarBrands, Model::Orlem::CarBrand,
                                 Client::Controller::DesktopController, CarBrandsProxyModel>
{
    Q_OBJECT

public:
    explicit CarBrands(QQuickItem *parent = nullptr);
    ~CarBrands() override;

    QString name() const override;
};
