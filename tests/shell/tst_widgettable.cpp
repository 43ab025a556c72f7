#include "gui/controller/network.h"
#include "gui/table/standardtable.h"
#include "gui/table/table.h"
#include "gui/table/tableview.h"
#include "gui/tablemodel/originalmodel.h"
#include "gui/tablemodel/proxymodel.h"
#include "rowscontroller.h"

#include <QHeaderView>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <memory>

using Gui::OriginalModel;
using Gui::TableView;

namespace {

const QStringList AllColumns{"big", "count", "dt_utc_insert", "dt_utc_last_update", "group_name", "id",
                             "name", "note", "price", "rst_id_user_locked", "status"};

// The names of the shown columns, left to right.
QStringList shownOrder(const TableView &view)
{
    const QHeaderView *header = view.horizontalHeader();
    QStringList names;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!view.isColumnHidden(logical))
            names.append(AllColumns.at(logical));
    }
    return names;
}

// The column values of the proxy's rows, top to bottom.
QStringList proxyColumn(const QAbstractItemModel *proxy, const QString &column)
{
    QStringList values;
    for (int row = 0; row < proxy->rowCount(); ++row)
        values.append(proxy->index(row, AllColumns.indexOf(column)).data().toString());
    return values;
}

} // namespace

// The widget table: rows merged by id, removals, sorting by catalogue type and the saved column
// layout.
class TestWidgetTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void columnsAndHeaders();
    void mergeRows();
    void removedRecordsLeaveTheTable();
    void sortsByCatalogueType_data();
    void sortsByCatalogueType();
    void firstShowing();
    void layoutRoundTrip();
    void savedColumnsWithoutARole();
    void sortFallback_data();
    void sortFallback();
    void nestedSettings();
    void clickBelowTheRows();

private:
    void deliver(RowsController &controller, const QString &action, const QVariantMap &params);

    std::unique_ptr<Gui::Network> m_net;
};

void TestWidgetTable::initTestCase()
{
    m_net = std::make_unique<Gui::Network>();
    Gui::Controller::AbstractController::setNetwork(m_net.get());
}

void TestWidgetTable::deliver(RowsController &controller, const QString &action, const QVariantMap &params)
{
    QSignalSpy received(&controller, &RowsController::messageReceived);
    m_net->dispatchMessage(controller.name(), action, params);
    QTRY_COMPARE(received.count(), 1);
    // The handler runs queued after the hand-over.
    QCoreApplication::processEvents();
}

void TestWidgetTable::columnsAndHeaders()
{
    RowsController controller;
    OriginalModel *model = controller.originalModel();
    QCOMPARE(model->columns(), AllColumns);
    QCOMPARE(model->columnCount(), AllColumns.size());
    QCOMPARE(model->headerData(AllColumns.indexOf("count"), Qt::Horizontal).toString(), QString("Count"));
    QVERIFY(!model->headerData(AllColumns.indexOf("count"), Qt::Horizontal, Qt::ToolTipRole).isValid());
    QVERIFY(!model->headerData(0, Qt::Vertical).isValid());
    QVERIFY(!model->headerData(AllColumns.size(), Qt::Horizontal).isValid());
    QCOMPARE(model->flags(QModelIndex()), Qt::NoItemFlags);
    QCOMPARE(controller.proxyModel()->flags(QModelIndex()), Qt::NoItemFlags);
    model->updateRows({{"id", "4"}, {"count", "7"}});
    QCOMPARE(model->index(0, AllColumns.indexOf("count")).data().toString(), QString("7"));
    // Raw values for the display role only; a column the row lacks gives nothing.
    QVERIFY(!model->index(0, AllColumns.indexOf("count")).data(Qt::EditRole).isValid());
    QVERIFY(!model->index(0, AllColumns.indexOf("name")).data().isValid());
    QVERIFY(!model->setData(QModelIndex(), 1));
}

void TestWidgetTable::mergeRows()
{
    RowsController controller;
    OriginalModel *model = controller.originalModel();
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    deliver(controller, "saListInfo", {{"id", "3"}, {"name", "three"}, {"count", "1"}, {"RECEIVER", controller.receiver()}});
    deliver(controller, "saListInfo", {{"id", "5"}, {"name", "five"}, {"RECEIVER", "ALL"}});
    // An update overwrites only its keys, in place; the whole row is announced.
    deliver(controller, "saListInfo", {{"id", "3"}, {"count", "2"}, {"unknown", "x"}});
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->rowOfId(3), 0);
    QCOMPARE(model->row(0).value("name").toString(), QString("three"));
    QCOMPARE(model->row(0).value("count").toString(), QString("2"));
    QVERIFY(!model->row(0).contains("unknown"));
    QCOMPARE(changed.count(), 1);
    const QModelIndex from = changed.first().at(0).toModelIndex();
    const QModelIndex to = changed.first().at(1).toModelIndex();
    QCOMPARE(from.row(), 0);
    QCOMPARE(to.row(), 0);
    QCOMPARE(from.column(), 0);
    QCOMPARE(to.column(), AllColumns.size() - 1);
    // Rows without an id share id 0: the second overwrites the first.
    model->updateRows({{"name", "first"}});
    model->updateRows({{"name", "second"}});
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->row(2).value("name").toString(), QString("second"));
    // Rows addressed to another controller never arrive.
    deliver(controller, "saListInfo", {{"id", "9"}, {"RECEIVER", "G" + QString::number(controller.id() + 1000)}});
    deliver(controller, "saListInfo", {{"id", "9"}, {"RECEIVER", "12"}});
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->rowOfId(9), -1);
}

