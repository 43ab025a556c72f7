#include "ownerkeepertable.h"

#include "gui/widget/tablewidget.h"

#include <QHeaderView>
#include <QSet>
#include <QVBoxLayout>

namespace Gui {

OwnerKeeperTable::OwnerKeeperTable(QWidget *parent)
    : QWidget(parent)
    , m_table(new TableWidget(0, 2))
{
    m_table->setHorizontalHeaderLabels({tr("Id"), tr("Name")});
    m_table->horizontalHeader()->setStretchLastSection(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
}

OwnerKeeperTable::~OwnerKeeperTable() = default;

QTableWidget *OwnerKeeperTable::table() const
{
    return m_table;
}

void OwnerKeeperTable::addOwner(qint64 id, const QString &name)
{
    addOwners({{id, name}});
}

void OwnerKeeperTable::addOwners(const QVector<QPair<qint64, QString>> &owners)
{
    const QList<qint64> kept = ownerIdList();
    QSet<qint64> known(kept.cbegin(), kept.cend());
    QVector<QPair<qint64, QString>> fresh;
    for (const auto &owner : owners) {
        if (!known.contains(owner.first)) {
            known.insert(owner.first);
            fresh.append(owner);
        }
    }
    if (fresh.isEmpty())
        return;
    int row = m_table->rowCount();
    m_table->setRowCount(row + fresh.size());
    for (const auto &owner : qAsConst(fresh)) {
        m_table->setItem(row, 0, new QTableWidgetItem(QString::number(owner.first)));
        m_table->setItem(row++, 1, new QTableWidgetItem(owner.second));
    }
}

bool OwnerKeeperTable::hasOwner(qint64 id) const
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, 0)->text().toLongLong() == id)
            return true;
    }
    return false;
}

int OwnerKeeperTable::ownerCount() const
{
    return m_table->rowCount();
}

QJsonArray OwnerKeeperTable::ownerIds() const
{
    QJsonArray ids;
    for (const qint64 id : ownerIdList())
        ids.append(id);
    return ids;
}

QList<qint64> OwnerKeeperTable::ownerIdList() const
{
    QList<qint64> ids;
    for (int row = 0; row < m_table->rowCount(); ++row)
        ids.append(m_table->item(row, 0)->text().toLongLong());
    return ids;
}

QJsonArray OwnerKeeperTable::ownerIdTexts() const
{
    QJsonArray ids;
    for (int row = 0; row < m_table->rowCount(); ++row)
        ids.append(m_table->item(row, 0)->text());
    return ids;
}

QJsonArray OwnerKeeperTable::ownerNames() const
{
    QJsonArray names;
    for (int row = 0; row < m_table->rowCount(); ++row)
        names.append(m_table->item(row, 1)->text());
    return names;
}

} // namespace Gui
