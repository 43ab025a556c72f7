#include "balance.h"

#include "interactiveownerkeepertable.h"
#include "startenddatetimeedit.h"

#include "gui/core/context.h"
#include "gui/widget/tablewidget.h"

#include "client/controller/desktopcontroller.h"
#include "client/controller/proxymodel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSet>
#include <QVBoxLayout>

namespace Gui::Report {

namespace {

const QString idKey = QStringLiteral("id");
const QString nameKey = QStringLiteral("name");
// The record every reference defaults to ("All groups", "All types"): never reported on.
const QString placeholderId = QStringLiteral("1");

QTableWidget *newListTable(const QString &header)
{
    auto *table = new TableWidget(0, 1);
    table->setHorizontalHeaderLabels({header});
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void appendRow(QTableWidget *table, const QString &id, const QString &name)
{
    auto *item = new QTableWidgetItem(name);
    item->setData(Qt::UserRole, id);
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, 0, item);
}

// The ids the selected rows of a table were filled with, each once, in selection order.
QStringList selectedIds(const QTableWidget *table)
{
    QStringList ids;
    for (const QTableWidgetItem *item : table->selectedItems()) {
        const QString id = item->data(Qt::UserRole).toString();
        if (!ids.contains(id))
            ids.append(id);
    }
    return ids;
}

} // namespace

Balance::Balance(const QString &sourceUrl)
    : m_period(new StartEndDateTimeEdit(1))
    , m_owners(new InteractiveOwnerKeeperTable(sourceUrl, this))
    , m_groups(newListTable(tr("Group")))
    , m_types(newListTable(tr("Type")))
    , m_groupByPrice(new QCheckBox(tr("Group by price")))
{
    m_groupByPrice->setChecked(true);
    auto *tables = new QHBoxLayout;
    tables->addWidget(m_owners);
    tables->addWidget(m_groups);
    tables->addWidget(m_types);
    auto *filters = new QVBoxLayout;
    filters->addWidget(m_period);
    filters->addWidget(m_groupByPrice);
    filters->addLayout(tables);
    insertFilterLayout(filters);
    connect(m_groups, &QTableWidget::itemSelectionChanged, this, &Balance::onBalanceGroupSelectionChanged);
}

Balance::~Balance() = default;

QString Balance::signField() const
{
    return QStringLiteral("sign");
}

QString Balance::templatePath() const
{
    return QStringLiteral(":/files_template/IndividualBalanceLogReportBase.xlsx");
}

QString Balance::noTypeText()
{
    return tr("Balance types is not selected");
}

void Balance::beforeShow()
{
    AbstractReport::beforeShow();
    Client::Controller::ProxyModel *groups = balanceGroupController()->proxyModel();
    balanceTypeController()->proxyModel()->sortRows(nameKey, Qt::AscendingOrder);
    groups->sortRows(nameKey, Qt::AscendingOrder);
    m_groups->setRowCount(0);
    for (int row = 0; row < groups->rowCount(); ++row) {
        const QString id = groups->data(row, idKey).toString();
        if (id != placeholderId)
            appendRow(m_groups, id, groups->data(row, nameKey).toString());
    }
    if (m_groups->rowCount() > 0)
        m_groups->selectRow(0);
    else
        onBalanceGroupSelectionChanged();
}

void Balance::onBalanceGroupSelectionChanged()
{
    const QStringList groupIds = selectedIds(m_groups);
    const QSet<QString> chosen(groupIds.cbegin(), groupIds.cend());
    const Client::Controller::ProxyModel *types = balanceTypeController()->proxyModel();
    m_types->setRowCount(0);
    for (int row = 0; row < types->rowCount(); ++row) {
        const QString id = types->data(row, idKey).toString();
        if (id == placeholderId)
            continue;
        if (chosen.isEmpty() || chosen.contains(types->data(row, QStringLiteral("rst_id_bg")).toString()))
            appendRow(m_types, id, types->data(row, nameKey).toString());
    }
}

QVariantMap Balance::options() const
{
    return {{QStringLiteral("rst_id_owner"), m_owners->ownerIdTexts().toVariantList()},
            {QStringLiteral("utc"), userUtcOffset()},
            {QStringLiteral("dt_utc_insert_start"), m_period->startDateTime().toMSecsSinceEpoch()},
            {QStringLiteral("dt_utc_insert_end"), m_period->endDateTime().toMSecsSinceEpoch()},
            {QStringLiteral("group_by_bt"), m_groupByPrice->isChecked()},
            {QStringLiteral("sign_role"), signField()},
            {QStringLiteral("rst_id_bt"), QVariant(selectedIds(m_types))}};
}

bool Balance::isValid()
{
    if (!m_period->isValid(this) || !m_owners->isValid())
        return false;
    if (m_types->selectedItems().isEmpty()) {
        Context::critical(noTypeText(), this);
        return false;
    }
    return true;
}

} // namespace Gui::Report