void TestWidgetTable::removedRecordsLeaveTheTable()
{
    RowsController controller;
    OriginalModel *model = controller.originalModel();
    for (const char *id : {"1", "2", "3", "4"})
        model->updateRows({{"id", id}, {"name", QString("row ") + id}});
    // Removed by this client's other pages (any receiver) or pushed by the server for others.
    deliver(controller, "saRemove", {{"RES", "10"}, {"id", "2"}, {"RECEIVER", "31"}});
    deliver(controller, "saRemove", {{"RES", "10"}, {"id", "4"}, {"RECEIVER", "ALL"}});
    // A refused removal and an unknown record change nothing.
    deliver(controller, "saRemove", {{"RES", "0"}, {"ERRCODE", "120"}, {"id", "1"}});
    deliver(controller, "saRemove", {{"RES", "10"}, {"id", "8"}});
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(proxyColumn(model, "name"), (QStringList{"row 1", "row 3"}));
    QCOMPARE(model->rowOfId(3), 1);
    // The merge still finds the rows after the removals.
    model->updateRows({{"id", "3"}, {"name", "three"}});
    QCOMPARE(model->row(1).value("name").toString(), QString("three"));
    QCOMPARE(model->rowCount(), 2);
}

void TestWidgetTable::sortsByCatalogueType_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("ascending");
    QTest::newRow("32-bit integers") << "count" << QStringList{"10", "9", "100", "-3"}
                                     << QStringList{"-3", "9", "10", "100"};
    QTest::newRow("64-bit integers") << "big" << QStringList{"3000000000", "9", "20000000000"}
                                     << QStringList{"9", "3000000000", "20000000000"};
    QTest::newRow("doubles") << "price" << QStringList{"10.25", "2.5", "-1", "2.25"}
                             << QStringList{"-1", "2.25", "2.5", "10.25"};
    QTest::newRow("text without case") << "name" << QStringList{"beta", "Alpha", "gamma", "Beta2"}
                                       << QStringList{"Alpha", "beta", "Beta2", "gamma"};
    QTest::newRow("joined text") << "group_name" << QStringList{"10", "9"} << QStringList{"10", "9"};
}

void TestWidgetTable::sortsByCatalogueType()
{
    QFETCH(QString, column);
    QFETCH(QStringList, values);
    QFETCH(QStringList, ascending);
    RowsController controller;
    for (int i = 0; i < values.size(); ++i)
        controller.originalModel()->updateRows({{"id", QString::number(i + 2)}, {column, values.at(i)}});
    Gui::ProxyModel *proxy = controller.proxyModel();
    proxy->sort(AllColumns.indexOf(column), Qt::AscendingOrder);
    QCOMPARE(proxyColumn(proxy, column), ascending);
    proxy->sort(AllColumns.indexOf(column), Qt::DescendingOrder);
    std::reverse(ascending.begin(), ascending.end());
    QCOMPARE(proxyColumn(proxy, column), ascending);
}

