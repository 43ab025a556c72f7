#include "tableview.h"

#include "gui/controller/abstractcontroller.h"
#include "gui/tablemodel/originalmodel.h"
#include "gui/tablemodel/proxymodel.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace Gui {

namespace {

const QString ColumnsKey = QStringLiteral("columns");
const QString SortKey = QStringLiteral("sort");
const QString IdColumn = QStringLiteral("id");

} // namespace

TableView::TableView(Controller::AbstractController *controller, const QStringList &roles, QWidget *parent)
    : QTableView(parent)
    , GuiSettings(this)
    , m_controller(controller)
    , m_roles(roles)
{
    m_controller->setParent(this);
    QHeaderView *header = horizontalHeader();
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap));
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(true);
    header->setSectionsMovable(true);
    setSortingEnabled(true);
    setAlternatingRowColors(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setStyleSheet(QStringLiteral("QHeaderView::section:horizontal {background-color: #111111;min-height: 38px;"
                                 "border: 1px solid #6c6c6c;border-top: none;border-bottom: none;}"));
    setModel(m_controller->proxyModel());
}

TableView::~TableView() = default;

const QStringList &TableView::columns() const
{
    return m_controller->originalModel()->columns();
}

QString TableView::settingsName() const
{
    return QStringLiteral("tableView");
}

void TableView::loadSettings(const QVariantMap &settings)
{
    if (settings.contains(ColumnsKey))
        loadSavedColumns(settings.value(ColumnsKey).toMap(), settings.value(SortKey).toMap());
    else
        loadFirstShowing();
}

void TableView::loadSavedColumns(const QVariantMap &saved, const QVariantMap &sort)
{
    QHeaderView *header = horizontalHeader();
    QStringList pending;
    for (int i = 0; i < columns().size(); ++i) {
        const QString &name = columns().at(i);
        if (saved.contains(name) && m_roles.contains(name)) {
            const QVariantMap column = saved.value(name).toMap();
            header->swapSections(header->visualIndex(i), column.value(QStringLiteral("position")).toInt());
            header->resizeSection(i, column.value(QStringLiteral("width")).toInt());
            setColumnHidden(i, false);
        } else if (m_roles.contains(name)) {
            pending.append(name);
            setColumnHidden(i, false);
        } else {
            setColumnHidden(i, true);
        }
    }
    for (const QString &name : qAsConst(pending))
        header->moveSection(header->visualIndex(columns().indexOf(name)), m_roles.indexOf(name));
    const QString role = sort.value(QStringLiteral("role")).toString();
    if (m_roles.contains(role))
        sortByColumn(columns().indexOf(role), Qt::SortOrder(sort.value(QStringLiteral("order")).toInt()));
    else
        sortByColumn(header->logicalIndex(0), Qt::AscendingOrder);
}

void TableView::loadFirstShowing()
{
    QHeaderView *header = horizontalHeader();
    for (int i = 0; i < columns().size(); ++i) {
        const QString &name = columns().at(i);
        const int position = m_roles.indexOf(name);
        if (position >= 0) {
            header->swapSections(header->visualIndex(i), position);
            setColumnHidden(i, false);
        } else {
            setColumnHidden(i, true);
        }
        if (name == IdColumn)
            sortByColumn(i, Qt::AscendingOrder);
    }
}

QVariantMap TableView::saveSettings() const
{
    const QHeaderView *header = horizontalHeader();
    QVariantMap saved;
    for (const QString &name : m_roles) {
        const int logical = columns().indexOf(name);
        if (logical < 0)
            continue;
        saved.insert(name, QVariantMap{{QStringLiteral("width"), header->sectionSize(logical)},
                                       {QStringLiteral("position"), header->visualIndex(logical)}});
    }
    // With no columns at all the indicator names no column.
    const QString role = columns().value(header->sortIndicatorSection());
    const QVariantMap sort{{QStringLiteral("role"), role},
                           {QStringLiteral("order"), int(header->sortIndicatorOrder())}};
    return QVariantMap{{ColumnsKey, saved}, {SortKey, sort}};
}

void TableView::mousePressEvent(QMouseEvent *event)
{
    // A click below the rows keeps the current selection.
    if (indexAt(event->pos()).isValid())
        QTableView::mousePressEvent(event);
}

} // namespace Gui
