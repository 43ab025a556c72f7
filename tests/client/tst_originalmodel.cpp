#include "client/controller/columnvalues.h"
#include "client/controller/originalmodel.h"
#include "listcatalogue.h"
#include "messagecatcher.h"
#include "modeltester.h"

#include <QRandomGenerator>
#include <QtTest>

#include <map>

using Client::Controller::OriginalModel;

namespace {

QVariantMap row(const QVariant &id, const QVariant &updated = QVariant(), const QVariantMap &more = {})
{
    QVariantMap values = more;
    values.insert("id", id);
    if (updated.isValid())
        values.insert("dt_utc_last_update", updated);
    return values;
}

QStringList ids(const OriginalModel &model)
{
    QStringList result;
    for (int r = 0; r < model.rowCount(); ++r)
        result << model.data(r, "id").toString();
    return result;
}

std::unique_ptr<OriginalModel> makeModel()
{
    auto model = std::make_unique<OriginalModel>();
    watchModel(model.get());
    model->setBaseModel(QSharedPointer<ListCatalogue>::create());
    return model;
}

} // namespace

// The list model behind every page: id order, upserts, the row limit, roles and lookups.
class TestOriginalModel : public QObject
{
    Q_OBJECT

private slots:
    void idOrder_data();
    void idOrder();
    void upserts_data();
    void upserts();
    void rowLimit_data();
    void rowLimit();
    void roles();
    void countSignals();
    void lookups();
    void catalogueQueries();
    void lookupsByText();
    void matchesReferenceUnderRandomEdits();
    void columnValuesFollowTheRows();
};

void TestOriginalModel::idOrder_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("three") << QStringList{"5", "9", "7"} << QStringList{"9", "7", "5"};
    QTest::newRow("numbers, not text") << QStringList{"9", "100", "3000000000", "10"}
                                       << QStringList{"3000000000", "100", "10", "9"};
    QTest::newRow("one") << QStringList{"4"} << QStringList{"4"};
    QTest::newRow("front of two") << QStringList{"4", "2", "8"} << QStringList{"8", "4", "2"};
    QTest::newRow("back of two") << QStringList{"4", "8", "1"} << QStringList{"8", "4", "1"};
    QTest::newRow("between two") << QStringList{"4", "8", "6"} << QStringList{"8", "6", "4"};
    QTest::newRow("ascending") << QStringList{"1", "2", "3", "4"} << QStringList{"4", "3", "2", "1"};
    QTest::newRow("negative and zero") << QStringList{"0", "-5", "12"} << QStringList{"12", "0", "-5"};
    QTest::newRow("same id twice") << QStringList{"3", "7", "3"} << QStringList{"7", "3"};
}

void TestOriginalModel::idOrder()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, order);
    auto model = makeModel();
    for (const QString &id : added)
        model->addRow(row(id));
    QCOMPARE(ids(*model), order);
    for (int r = 0; r < order.size(); ++r)
        QCOMPARE(model->findId(order.at(r)), r);
    QCOMPARE(model->findId("55"), -1);
    QCOMPARE(model->checkValueByRole("id", order.last()), order.size() - 1);
}

void TestOriginalModel::upserts_data()
{
    QTest::addColumn<QVariant>("storedTime");
    QTest::addColumn<QVariant>("newTime");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<qlonglong>("maxAfter");
    QTest::newRow("newer") << QVariant("100") << QVariant("200") << true << 201LL;
    QTest::newRow("equal") << QVariant("100") << QVariant("100") << true << 101LL;
    QTest::newRow("older refused, maximum grows") << QVariant("300") << QVariant("200") << false << 301LL;
    QTest::newRow("empty time") << QVariant("100") << QVariant("") << true << 101LL;
    QTest::newRow("no time") << QVariant("100") << QVariant() << true << 101LL;
    QTest::newRow("number types") << QVariant(qint64(5000000000)) << QVariant(4000000000.0) << false << 5000000001LL;
}

