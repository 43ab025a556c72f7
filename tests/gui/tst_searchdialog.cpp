#include "client/controller/desktopcontroller.h"
#include "client/net/apinetwork.h"
#include "gui/search/search.h"
#include "gui/search/searchrule.h"
#include "gui/style/style.h"
#include "gui/widget/datetimeedit.h"
#include "gui/widget/lineedit.h"
#include "gui/widget/minusbutton.h"
#include "gui/widget/plusbutton.h"
#include "model/base/abstractmodel.h"
#include "modalwatchdog.h"
#include "optionrights.h"
#include "screenshot.h"
#include "sentmessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QJsonDocument>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using Client::Controller::DesktopController;
using Gui::Search;
using Gui::SearchRule;

namespace {

// A list with a titled and an untitled column, a shown text column, a column the rights keep out
// of the search, a joined column and a client-side one.
class SearchCatalogue : public Model::AbstractModel
{
public:
    SearchCatalogue()
    {
        declareColumn(QStringLiteral("name"), Model::SQL_TEXT, true, QStringLiteral("n/a"), QStringLiteral("Name"));
        declareColumn(QStringLiteral("status_string"), Model::SQL_TEXT, false, QVariant(), QStringLiteral("Status"));
        declareColumn(QStringLiteral("note"), Model::SQL_TEXT, false, QVariant(), QString());
        declareColumn(QStringLiteral("secret"), Model::SQL_TEXT, false, QVariant(), QStringLiteral("Secret"));
        declareAttached(QStringLiteral("group_name"), QStringLiteral("groups"), QStringLiteral("name"),
                        QStringLiteral("Group"));
        declareDisplay(QStringLiteral("count_string"), QStringLiteral("Count"));
    }
    QString tableName() const override { return QStringLiteral("search_rows"); }
};

class SearchRows : public DesktopController
{
public:
    explicit SearchRows(bool classWide)
        : m_classWide(classWide)
    {
        if (classWide)
            useClassWideModel<SearchRows, SearchCatalogue>();
        else
            useOwnModel<SearchCatalogue>();
    }
    QString name() const override { return QStringLiteral("searchRows"); }
    bool isStaticModel() const override { return m_classWide; }

private:
    bool m_classWide;
};

QByteArray compact(const QJsonArray &array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

QJsonArray parsed(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).array();
}

// The rule rows in the order the window applies them.
QList<SearchRule *> ruleRows(Search &search)
{
    QList<SearchRule *> rows;
    QLayout *rules = search.layout()->itemAt(0)->layout();
    for (int i = 0; i < rules->count(); ++i)
        rows.append(qobject_cast<SearchRule *>(rules->itemAt(i)->widget()));
    return rows;
}

QComboBox *roleBox(SearchRule *rule)
{
    return rule->findChildren<QComboBox *>().at(0);
}

QStringList boxTexts(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

QPushButton *windowButton(Search &search, QDialogButtonBox::StandardButton which)
{
    return search.findChild<QDialogButtonBox *>()->button(which);
}

// The ids the page shows, in view order.
QStringList shownIds(const DesktopController &controller)
{
    QStringList ids;
    for (int row = 0; row < controller.proxyModel()->rowCount(); ++row)
        ids.append(controller.proxyModel()->data(row, "id").toString());
    return ids;
}

} // namespace

// The extended search window: its field list, rule rows, the rules it saves and sends, and the
// local filter of class-wide lists.
class TestSearchDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void offeredFields();
    void savedAndSent_data();
    void savedAndSent();
    void requestKeepsThePagesParameters();
    void addAndRemoveRules();
    void dateTimeRules();
    void localFilterKeepsThePagesFilters();
    void closingGivesTheRules();
    void screenshot();

private:
    QVariantMap lastRequest() const;

    std::unique_ptr<Client::ApiNetwork> m_net;
    std::unique_ptr<OptionRights> m_rights;
    std::unique_ptr<SentMessages> m_sent;
    std::unique_ptr<SearchRows> m_rows;
    ModalWatchdog m_watchdog;
};

void TestSearchDialog::initTestCase()
{
    Gui::Style::loadFonts();
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
    m_rights = std::make_unique<OptionRights>();
}

void TestSearchDialog::init()
{
    m_rights->clear();
    m_rights->grantRead("searchRows");
    m_rights->setGroupValue("searchRows.crud.table_mapping", R"(["secret"])");
    m_rows = std::make_unique<SearchRows>(false);
    m_sent = std::make_unique<SentMessages>(m_net.get());
}

