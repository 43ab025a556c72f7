#pragma once

#include <QSortFilterProxyModel>

namespace Gui {

class OriginalModel;

// The sorted view of a widget table's rows. Columns sort by their catalogue type: numbers as
// numbers, text without regard to case.
class ProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ProxyModel(OriginalModel *source, QObject *parent = nullptr);
    ~ProxyModel() override;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    OriginalModel *m_source;
};

} // namespace Gui
