#include "carbodytypesproxymodel.h"

CarBodyTypesProxyModel::CarBodyTypesProxyModel(QObject *parent)
    : OrderedCatalogueProxyModel(parent)
{
}

CarBodyTypesProxyModel::~CarBodyTypesProxyModel() = default;
