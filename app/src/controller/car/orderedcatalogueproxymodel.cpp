#include "orderedcatalogueproxymodel.h"

#include "client/controller/originalmodel.h"

OrderedCatalogueProxyModel::OrderedCatalogueProxyModel(QObject *parent)
    : ProxyModel(parent)
{
}

OrderedCatalogueProxyModel::~OrderedCatalogueProxyModel() = default;

bool OrderedCatalogueProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const Client::Controller::OriginalModel *rows = originalModel();
    const QString column = rows ? rows->roleName(sortRole()) : QString();
    if (column != QLatin1String("name"))
        return ProxyModel::lessThan(left, right);
    const QVariantMap &a = rows->rowValues(left.row());
    const QVariantMap &b = rows->rowValues(right.row());
    const QString orderKey = QStringLiteral("order_index");
    const QVariant orderA = a.value(orderKey);
    const QVariant orderB = b.value(orderKey);
    if (orderA == orderB)
        return a.value(column).toString() < b.value(column).toString();
    return orderA.toLongLong() < orderB.toLongLong();
}