void TestOriginalModel::upserts()
{
    QFETCH(QVariant, storedTime);
    QFETCH(QVariant, newTime);
    QFETCH(bool, accepted);
    QFETCH(qlonglong, maxAfter);
    auto model = makeModel();
    model->addRow(row("1", storedTime, {{"name", "old"}, {"FN", "t_saListInfo"}}));
    model->addRow(row("2", "50"));
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
    QSignalSpy counted(model.get(), &OriginalModel::rowCountChanged);

    QVariantMap update = row("1", QVariant(), {{"name", "new"}, {"name_string", "shown"}});
    if (newTime.isValid())
        update.insert("dt_utc_last_update", newTime);
    model->addRow(update);

    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(counted.count(), 0);
    QCOMPARE(model->data(model->findId("1"), "name").toString(), QString(accepted ? "new" : "old"));
    QCOMPARE(changed.count(), accepted ? 1 : 0);
    // Every key of an accepted record is kept, as on insert, so display keys do not go stale.
    QCOMPARE(model->data(model->findId("1")).value("name_string").toString(), QString(accepted ? "shown" : ""));
    QCOMPARE(model->data(model->findId("1")).value("FN").toString(), QString("t_saListInfo"));
    QCOMPARE(model->getMaxDtUtcLastUpdate(), maxAfter);
    QCOMPARE(model->property("maxDtUtcLastUpdate").toLongLong(), maxAfter);

    // The same record again changes nothing and announces nothing.
    model->addRow(model->data(model->findId("1")));
    QCOMPARE(changed.count(), accepted ? 1 : 0);
}

void TestOriginalModel::rowLimit_data()
{
    QTest::addColumn<QStringList>("times");
    QTest::addColumn<QStringList>("kept");
    // Rows are added with ids 1, 2, 3 ...; the limit is 2.
    QTest::newRow("new row is the oldest") << QStringList{"10", "20", "5"} << QStringList{"2", "1"};
    QTest::newRow("oldest stored row goes") << QStringList{"10", "20", "30"} << QStringList{"3", "2"};
    QTest::newRow("tie: lowest row number") << QStringList{"10", "10", "30"} << QStringList{"3", "1"};
    QTest::newRow("under the limit") << QStringList{"10", "20"} << QStringList{"2", "1"};
}

void TestOriginalModel::rowLimit()
{
    QFETCH(QStringList, times);
    QFETCH(QStringList, kept);
    auto model = makeModel();
    QSignalSpy limitSpy(model.get(), &OriginalModel::limitChanged);
    model->setLimit(2);
    model->setLimit(2);
    QCOMPARE(limitSpy.count(), 1);
    QCOMPARE(model->limit(), 2LL);
    QSignalSpy counted(model.get(), &OriginalModel::rowCountChanged);
    for (int i = 0; i < times.size(); ++i)
        model->addRow(row(QString::number(i + 1), times.at(i)));
    QCOMPARE(ids(*model), kept);
    QCOMPARE(counted.last().first().toInt(), kept.size());

    OriginalModel bare;
    watchModel(&bare);
    bare.setLimit(5);
    QCOMPARE(bare.limit(), 0LL);
}

