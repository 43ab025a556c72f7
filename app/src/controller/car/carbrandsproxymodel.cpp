#include "carbrandsproxymodel.h"

CarBrandsProxyModel::CarBrandsProxyModel(QObject *parent)
    : OrderedCatalogueProxyModel(parent)
{
}

CarBrandsProxyModel::~CarBrandsProxyModel() = default;