void TestWidgetTable::firstShowing()
{
    auto *controller = new RowsController;
    TableView view(controller, {"name", "id", "price"});
    QCOMPARE(controller->parent(), &view);
    view.loadSettings({});
    QCOMPARE(shownOrder(view), (QStringList{"name", "id", "price"}));
    QCOMPARE(AllColumns.value(view.horizontalHeader()->sortIndicatorSection()), QString("id"));
    QCOMPARE(view.horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    // Settings with a sort but no columns count as a first showing; their sort is not used.
    TableView second(new RowsController, {"count", "name"});
    second.loadSettings({{"sort", QVariantMap{{"role", "name"}, {"order", 1}}}});
    QCOMPARE(shownOrder(second), (QStringList{"count", "name"}));
    QCOMPARE(AllColumns.value(second.horizontalHeader()->sortIndicatorSection()), QString("id"));
    // A saved layout lists the roles only.
    const QVariantMap saved = second.saveSettings();
    QCOMPARE(saved.value("columns").toMap().keys(), (QStringList{"count", "name"}));
}

void TestWidgetTable::layoutRoundTrip()
{
    QRandomGenerator random(20240514);
    for (int round = 0; round < 200; ++round) {
        QStringList roles = AllColumns;
        std::shuffle(roles.begin(), roles.end(), random);
        roles = roles.mid(0, 1 + random.bounded(AllColumns.size()));
        TableView view(new RowsController, roles);
        view.loadSettings({});
        QHeaderView *header = view.horizontalHeader();
        for (int moves = random.bounded(12); moves > 0; --moves)
            header->moveSection(random.bounded(header->count()), random.bounded(header->count()));
        for (const QString &role : qAsConst(roles))
            header->resizeSection(AllColumns.indexOf(role), 40 + random.bounded(260));
        const QString sortRole = roles.at(random.bounded(roles.size()));
        const Qt::SortOrder order = random.bounded(2) ? Qt::DescendingOrder : Qt::AscendingOrder;
        view.sortByColumn(AllColumns.indexOf(sortRole), order);
        const QVariantMap saved = view.saveSettings();

        TableView restored(new RowsController, roles);
        restored.loadSettings(saved);
        QCOMPARE(restored.saveSettings(), saved);
        QCOMPARE(shownOrder(restored), shownOrder(view));
        for (const QString &column : AllColumns)
            QCOMPARE(restored.isColumnHidden(AllColumns.indexOf(column)), !roles.contains(column));
        QCOMPARE(restored.horizontalHeader()->sortIndicatorSection(), AllColumns.indexOf(sortRole));
        QCOMPARE(restored.horizontalHeader()->sortIndicatorOrder(), order);
    }
}

void TestWidgetTable::savedColumnsWithoutARole()
{
    // The layout was saved before "count" joined the roles: it goes to its place among them.
    TableView view(new RowsController, {"name", "count", "id"});
    view.loadSettings({{"columns", QVariantMap{{"name", QVariantMap{{"width", 120}, {"position", 0}}},
                                               {"id", QVariantMap{{"width", 70}, {"position", 1}}},
                                               {"status", QVariantMap{{"width", 90}, {"position", 2}}}}},
                       {"sort", QVariantMap{{"role", "name"}, {"order", 1}}}});
    QCOMPARE(shownOrder(view), (QStringList{"name", "count", "id"}));
    QVERIFY(view.isColumnHidden(AllColumns.indexOf("status")));
    QCOMPARE(view.horizontalHeader()->sectionSize(AllColumns.indexOf("name")), 120);
    QCOMPARE(view.horizontalHeader()->sectionSize(AllColumns.indexOf("id")), 70);
    QCOMPARE(AllColumns.value(view.horizontalHeader()->sortIndicatorSection()), QString("name"));
    QCOMPARE(view.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
}

void TestWidgetTable::sortFallback_data()
{
    QTest::addColumn<QVariantMap>("sort");
    QTest::newRow("no sort") << QVariantMap();
    QTest::newRow("a role no longer shown") << QVariantMap{{"role", "status"}, {"order", 1}};
    QTest::newRow("an unknown role") << QVariantMap{{"role", "colour"}, {"order", 1}};
}

void TestWidgetTable::sortFallback()
{
    QFETCH(QVariantMap, sort);
    TableView view(new RowsController, {"price", "name"});
    QVariantMap settings{{"columns", QVariantMap{{"price", QVariantMap{{"width", 80}, {"position", 0}}},
                                                 {"name", QVariantMap{{"width", 80}, {"position", 1}}}}}};
    if (!sort.isEmpty())
        settings.insert("sort", sort);
    view.loadSettings(settings);
    // The leftmost section ascending.
    QCOMPARE(view.horizontalHeader()->sortIndicatorSection(), view.horizontalHeader()->logicalIndex(0));
    QCOMPARE(view.horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
}

void TestWidgetTable::nestedSettings()
{
    Gui::StandardTable frame(new RowsController, {"name", "price"});
    frame.table()->view()->horizontalHeader()->resizeSection(AllColumns.indexOf("price"), 111);
    const QVariantMap settings = frame.saveSettings();
    QCOMPARE(settings.value("isWindow").toBool(), false);
    const QVariantMap view = settings.value("table").toMap().value("tableView").toMap();
    QCOMPARE(view.value("columns").toMap().value("price").toMap().value("width").toInt(), 111);

    Gui::StandardTable other(new RowsController, {"name", "price"});
    other.loadSettings(settings);
    QCOMPARE(other.table()->view()->horizontalHeader()->sectionSize(AllColumns.indexOf("price")), 111);
    QCOMPARE(other.model(), other.table()->view()->model());
    QCOMPARE(other.table()->settingsName(), QString("table"));
}

void TestWidgetTable::clickBelowTheRows()
{
    auto *controller = new RowsController;
    TableView view(controller, {"name", "id"});
    view.loadSettings({});
    for (const char *id : {"1", "2"})
        controller->originalModel()->updateRows({{"id", id}, {"name", id}});
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view, timeLimit(5000)));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.model()->index(1, AllColumns.indexOf("name"))).center());
    QCOMPARE(view.selectionModel()->selectedRows().size(), 1);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(10, view.viewport()->height() - 5));
    QCOMPARE(view.selectionModel()->selectedRows().size(), 1);
    QCOMPARE(view.currentIndex().row(), 1);
}

QTEST_MAIN(TestWidgetTable)
#include "tst_widgettable.moc"