void TestOriginalModel::roles()
{
    auto model = makeModel();
    const QHash<int, QByteArray> names = model->roleNames();
    const QStringList columns = model->getRoleListForQml();
    // The catalogue's names in case-sensitive name order, numbered from 257.
    QStringList sorted = columns;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(columns, sorted);
    QCOMPARE(names.size(), columns.size());
    for (int i = 0; i < columns.size(); ++i) {
        QCOMPARE(names.value(257 + i), columns.at(i).toLatin1());
        QCOMPARE(model->roleNumber(columns.at(i)), 257 + i);
    }
    QVERIFY(columns.contains("group_name"));
    QCOMPARE(model->roleNumber("Name"), 256);
    QVERIFY(!model->containsRole("Name"));

    // Any reader of the display role (a view, the model tester) brings the warning, once.
    MessageCatcher log;
    model->addRow(row("3", "1", {{"name", "x"}, {"extra", "e"}}));
    QCOMPARE(model->data(model->index(0), model->roleNumber("name")).toString(), QString("x"));
    QVERIFY(!model->data(model->index(0), 256).isValid());
    QVERIFY(!model->data(0, "extra").isValid());
    QCOMPARE(model->data(0).value("extra").toString(), QString("e"));
    QVERIFY(!model->data(model->index(1), model->roleNumber("name")).isValid());
    QVERIFY(model->data(5).isEmpty());

    QVERIFY(!model->data(model->index(0), Qt::DisplayRole).isValid());
    QVERIFY(!model->data(model->index(0), Qt::EditRole).isValid());
    QCOMPARE(log.criticals.size(), 1);
    QVERIFY(log.criticals.first().contains("One column role not setted for model"));
    model->setOneColumnRole("name");
    QCOMPARE(model->data(model->index(0), Qt::DisplayRole).toString(), QString("x"));

    QVERIFY(model->setData(model->index(0), "y", model->roleNumber("name")));
    QCOMPARE(model->data(0, "name").toString(), QString("y"));
    OriginalModel bare;
    watchModel(&bare);
    QVERIFY(bare.roleNames().isEmpty());
    QVERIFY(!bare.setData(bare.index(0), "y", 257));
}

void TestOriginalModel::countSignals()
{
    auto model = makeModel();
    QSignalSpy counted(model.get(), &OriginalModel::rowCountChanged);
    QSignalSpy removed(model.get(), &QAbstractItemModel::rowsRemoved);
    for (const char *id : {"1", "2", "3", "4"})
        model->addRow(row(id));
    QCOMPARE(counted.count(), 4);
    QCOMPARE(model->property("rowCount").toInt(), 4);

    model->removeRow(0);
    QCOMPARE(counted.last().first().toInt(), 3);
    model->removeRow(7);
    model->removeRow(-1);
    QCOMPARE(counted.count(), 5);
    // Deleting by id and clearing keep bound counts current too.
    model->delRow("2");
    QCOMPARE(counted.last().first().toInt(), 2);
    QCOMPARE(removed.count(), 2);
    model->delRow("99");
    QCOMPARE(counted.count(), 6);
    model->clear();
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(counted.last().first().toInt(), 0);
    model->clear();
    QCOMPARE(counted.count(), 7);
}

void TestOriginalModel::lookups()
{
    auto model = makeModel();
    model->addRow(row("1", "1", {{"name", "01"}, {"count", 1}}));
    model->addRow(row("2", "1", {{"name", "b"}, {"count", "7"}}));
    model->addRow(row("3", "1", {{"name", "c"}, {"count", "7"}}));

    // QVariant equality converts the right side to the left side's type.
    QCOMPARE(model->checkValueByRole("count", QVariant(1)), 2);
    QCOMPARE(model->checkValueByRole("count", QVariant("1")), 2);
    QCOMPARE(model->checkValueByRole("name", QVariant(1)), -1);
    QCOMPARE(model->checkValueByRole("count", QVariant("7")), 0);
    QCOMPARE(model->checkValueByRole(QStringList{"name", "count"}, QVariantList{"b", "7"}), 1);
    QCOMPARE(model->checkValueByRole(QStringList{"name", "count"}, QVariantList{"b", "8"}), -1);
    QCOMPARE(model->checkValueByRole(QStringList{}, QVariantList{}), 0);
    QCOMPARE(model->checkValueByRole("id", "abc"), -1);
    QCOMPARE(model->data("name", "c", "id").toString(), QString("3"));
    QVERIFY(!model->data("name", "zz", "id").isValid());

    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
    model->updateValue(QString("2"), "name", "bb");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex().row(), 1);
    model->updateValue(QString("2"), "name", "bb");
    model->updateValue(1, "name", "silent", false);
    model->updateValue(QString("9"), "name", "x");
    model->updateValue(9, "name", "x");
    model->updateValue(1, "not_a_column", "x");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model->data(1, "name").toString(), QString("silent"));
    QVERIFY(!model->data(1).contains("not_a_column"));
    model->refresh();
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().at(1).toModelIndex().row(), 2);

    // A changed update time is read again, so the next older record is refused.
    model->updateValue(QString("3"), "dt_utc_last_update", "500");
    model->addRow(row("3", "400", {{"name", "late"}}));
    QCOMPARE(model->data(0, "name").toString(), QString("c"));
}