void TestSearchDialog::cleanup()
{
    m_sent.reset();
    m_rows.reset();
    VERIFY_NO_MODAL(m_watchdog);
    m_watchdog.reset();
}

QVariantMap TestSearchDialog::lastRequest() const
{
    const QList<QVariantMap> maps = m_sent->maps();
    return maps.isEmpty() ? QVariantMap() : maps.last();
}

void TestSearchDialog::offeredFields()
{
    Search search(m_rows.get(), {});
    QCOMPARE(search.windowTitle(), QString("Search"));
    const QList<SearchRule *> rows = ruleRows(search);
    QCOMPARE(rows.size(), 1);
    // In the catalogue's order; the joined, the client-side and the mapped-away fields left out.
    QCOMPARE(boxTexts(roleBox(rows.first())),
             QStringList({"id (Id)", "rst_id_user_locked (User locked)", "dt_utc_last_update (Update time)",
                          "dt_utc_insert (Insert time)", "name (Name)", "status_string (Status)", "note"}));
    QCOMPARE(compact(search.rules()),
             QByteArray(R"([{"condition":"and","expressions":[{"condition":"and","operation":"=","role":"id",)"
                        R"("used":true,"value":""}]}])"));
    QVERIFY(!rows.first()->findChild<Gui::MinusButton *>()->isEnabled());

    // Without a "table_mapping" array nothing is left out for the rights.
    m_rights->clear();
    m_rights->setGroupValue("searchRows.crud.table_mapping", "secret");
    Search unmapped(m_rows.get(), {});
    QVERIFY(boxTexts(roleBox(ruleRows(unmapped).first())).contains("secret (Secret)"));
}

void TestSearchDialog::savedAndSent_data()
{
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QByteArray>("savedAgain");
    QTest::addColumn<QByteArray>("sent");

    const QByteArray defaultRule =
        R"([{"condition":"and","expressions":[{"condition":"and","operation":"=","role":"id","used":true,"value":""}]}])";
    const QByteArray defaultSent =
        R"([{"condition":"and","expressions":[{"condition":"and","operation":"=","role":"id","value":""}]}])";
    QTest::newRow("nothing saved") << QByteArray("[]") << defaultRule << defaultSent;
    QTest::newRow("a group without rules") << QByteArray(R"([{"condition":"and","expressions":[]}])") << defaultRule
                                           << defaultSent;

    const QByteArray three =
        R"([{"condition":"and","expressions":[)"
        R"({"condition":"or","operation":"contains","role":"name","used":true,"value":"abc"},)"
        R"({"condition":"and","operation":"=","role":"note","used":false,"value":"x"},)"
        R"({"condition":"and","operation":"!=","role":"status_string","used":true,"value":"2"}]}])";
    QTest::newRow("ticked rules only, shown text columns by their stored column")
        << three << three
        << QByteArray(R"([{"condition":"and","expressions":[)"
                      R"({"condition":"or","operation":"contains","role":"name","value":"abc"},)"
                      R"({"condition":"and","operation":"!=","role":"status","value":"2"}]}])");

    QTest::newRow("no rule ticked")
        << QByteArray(R"([{"condition":"and","expressions":[{"condition":"and","operation":"not_contains",)"
                      R"("role":"name","used":false,"value":"q"}]}])")
        << QByteArray(R"([{"condition":"and","expressions":[{"condition":"and","operation":"not_contains",)"
                      R"("role":"name","used":false,"value":"q"}]}])")
        << QByteArray(R"([{"condition":"and","expressions":[]}])");

    QTest::newRow("unknown field, comparison and join; no used flag")
        << QByteArray(R"([{"expressions":[{"role":"nosuch","operation":"like","value":"v","condition":"xor"},)"
                      R"({"role":"secret","operation":">=","value":"5","condition":"or","used":true}]}])")
        << QByteArray(R"([{"condition":"and","expressions":[)"
                      R"({"condition":"","operation":"","role":"","used":false,"value":"v"},)"
                      R"({"condition":"or","operation":">=","role":"","used":true,"value":"5"}]}])")
        << QByteArray(R"([{"condition":"and","expressions":[{"condition":"or","operation":">=","role":"","value":"5"}]}])");

    QTest::newRow("date and time as epoch milliseconds")
        << QByteArray(R"([{"condition":"and","expressions":[{"condition":"and","operation":">=",)"
                      R"("role":"dt_utc_insert","used":true,"value":"1700000000000"}]}])")
        << QByteArray(R"([{"condition":"and","expressions":[{"condition":"and","operation":">=",)"
                      R"("role":"dt_utc_insert","used":true,"value":"1700000000000"}]}])")
        << QByteArray(R"([{"condition":"and","expressions":[{"condition":"and","operation":">=",)"
                      R"("role":"dt_utc_insert","value":"1700000000000"}]}])");

    QTest::newRow("only the first group is read")
        << QByteArray(R"([{"condition":"and","expressions":[{"condition":"and","operation":"<","role":"id","used":true,)"
                      R"("value":"9"}]},{"condition":"or","expressions":[{"condition":"and","operation":"=",)"
                      R"("role":"name","used":true,"value":"x"}]}])")
        << QByteArray(R"([{"condition":"and","expressions":[{"condition":"and","operation":"<","role":"id","used":true,)"
                      R"("value":"9"}]}])")
        << QByteArray(R"([{"condition":"and","expressions":[{"condition":"and","operation":"<","role":"id","value":"9"}]}])");
}

