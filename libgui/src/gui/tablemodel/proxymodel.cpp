#include "proxymodel.h"

#include "originalmodel.h"

#include "client/controller/fieldorder.h"

namespace Gui {

using namespace Client::Controller;

ProxyModel::ProxyModel(OriginalModel *source, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_source(source)
{
    setSourceModel(source);
}

ProxyModel::~ProxyModel() = default;

bool ProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QString column = m_source->columns().value(left.column());
    const FieldOrder::Kind kind = FieldOrder::kindOf(m_source->model(), column);
    return FieldOrder::compare(kind, left.data(), right.data()) < 0;
}

} // namespace Gui
