#include "carcolorsproxymodel.h"

CarColorsProxyModel::CarColorsProxyModel(QObject *parent)
    : OrderedCatalogueProxyModel(parent)
{
}

CarColorsProxyModel::~CarColorsProxyModel() = default;
