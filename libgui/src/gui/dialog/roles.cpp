#include "roles.h"

#include "gui/widget/tablewidget.h"

#include <QHeaderView>

namespace Gui::Dialog {

Roles::Roles(const QVariantList &roles, QWidget *parent)
    : StandardDialog(parent)
    , m_table(new TableWidget(roles.size(), 2))
{
    setWindowTitle(tr("Roles"));
    m_table->setHorizontalHeaderLabels({tr("Title"), tr("Role")});
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (int row = 0; row < roles.size(); ++row) {
        const QVariantMap role = roles.at(row).toMap();
        m_table->setItem(row, 0, new QTableWidgetItem(role.value(QStringLiteral("title")).toString()));
        m_table->setItem(row, 1, new QTableWidgetItem(role.value(QStringLiteral("role")).toString()));
    }
    m_table->resizeColumnsToContents();
    insertWidgetStretched(m_table, 1);
    resize(500, 500);
}

Roles::~Roles() = default;

TableWidget *Roles::table() const
{
    return m_table;
}

void Roles::accept()
{
    QStringList roles;
    const QModelIndexList rows = m_table->selectionModel()->selectedRows(1);
    for (const QModelIndex &index : rows)
        roles.append(index.data().toString());
    emit selected(roles);
    StandardDialog::accept();
}

} // namespace Gui::Dialog
