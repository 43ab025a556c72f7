#pragma once

#include "orderedcatalogueproxymodel.h"

// The view of the car body types, in catalogue order by name.
class CarBodyTypesProxyModel : public OrderedCatalogueProxyModel
{
    Q_OBJECT

public:
    explicit CarBodyTypesProxyModel(QObject *parent = nullptr);
    ~CarBodyTypesProxyModel() override;
};
