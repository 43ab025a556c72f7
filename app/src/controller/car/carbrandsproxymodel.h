#pragma once

#include "orderedcatalogueproxymodel.h"

// The view of the car brands, in catalogue order by name.
class CarBrandsProxyModel : public OrderedCatalogueProxyModel
{
    Q_OBJECT

public:
    explicit CarBrandsProxyModel(QObject *parent = nullptr);
    ~CarBrandsProxyModel() override;
};
