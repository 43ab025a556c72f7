#include "customize.h"

#include "maintoolbar.h"

#include "gui/core/context.h"
#include "gui/shell/global.h"
#include "gui/widget/fapushbutton.h"
#include "gui/widget/lineedit.h"
#include "gui/widget/listview.h"

#include "client/controller/list/toolbar.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace Gui::Dialog {

using Client::Controller::OriginalModel;

namespace {

const QString IdRole = QStringLiteral("id");
const QString NameRole = QStringLiteral("name");
const QString CommandRole = QStringLiteral("commandId");
const QString TypeRole = QStringLiteral("type");
constexpr int SolidFamily = 1;

FaPushButton *arrowButton(ushort glyph, const QString &toolTip)
{
    auto *button = new FaPushButton(QString(QChar(glyph)), SolidFamily, true);
    button->setToolTip(toolTip);
    button->setEnabled(false);
    return button;
}

} // namespace

Customize::Customize(const QStringList &commands, const QStringList &defaultCommands)
    : m_defaultCommands(defaultCommands)
    , m_available(new Client::Controller::ToolBar)
    , m_chosen(new Client::Controller::ToolBar)
{
    setWindowTitle(tr("Customize"));
    m_available->originalModel()->setOneColumnRole(NameRole);
    m_chosen->originalModel()->setOneColumnRole(NameRole);
    m_chosen->proxyModel()->sortRows(IdRole, Qt::AscendingOrder);
    fillAvailable();
    setCommandIds(commands);
    createWidgets();
    resize(800, 600);
}

Customize::~Customize()
{
    // The lists show the controllers' models: they go first.
    delete m_availableList;
    delete m_toolBarList;
    delete m_available;
    delete m_chosen;
}

void Customize::fillAvailable()
{
    Client::Controller::ProxyModel *proxy = m_available->proxyModel();
    proxy->setIsPrepareMode(true);
    Global *global = Context::global();
    const OriginalModel *source = global ? global->toolBar()->originalModel() : nullptr;
    const int rows = source ? source->rowCount() : 0;
    for (int row = 0; row < rows; ++row) {
        const QVariantMap &command = source->rowValues(row);
        const bool isMenu = command.value(TypeRole).toString() == QLatin1String("menu");
        const QString name = command.value(NameRole).toString();
        QVariantMap available{{IdRole, row},
                              {NameRole, isMenu ? QStringLiteral("[ %1 ]").arg(name.toUpper()) : name},
                              {TypeRole, command.value(TypeRole)}};
        if (!isMenu)
            available.insert(CommandRole, command.value(CommandRole));
        m_available->originalModel()->addRow(available);
    }
    proxy->setFilterFields({NameRole});
    proxy->invalidateFilter();
    proxy->setIsPrepareMode(false);
}

void Customize::setCommandIds(const QStringList &ids)
{
    OriginalModel *rows = m_chosen->originalModel();
    Client::Controller::ProxyModel *proxy = m_chosen->proxyModel();
    rows->clear();
    proxy->setIsPrepareMode(true);
    const OriginalModel *available = m_available->originalModel();
    for (int i = 0; i < ids.size(); ++i) {
        rows->addRow({{IdRole, i + 1},
                      {CommandRole, ids.at(i)},
                      {NameRole, available->data(CommandRole, ids.at(i), NameRole).toString()}});
    }
    proxy->setIsPrepareMode(false);
    proxy->sortRows();
}

QStringList Customize::commandIds() const
{
    QStringList ids;
    const Client::Controller::ProxyModel *proxy = m_chosen->proxyModel();
    for (int row = 0; row < proxy->rowCount(); ++row)
        ids.append(proxy->data(row, CommandRole).toString());
    return ids;
}

void Customize::applyTo(MainToolBar *toolBar)
{
    QPointer<MainToolBar> target(toolBar);
    connect(this, &QDialog::accepted, this, [this, target] {
        if (target)
            target->setCommandIds(commandIds());
    });
}

