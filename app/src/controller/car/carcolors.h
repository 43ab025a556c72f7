#pragma once

#include "carcolorsproxymodel.h"
#include "controller/classwidecontroller.h"
#include "model/orlem/driver/attributes/carcolor.h"

// The car colours ("carColors"): one list that every page shares, in catalogue order by name.
class CarColors
    : public ClassWideController<CarColors, Model::Orlem::CarColor,
                                 Client::Controller::DesktopController, CarColorsProxyModel>
{
    Q_OBJECT

public:
    explicit CarColors(QQuickItem *parent = nullptr);
    ~CarColors() override;

    QString name() const override;
};
