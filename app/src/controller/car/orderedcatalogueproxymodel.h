#pragma once

#include "client/controller/proxymodel.h"

// The view of a small catalogue that has its own order: sorted by "name", rows follow their
// "order_index" (as numbers), and rows of one index follow their names, compared as written
// (upper case first). Any other sort column sorts as in every list.
class OrderedCatalogueProxyModel : public Client::Controller::ProxyModel
{
    Q_OBJECT

public:
    explicit OrderedCatalogueProxyModel(QObject *parent = nullptr);
    ~OrderedCatalogueProxyModel() override;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
