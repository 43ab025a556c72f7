#include "server.h"

#include "gui/core/message.h"
#include "gui/widget/tablewidget.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace Gui::Dialog {

namespace {

enum Column { NameColumn, AddressColumn, PortColumn };

} // namespace

Server::Server(const QList<Login::Host> &hosts, int defaultPort, QWidget *parent)
    : StandardDialog(parent)
    , m_table(new TableWidget(0, 3))
    , m_add(new QPushButton(tr("Add")))
    , m_remove(new QPushButton(tr("Remove")))
    , m_up(new QPushButton(tr("Up")))
    , m_down(new QPushButton(tr("Down")))
    , m_defaultPort(defaultPort)
{
    setWindowTitle(tr("Servers"));
    m_table->setHorizontalHeaderLabels({tr("Name"), tr("IP address"), tr("Port")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                             | QAbstractItemView::EditKeyPressed);
    m_table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(AddressColumn, QHeaderView::Stretch);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_add, m_remove, m_up, m_down})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *content = new QVBoxLayout;
    content->addWidget(m_table, 1);
    content->addLayout(buttons);
    insertLayout(content);
    setWidth(500);

    connect(m_add, &QPushButton::clicked, this, &Server::onAdd);
    connect(m_remove, &QPushButton::clicked, this, &Server::onRemove);
    connect(m_up, &QPushButton::clicked, this, &Server::onUp);
    connect(m_down, &QPushButton::clicked, this, &Server::onDown);
    connect(m_table, &QTableWidget::currentCellChanged, this, &Server::updateButtons);
    for (const Login::Host &host : hosts)
        addRow(host);
    updateButtons();
}

Server::~Server() = default;

void Server::addRow(const Login::Host &host)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    m_table->setItem(row, NameColumn, new QTableWidgetItem(host.name));
    m_table->setItem(row, AddressColumn, new QTableWidgetItem(host.address.toString()));
    m_table->setItem(row, PortColumn, new QTableWidgetItem(QString::number(host.port)));
}

void Server::onAdd()
{
    addRow({tr("Name"), QHostAddress(QStringLiteral("0.0.0.0")), m_defaultPort});
    const int row = m_table->rowCount() - 1;
    m_table->setCurrentCell(row, NameColumn);
}

void Server::onRemove()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_table->removeRow(row);
    m_table->setCurrentCell(-1, -1);
    updateButtons();
}

void Server::onUp()
{
    moveRow(false);
}

void Server::onDown()
{
    moveRow(true);
}

void Server::updateButtons()
{
    const int row = m_table->currentRow();
    m_remove->setEnabled(row >= 0);
    m_up->setEnabled(row >= 1);
    m_down->setEnabled(row >= 0 && row < m_table->rowCount() - 1);
}

// Swaps the current row with its neighbour; source and target both come from the current row.
void Server::moveRow(bool down)
{
    const int row = m_table->currentRow();
    const int target = down ? row + 1 : row - 1;
    if (row < 0 || target < 0 || target >= m_table->rowCount())
        return;
    const QList<QTableWidgetItem *> moving = takeRowItems(row);
    const QList<QTableWidgetItem *> other = takeRowItems(target);
    for (int column = 0; column < moving.size(); ++column) {
        m_table->setItem(target, column, moving.at(column));
        m_table->setItem(row, column, other.at(column));
    }
    m_table->setCurrentCell(target, NameColumn);
}

QList<QTableWidgetItem *> Server::takeRowItems(int row)
{
    QList<QTableWidgetItem *> items;
    for (int column = 0; column < m_table->columnCount(); ++column)
        items.append(m_table->takeItem(row, column));
    return items;
}

QString Server::cellText(int row, int column) const
{
    const QTableWidgetItem *item = m_table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

QString Server::rowError(int row, int *column) const
{
    if (cellText(row, NameColumn).isEmpty()) {
        *column = NameColumn;
        return tr("Row %1: the name is empty.").arg(row + 1);
    }
    if (!Login::isValidAddress(cellText(row, AddressColumn))) {
        *column = AddressColumn;
        return tr("Row %1: \"%2\" is not an IP address.").arg(row + 1).arg(cellText(row, AddressColumn));
    }
    if (!Login::isValidPort(cellText(row, PortColumn))) {
        *column = PortColumn;
        return tr("Row %1: the port must be a number from 1 to 65535.").arg(row + 1);
    }
    return QString();
}

void Server::accept()
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        int column = 0;
        const QString error = rowError(row, &column);
        if (!error.isEmpty()) {
            m_table->setCurrentCell(row, column);
            Message::critical(this, error);
            return;
        }
    }
    StandardDialog::accept();
}

QList<Login::Host> Server::servers() const
{
    QList<Login::Host> result;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        int column = 0;
        if (rowError(row, &column).isEmpty()) {
            result.append({cellText(row, NameColumn), QHostAddress(cellText(row, AddressColumn)),
                           cellText(row, PortColumn).toInt()});
        }
    }
    return result;
}

TableWidget *Server::table() const
{
    return m_table;
}

QPushButton *Server::addButton() const
{
    return m_add;
}

QPushButton *Server::removeButton() const
{
    return m_remove;
}

QPushButton *Server::upButton() const
{
    return m_up;
}

QPushButton *Server::downButton() const
{
    return m_down;
}

} // namespace Gui::Dialog