void TestSearchDialog::savedAndSent()
{
    QFETCH(QByteArray, saved);
    QFETCH(QByteArray, savedAgain);
    QFETCH(QByteArray, sent);

    Search search(m_rows.get(), parsed(saved));
    QCOMPARE(compact(search.rules()), savedAgain);
    QTest::mouseClick(windowButton(search, QDialogButtonBox::Apply), Qt::LeftButton);
    QCOMPARE(m_sent->count(), 1);
    QCOMPARE(lastRequest().value("JSON_WHERE").toByteArray(), sent);

    // Reopened from what it saved, the window saves and sends the same again.
    Search reopened(m_rows.get(), search.rules());
    QCOMPARE(compact(reopened.rules()), savedAgain);
    QTest::keyClick(&reopened, Qt::Key_Return);
    QCOMPARE(m_sent->count(), 2);
    QCOMPARE(lastRequest().value("JSON_WHERE").toByteArray(), sent);
}

void TestSearchDialog::requestKeepsThePagesParameters()
{
    // The page asked for its list, and a push reloaded it incrementally since.
    m_rows->setUseTrGetList(true);
    QVERIFY(m_rows->trGetList({{"is_archived", "0"}, {"rst_id_owner", "7"}}, false));
    m_rows->insertParam4trGetList("dt_utc_last_update", 1234);
    m_rows->insertParam4trGetList("_do_not_clear_model", "1");
    m_rows->setUseTrGetList(false);
    m_sent->clear();

    Search search(m_rows.get(), {});
    QTest::mouseClick(windowButton(search, QDialogButtonBox::Apply), Qt::LeftButton);
    QCOMPARE(m_sent->count(), 1);
    QVariantMap request = lastRequest();
    QCOMPARE(request.take("FN").toString(), QString("searchRows_trGetList"));
    QCOMPARE(request.take("RECEIVER").toString(), m_rows->objectNumber());
    QCOMPARE(request, QVariantMap({{"is_archived", "0"},
                                   {"rst_id_owner", "7"},
                                   {"query_limit", qint64(0)},
                                   {"JSON_WHERE", R"([{"condition":"and","expressions":[{"condition":"and",)"
                                                  R"("operation":"=","role":"id","value":""}]}])"}}));
    QVERIFY2(!m_rows->useTrGetList(), "the page's own setting comes back");

    // Reset sends nothing; without the read right Apply sends nothing either.
    QTest::mouseClick(windowButton(search, QDialogButtonBox::Reset), Qt::LeftButton);
    m_rights->clear();
    QTest::mouseClick(windowButton(search, QDialogButtonBox::Apply), Qt::LeftButton);
    QCOMPARE(m_sent->count(), 1);
}