void Customize::createWidgets()
{
    m_availableList = new ListView;
    m_availableList->setModel(m_available->proxyModel());
    m_toolBarList = new ListView;
    m_toolBarList->setModel(m_chosen->proxyModel());
    m_filter = new LineEdit;
    m_filter->setMinimumWidth(220);
    m_filter->setPlaceholderText(tr("Filter"));
    connect(m_filter, &QLineEdit::textChanged, m_available->proxyModel(),
            &Client::Controller::ProxyModel::setFilterPattern);

    m_add = arrowButton(0xf054, tr("Add"));
    m_remove = arrowButton(0xf053, tr("Remove"));
    m_up = arrowButton(0xf077, tr("Move up"));
    m_down = arrowButton(0xf078, tr("Move down"));
    m_reset = new QPushButton(tr("Reset"));
    connect(m_add, &QPushButton::clicked, this, &Customize::onRightClicked);
    connect(m_remove, &QPushButton::clicked, this, &Customize::onLeftClicked);
    connect(m_up, &QPushButton::clicked, this, &Customize::onUpClicked);
    connect(m_down, &QPushButton::clicked, this, &Customize::onDownClicked);
    connect(m_reset, &QPushButton::clicked, this, &Customize::onResetClicked);
    for (ListView *list : {m_availableList, m_toolBarList})
        connect(list, &ListView::currentRowChanged, this, &Customize::updateButtons);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {static_cast<QPushButton *>(m_add), static_cast<QPushButton *>(m_remove),
                                static_cast<QPushButton *>(m_up), static_cast<QPushButton *>(m_down), m_reset})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *lists = new QHBoxLayout;
    lists->addWidget(m_availableList, 1);
    lists->addLayout(buttons);
    lists->addWidget(m_toolBarList, 1);
    auto *content = new QVBoxLayout;
    content->addLayout(lists);
    content->addWidget(m_filter, 0, Qt::AlignLeft);
    insertLayout(content);
    m_filter->setFocus();
}

void Customize::updateButtons()
{
    const int available = m_availableList->currentRow();
    const bool isItem = available >= 0
        && m_available->proxyModel()->data(available, TypeRole).toString() == QLatin1String("item");
    const int row = m_toolBarList->currentRow();
    m_add->setEnabled(isItem);
    m_remove->setEnabled(row >= 0);
    m_up->setEnabled(row >= 1);
    m_down->setEnabled(row >= 0 && row < m_toolBarList->rowCount() - 1);
}

void Customize::showCommands(const QStringList &ids, int row)
{
    setCommandIds(ids);
    if (row >= 0 && row < ids.size())
        m_toolBarList->setCurrentRow(row);
    updateButtons();
}

void Customize::onRightClicked()
{
    const int available = m_availableList->currentRow();
    const QString command =
        available >= 0 ? m_available->proxyModel()->data(available, CommandRole).toString() : QString();
    QStringList ids = commandIds();
    // A command is on the tool bar at most once.
    if (command.isEmpty() || ids.contains(command))
        return;
    // Before the selected command, or first when none is selected. The list is numbered again
    // from 1, so no gap left by a removal can misplace it.
    const int position = qMax(m_toolBarList->currentRow(), 0);
    ids.insert(position, command);
    showCommands(ids, position);
}

void Customize::onLeftClicked()
{
    const int row = m_toolBarList->currentRow();
    QStringList ids = commandIds();
    if (row < 0 || row >= ids.size())
        return;
    ids.removeAt(row);
    showCommands(ids, qMin(row, ids.size() - 1));
}

void Customize::onUpClicked()
{
    move(-1);
}

void Customize::onDownClicked()
{
    move(1);
}

void Customize::move(int offset)
{
    const int row = m_toolBarList->currentRow();
    const int target = row + offset;
    QStringList ids = commandIds();
    if (row < 0 || target < 0 || target >= ids.size())
        return;
    ids.swapItemsAt(row, target);
    showCommands(ids, target);
}

void Customize::onResetClicked()
{
    showCommands(m_defaultCommands, -1);
}

} // namespace Gui::Dialog
