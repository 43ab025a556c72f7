#include "launcher.h"

#include "gui/core/context.h"
#include "gui/shell/global.h"
#include "gui/widget/lineedit.h"
#include "gui/widget/listview.h"

#include "client/controller/list/launcher.h"
#include "client/controller/list/toolbar.h"

#include <QAction>
#include <QPointer>
#include <QVBoxLayout>

namespace Gui {

using Client::Controller::OriginalModel;

namespace {

const QString NameRole = QStringLiteral("name");
const QString CommandRole = QStringLiteral("commandObject");

} // namespace

Launcher::Launcher()
    : m_controller(new Client::Controller::Launcher)
    , m_list(new ListView)
    , m_filter(new LineEdit)
{
    setWindowTitle(tr("Launcher"));
    m_controller->originalModel()->setOneColumnRole(NameRole);
    loadCommands();
    buildUi();
    resize(400, 600);
}

Launcher::~Launcher()
{
    // The list shows the controller's model: it goes first.
    delete m_list;
    delete m_controller;
}

void Launcher::loadCommands()
{
    Client::Controller::ProxyModel *proxy = m_controller->proxyModel();
    proxy->setFilterFields({NameRole});
    proxy->beginPrepare();
    Global *global = Context::global();
    const OriginalModel *commands = global ? global->toolBar()->originalModel() : nullptr;
    const int rows = commands ? commands->rowCount() : 0;
    int id = 1;
    // The list holds the export newest first: read from the end, the commands come in menu order.
    for (int row = rows - 1; row >= 0; --row) {
        const QVariantMap &command = commands->rowValues(row);
        if (command.value(QStringLiteral("type")).toString() != QLatin1String("item"))
            continue;
        m_controller->originalModel()->addRow({{QStringLiteral("id"), id++},
                                               {NameRole, command.value(NameRole)},
                                               {CommandRole, command.value(CommandRole)}});
    }
    proxy->endPrepare();
    proxy->sortRows(NameRole, Qt::AscendingOrder);
}

void Launcher::buildUi()
{
    m_list->setModel(m_controller->proxyModel());
    m_list->setCurrentRow(0);
    connect(m_list, &QAbstractItemView::activated, this, &Launcher::runSelected, Qt::DirectConnection);
    m_filter->setPlaceholderText(tr("Type a part of a command's name"));
    connect(m_filter, &LineEdit::keyPressed, this, &Launcher::onFilterKeyPressed);
    connect(m_filter, &QLineEdit::textChanged, this, &Launcher::onFilterTextChanged);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_filter);
    m_filter->setFocus();
}

void Launcher::onFilterKeyPressed(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        close();
        break;
    case Qt::Key_Up:
        m_list->selectPrevious();
        break;
    case Qt::Key_Down:
        m_list->selectNext();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        runSelected();
        break;
    default:
        break;
    }
}

void Launcher::onFilterTextChanged(const QString &text)
{
    Client::Controller::ProxyModel *proxy = m_controller->proxyModel();
    proxy->setFilterPattern(text);
    proxy->sortRows();
}

void Launcher::runSelected()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    QPointer<QAction> command =
        qobject_cast<QAction *>(m_controller->proxyModel()->data(row, CommandRole).value<QObject *>());
    // Closed first: a command that opens a modal dialog finds the launcher gone.
    close();
    if (command)
        command->activate(QAction::Trigger);
}

} // namespace Gui
