#pragma once

#include "orderedcatalogueproxymodel.h"

// The view of the car colours, in catalogue order by name.
class CarColorsProxyModel : public OrderedCatalogueProxyModel
{
    Q_OBJECT

public:
    explicit CarColorsProxyModel(QObject *parent = nullptr);
    ~CarColorsProxyModel() override;
};
