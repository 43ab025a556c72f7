#include "ownerkeepertable.h"

#include "gui/widget/tablewidget.h"

#include <QHeaderView>
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
    if (hasOwner(id))
        return;
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    m_table->setItem(row, 0, new QTableWidgetItem(QString::number(id)));
    m_table->setItem(row, 1, new QTableWidgetItem(name));
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