void TestOriginalModel::catalogueQueries()
{
    auto model = makeModel();
    QCOMPARE(model->roleTitle("name"), QString("Name"));
    QCOMPARE(model->getFieldName("count"), QString("Count"));
    QVERIFY(model->getSeqNum("name") < model->getSeqNum("count"));
    QCOMPARE(model->getFieldProperties("group_name") & Model::ATTACHED, qlonglong(Model::ATTACHED));
    // Names outside the catalogue answer empty, never with an exception, and add nothing.
    QCOMPARE(model->roleTitle("missing"), QString());
    QCOMPARE(model->getFieldName("missing"), QString());
    QCOMPARE(model->getFieldProperties("missing"), -1LL);
    QCOMPARE(model->getSeqNum("missing"), -1LL);
    QVERIFY(!model->baseModel()->fields().contains("missing"));

    OriginalModel bare;
    watchModel(&bare);
    QCOMPARE(bare.getFieldName("name"), QString());
    QCOMPARE(bare.getFieldProperties("name"), -1LL);
    QCOMPARE(bare.getSeqNum("name"), -1LL);
    QCOMPARE(bare.getMaxDtUtcLastUpdate(), 1LL);
    bare.setMaxDtUtcLastUpdate(41);
    QCOMPARE(bare.getMaxDtUtcLastUpdate(), 42LL);
    QSignalSpy loaded(&bare, &OriginalModel::dataAtLeastLoadedChanged);
    bare.setDataAtLeastLoaded(true);
    bare.setDataAtLeastLoaded(true);
    QCOMPARE(loaded.count(), 1);
}

void TestOriginalModel::lookupsByText()
{
    auto model = makeModel();
    model->addRow(row("1", "1", {{"name", "a"}, {"count", 7}}));
    model->addRow(row("2", "1", {{"name", "a"}, {"count", "7"}}));
    model->addRow(row("3", "1", {{"name", "b"}, {"count", "8"}}));
    // The first row in model order (the largest id) among equal texts.
    QCOMPARE(model->firstRowByText({"name", "count"}, {"a", "7"}), 1);
    QCOMPARE(model->firstRowByText({"name"}, {"b"}), 0);
    QCOMPARE(model->firstRowByText({"name"}, {"c"}), -1);
    QCOMPARE(model->data("count", "7", "id").toString(), QString("2"));
    // The index follows inserts, updates and removals.
    model->addRow(row("9", "1", {{"name", "a"}, {"count", "7"}}));
    QCOMPARE(model->firstRowByText({"name", "count"}, {"a", "7"}), 0);
    model->addRow(row("9", "2", {{"name", "z"}}));
    QCOMPARE(model->firstRowByText({"name", "count"}, {"a", "7"}), 2);
    model->delRow("2");
    QCOMPARE(model->firstRowByText({"name", "count"}, {"a", "7"}), 2);
    QCOMPARE(model->data(2, "id").toString(), QString("1"));
    model->clear();
    QCOMPARE(model->firstRowByText({"name"}, {"a"}), -1);
    // Texts holding the separator of the index's keys are still told apart.
    const QString sep(QChar(0x1f));
    model->addRow(row("5", "1", {{"name", "x" + sep + "y"}, {"note", ""}}));
    model->addRow(row("4", "1", {{"name", "x"}, {"note", "y"}}));
    QCOMPARE(model->firstRowByText({"name", "note"}, {"x", "y"}), 1);
    QCOMPARE(model->firstRowByText({"name", "note"}, {"x" + sep + "y", ""}), 0);
}