void TestSearchDialog::addAndRemoveRules()
{
    Search search(m_rows.get(), {});
    auto plus = [](SearchRule *rule) { QTest::mouseClick(rule->findChild<Gui::PlusButton *>(), Qt::LeftButton); };
    auto minus = [](SearchRule *rule) { QTest::mouseClick(rule->findChild<Gui::MinusButton *>(), Qt::LeftButton); };
    auto removeEnabled = [&] {
        QList<bool> enabled;
        for (SearchRule *rule : ruleRows(search))
            enabled.append(rule->findChild<Gui::MinusButton *>()->isEnabled());
        return enabled;
    };
    auto values = [&] {
        QStringList texts;
        for (SearchRule *rule : ruleRows(search))
            texts.append(rule->value());
        return texts;
    };

    SearchRule *first = ruleRows(search).first();
    first->findChild<Gui::LineEdit *>()->setText("first");
    plus(first);
    QCOMPARE(values(), QStringList({"first", ""}));
    QCOMPARE(removeEnabled(), QList<bool>({true, true}));
    ruleRows(search).at(1)->findChild<Gui::LineEdit *>()->setText("last");
    // A new rule goes directly below the rule that asked for it.
    plus(first);
    QCOMPARE(values(), QStringList({"first", "", "last"}));
    QCOMPARE(ruleRows(search).at(1)->role(), QString("id"));

    // A removed rule leaves the window at once but is deleted only after its own click.
    QPointer<SearchRule> removed = first;
    minus(first);
    QVERIFY(removed);
    QVERIFY(removed->isHidden());
    QCOMPARE(values(), QStringList({"", "last"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!removed);
    QCOMPARE(removeEnabled(), QList<bool>({true, true}));
    minus(ruleRows(search).at(1));
    QCOMPARE(removeEnabled(), QList<bool>({false}));
    minus(ruleRows(search).first());
    QCOMPARE(ruleRows(search).size(), 1);

    // Reset leaves one default rule.
    plus(ruleRows(search).first());
    ruleRows(search).first()->findChild<QCheckBox *>()->setChecked(false);
    QTest::mouseClick(windowButton(search, QDialogButtonBox::Reset), Qt::LeftButton);
    QCOMPARE(compact(search.rules()),
             QByteArray(R"([{"condition":"and","expressions":[{"condition":"and","operation":"=","role":"id",)"
                        R"("used":true,"value":""}]}])"));
    QCOMPARE(removeEnabled(), QList<bool>({false}));
}

void TestSearchDialog::dateTimeRules()
{
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    Search search(m_rows.get(),
                  parsed(R"([{"condition":"and","expressions":[)"
                         R"({"condition":"and","operation":">","role":"dt_utc_insert","used":true,"value":"1700000000000"},)"
                         R"({"condition":"and","operation":">","role":"dt_utc_last_update","used":true,"value":""},)"
                         R"({"condition":"and","operation":">","role":"dt_utc_insert","used":true,"value":"soon"}]}])"));
    search.show();
    const QList<SearchRule *> rows = ruleRows(search);
    for (SearchRule *rule : rows) {
        QVERIFY(rule->isDateTime());
        QVERIFY(rule->findChild<Gui::DateTimeEdit *>()->isVisible());
        QVERIFY(!rule->findChild<Gui::LineEdit *>()->isVisible());
    }
    QCOMPARE(rows.at(0)->findChild<Gui::DateTimeEdit *>()->dateTime(), QDateTime::fromMSecsSinceEpoch(1700000000000));
    // An empty value starts at the current time; text that is no number at the epoch.
    QVERIFY(qAbs(rows.at(1)->value().toLongLong() - before) < 60000);
    QCOMPARE(rows.at(2)->value(), QString("0"));

    // Choosing another field shows the text value, typing a field's name chooses it.
    QComboBox *role = roleBox(rows.at(0));
    role->setCurrentIndex(role->findText("name (Name)"));
    QVERIFY(!rows.at(0)->isDateTime());
    QVERIFY(rows.at(0)->findChild<Gui::LineEdit *>()->isVisible());
    QVERIFY(!rows.at(0)->findChild<Gui::DateTimeEdit *>()->isVisible());
    role->setEditText("DT_UTC_INSERT");
    QCOMPARE(rows.at(0)->role(), QString("dt_utc_insert"));
    QVERIFY(rows.at(0)->findChild<Gui::DateTimeEdit *>()->isVisible());
    role->setEditText("no such field");
    QCOMPARE(rows.at(0)->role(), QString());
    QCOMPARE(role->count(), 7);
}

void TestSearchDialog::localFilterKeepsThePagesFilters()
{
    SearchRows page(true);
    page.originalModel()->clear();
    const QList<QStringList> rows{{"1", "alpha", "keep", "on"}, {"2", "beta", "keep", "off"},
                                  {"3", "alphabet", "drop", "on"}, {"4", "alpine", "keep", "off"}};
    for (const QStringList &row : rows)
        page.originalModel()->addRow({{"id", row[0]}, {"name", row[1]}, {"note", row[2]}, {"status_string", row[3]}});
    page.proxyModel()->sortRows("id", Qt::AscendingOrder);
    page.proxyModel()->appendHardFilterRole("note", "=", "keep");
    QCOMPARE(shownIds(page), QStringList({"1", "2", "4"}));

    Search search(&page, parsed(R"([{"condition":"and","expressions":[)"
                                R"({"condition":"and","operation":"contains","role":"name","used":true,"value":"alp"}]}])"));
    QTest::mouseClick(windowButton(search, QDialogButtonBox::Apply), Qt::LeftButton);
    QCOMPARE(shownIds(page), QStringList({"1", "4"}));

    // Applying again replaces the search's own rules; the shown text column is filtered as it is.
    ruleRows(search).first()->findChild<QCheckBox *>()->setChecked(false);
    search.findChild<Gui::PlusButton *>()->click();
    SearchRule *status = ruleRows(search).at(1);
    roleBox(status)->setCurrentIndex(roleBox(status)->findText("status_string (Status)"));
    status->findChild<Gui::LineEdit *>()->setText("off");
    QTest::mouseClick(windowButton(search, QDialogButtonBox::Apply), Qt::LeftButton);
    QCOMPARE(shownIds(page), QStringList({"2", "4"}));

    QTest::mouseClick(windowButton(search, QDialogButtonBox::Reset), Qt::LeftButton);
    QCOMPARE(shownIds(page), QStringList({"1", "2", "4"}));
    QCOMPARE(m_sent->count(), 0);
    page.originalModel()->clear();
}

void TestSearchDialog::closingGivesTheRules()
{
    for (const bool escape : {true, false}) {
        QPointer<Search> search = new Search(m_rows.get(), {});
        search->show();
        ruleRows(*search).first()->findChild<Gui::LineEdit *>()->setText("42");
        QByteArray rules;
        connect(search, &Search::closed, this, [&] { rules = compact(search->rules()); });
        if (escape)
            QTest::keyClick(search, Qt::Key_Escape);
        else
            QTest::mouseClick(windowButton(*search, QDialogButtonBox::Close), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!search);
        QCOMPARE(rules, QByteArray(R"([{"condition":"and","expressions":[{"condition":"and","operation":"=",)"
                                   R"("role":"id","used":true,"value":"42"}]}])"));
    }
    QCOMPARE(m_sent->count(), 0);
}

void TestSearchDialog::screenshot()
{
    Search search(m_rows.get(),
                  parsed(R"([{"condition":"and","expressions":[)"
                         R"({"condition":"or","operation":"contains","role":"name","used":true,"value":"Koriv"},)"
                         R"({"condition":"and","operation":"!=","role":"status_string","used":false,"value":"2"},)"
                         R"({"condition":"and","operation":">=","role":"dt_utc_insert","used":true,"value":"1700000000000"}]}])"));
    search.show();
    QVERIFY(QTest::qWaitForWindowExposed(&search, timeLimit(5000)));
    const QImage shot = paintedImage(&search, QPoint(2, search.height() / 2));
    QVERIFY(!shot.isNull());
    QVERIFY(saveScreenshot(shot, "search.png"));

    const QList<SearchRule *> rows = ruleRows(search);
    QCOMPARE(rows.size(), 3);
    // The field and value boxes show their rules' texts, each as wide as that text is drawn; the
    // date as a date.
    auto *dateBox = rows.at(2)->findChild<Gui::DateTimeEdit *>();
    const QList<QPair<QLineEdit *, QString>> boxes{
        {roleBox(rows.at(0))->lineEdit(), "name (Name)"},
        {roleBox(rows.at(1))->lineEdit(), "status_string (Status)"},
        {rows.at(0)->findChild<Gui::LineEdit *>(), "Koriv"},
        {rows.at(1)->findChild<Gui::LineEdit *>(), "2"},
        {dateBox->findChild<QLineEdit *>(),
         QDateTime::fromMSecsSinceEpoch(1700000000000).toString(dateBox->displayFormat())}};
    for (const auto &[box, text] : boxes) {
        // Inside the frame, if the box draws one.
        const int side = box->hasFrame() ? 3 : 0;
        const QRect area = areaIn(box, &search).adjusted(side, 3, -side, -3);
        const int width = inkWidth(shot, area, box->palette().color(QPalette::Base), 30);
        QVERIFY2(qAbs(width - textInkWidth(box, text, 30)) <= 1, qPrintable(text + ": " + QString::number(width)));
    }

    // The first and last rules are ticked, the second not.
    const auto tick = [&](SearchRule *rule) { return shot.copy(areaIn(rule->findChild<QCheckBox *>(), &search)); };
    QCOMPARE(tick(rows.at(0)), tick(rows.at(2)));
    QVERIFY(tick(rows.at(0)) != tick(rows.at(1)));
    const QColor text = search.palette().color(QPalette::Text);
    QVERIFY(countNear(tick(rows.at(0)), tick(rows.at(0)).rect(), text, 80)
            > countNear(tick(rows.at(1)), tick(rows.at(1)).rect(), text, 80) + 4);
}

QTEST_MAIN(TestSearchDialog)
#include "tst_searchdialog.moc"