void TestOriginalModel::matchesReferenceUnderRandomEdits()
{
    // Thousands of rows spread over many blocks: inserts, updates and removals anywhere must keep
    // the same rows, in the same order, as a plain ordered map.
    auto model = makeModel();
    std::map<qint64, QString, std::greater<qint64>> reference;
    QRandomGenerator random(20240611);
    for (int step = 0; step < 20000; ++step) {
        // The model tester walks every row after each change: it watches the first 1500 edits.
        if (step == 1500)
            delete model->findChild<QAbstractItemModelTester *>();
        const qint64 id = random.bounded(6000);
        const int what = random.bounded(10);
        if (what < 7) {
            const QString name = QString::number(step);
            model->addRow(row(QString::number(id), QString::number(step), {{"name", name}}));
            reference[id] = name;
        } else if (what < 9) {
            model->delRow(QString::number(id));
            reference.erase(id);
        } else if (!reference.empty()) {
            const int r = random.bounded(model->rowCount());
            reference.erase(model->data(r, "id").toLongLong());
            model->removeRow(r);
        }
    }
    QCOMPARE(model->rowCount(), int(reference.size()));
    int r = 0;
    for (const auto &entry : reference) {
        QCOMPARE(model->data(r, "id").toLongLong(), entry.first);
        QCOMPARE(model->data(r, "name").toString(), entry.second);
        QCOMPARE(model->findId(QString::number(entry.first)), r);
        ++r;
    }
}

void TestOriginalModel::columnValuesFollowTheRows()
{
    // Rows come, change (told or not), go and are cleared; the prepared columns always hold what
    // the rows hold, in row order, on several threads once there are thousands of rows.
    auto model = makeModel();
    delete model->findChild<QAbstractItemModelTester *>();
    const int name = model->roleNumber("name");
    const int count = model->roleNumber("count");
    // The first row whose prepared values differ from its own, or -1.
    const auto firstDiffering = [&]() {
        const auto columns = model->columnValues().prepare({name, count, OriginalModel::NoRole});
        if (columns.size() != 3 || columns.at(2) || columns.at(0)->size() != model->rowCount())
            return model->rowCount();
        for (int r = 0; r < model->rowCount(); ++r) {
            if (columns.at(0)->at(r) != model->data(r, "name") || columns.at(1)->at(r) != model->data(r, "count"))
                return r;
        }
        return -1;
    };
    QRandomGenerator random(20241207);
    for (int step = 0; step < 16000; ++step) {
        const QString id = QString::number(random.bounded(20000));
        const int what = random.bounded(20);
        if (what < 12) {
            model->addRow(row(id, QVariant(), {{"name", QString("n%1").arg(step)}, {"count", step}}));
        } else if (what < 15) {
            // A change without a signal, as setData makes it.
            model->updateValue(id, "name", QString("quiet %1").arg(step), false);
        } else if (what < 17) {
            model->updateValue(id, "count", -step);
        } else if (what < 19) {
            model->delRow(id);
        }
        if (step == 2000)
            model->clear();
        if (step % 500 == 0 || step > 15990)
            QVERIFY2(firstDiffering() < 0, qPrintable(QString("step %1").arg(step)));
    }
    QVERIFY(model->rowCount() > 4096);

    // Every column in turn, more than are kept at once, each current when asked again.
    const QStringList roles = model->getRoleListForQml();
    QVERIFY(roles.size() > Client::Controller::ColumnValues::MaxColumns);
    for (int round = 0; round < 2; ++round) {
        for (const QString &role : roles) {
            model->updateValue(0, role, QString("%1 %2").arg(role).arg(round), false);
            const auto column = model->columnValues().prepare({model->roleNumber(role)}).first();
            QCOMPARE(column->at(0), model->data(0, role));
            QCOMPARE(column->at(model->rowCount() - 1), model->data(model->rowCount() - 1, role));
        }
    }
}

QTEST_MAIN(TestOriginalModel)
#include "tst_originalmodel.moc"
