#include "search.h"

#include "searchrule.h"

#include "gui/security/securitylookup.h"

#include "client/controller/desktopcontroller.h"
#include "client/controller/list/search.h"
#include "common/core/db/sqltypes.h"
#include "common/core/utils/jsontext.h"

#include <QDebug>
#include <QDialogButtonBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QVBoxLayout>

namespace Gui {

namespace {

const QString SearchGroup = QStringLiteral("search");
const QString And = QStringLiteral("and");
const QString ExpressionsKey = QStringLiteral("expressions");
const QString RoleKey = QStringLiteral("role");
const QString OperationKey = QStringLiteral("operation");
const QString ValueKey = QStringLiteral("value");
const QString ConditionKey = QStringLiteral("condition");

// One group of expressions joined by "and", the shape of both the saved and the request form.
QJsonArray oneGroup(const QJsonArray &expressions)
{
    return QJsonArray{QJsonObject{{ConditionKey, And}, {ExpressionsKey, expressions}}};
}

// The roles the option "<controller>.crud.table_mapping" keeps out of the search: a JSON array.
QStringList hiddenRoles(Client::Controller::DesktopController *controller)
{
    const QString value = SecurityLookup().value(controller, SecurityLookup::operationNumber(QStringLiteral("table_mapping")));
    QStringList roles;
    QString repeated;
    for (const QJsonValue &role : Common::readJson(value.toUtf8(), nullptr, &repeated).array())
        roles.append(role.toString());
    if (!repeated.isEmpty())
        qWarning().noquote() << "Search: the option table_mapping:" << repeated;
    return roles;
}

} // namespace

Search::Search(Client::Controller::DesktopController *controller, const QJsonArray &rules)
    : m_controller(controller)
    , m_roleController(new Client::Controller::Search)
    , m_rules(new QVBoxLayout)
{
    setWindowTitle(tr("Search"));
    m_roleController->originalModel()->setOneColumnRole(QStringLiteral("title"));

    m_rules->setSpacing(0);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Reset | QDialogButtonBox::Apply | QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Apply)->setDefault(true);
    connect(buttons->button(QDialogButtonBox::Reset), &QPushButton::clicked, this, &Search::onReset);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &Search::onApply);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    connect(this, &Window::enterPressed, this, &Search::onApply);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_rules);
    layout->addStretch();
    layout->addWidget(buttons);
    resize(800, 400);

    fillRoles();
    loadRules(rules);
}

Search::~Search()
{
    emit closed();
    delete m_roleController;
}

void Search::fillRoles()
{
    if (!m_controller || !m_controller->originalModel())
        return;
    const Client::Controller::OriginalModel *model = m_controller->originalModel();
    const QStringList hidden = hiddenRoles(m_controller);
    int id = 1000;
    for (const QString &role : model->getRoleListForQml()) {
        // A role without a field has the properties -1, which carry every flag.
        if (model->getFieldProperties(role) & (Common::Sql::ATTACHED | Common::Sql::CUSTOM))
            continue;
        if (hidden.contains(role))
            continue;
        const QString title = model->getFieldName(role);
        m_roleController->originalModel()->addRow(
            {{QStringLiteral("id"), id--},
             {QStringLiteral("title"), title.isEmpty() ? role : QStringLiteral("%1 (%2)").arg(role, title)},
             {RoleKey, role},
             {QStringLiteral("seq_num"), model->getSeqNum(role)}});
    }
    m_roleController->proxyModel()->sortRows(QStringLiteral("seq_num"), Qt::AscendingOrder);
}

void Search::loadRules(const QJsonArray &rules)
{
    const QJsonArray expressions = rules.at(0).toObject().value(ExpressionsKey).toArray();
    if (expressions.isEmpty()) {
        insertDefaultRule(0);
        return;
    }
    for (const QJsonValue &value : expressions) {
        const QJsonObject rule = value.toObject();
        insertRule(m_rules->count(), rule.value(RoleKey).toString(), rule.value(OperationKey).toString(),
                   rule.value(ValueKey).toString(), rule.value(ConditionKey).toString(),
                   rule.value(QStringLiteral("used")).toBool());
    }
}

void Search::insertRule(int index, const QString &role, const QString &operation, const QString &value,
                        const QString &condition, bool used)
{
    auto *rule = new SearchRule(m_roleController, role, operation, value, condition, used, this);
    m_rules->insertWidget(index, rule);
    connect(rule, &SearchRule::appended, this, [this, rule] { insertDefaultRule(m_rules->indexOf(rule) + 1); });
    connect(rule, &SearchRule::removed, this, [this, rule] { removeRule(rule); });
    updateRemoveButtons();
}

void Search::insertDefaultRule(int index)
{
    insertRule(index, QStringLiteral("id"), QStringLiteral("="), QString(), And, true);
}

void Search::removeRule(SearchRule *rule)
{
    if (m_rules->indexOf(rule) < 0)
        return;
    m_rules->removeWidget(rule);
    rule->hide();
    // The rule's own button is still delivering its click.
    rule->deleteLater();
    updateRemoveButtons();
}

void Search::updateRemoveButtons()
{
    const QList<SearchRule *> rows = ruleRows();
    // The last remaining rule cannot be removed.
    if (!rows.isEmpty())
        rows.first()->setRemoveEnabled(rows.size() >= 2);
}

QList<SearchRule *> Search::ruleRows() const
{
    QList<SearchRule *> rows;
    for (int i = 0; i < m_rules->count(); ++i) {
        if (auto *rule = qobject_cast<SearchRule *>(m_rules->itemAt(i)->widget()))
            rows.append(rule);
    }
    return rows;
}

QJsonArray Search::rules() const
{
    QJsonArray expressions;
    for (const SearchRule *rule : ruleRows()) {
        expressions.append(QJsonObject{{RoleKey, rule->role()},
                                       {OperationKey, rule->operation()},
                                       {ValueKey, rule->value()},
                                       {ConditionKey, rule->condition()},
                                       {QStringLiteral("used"), rule->isUsed()}});
    }
    return oneGroup(expressions);
}

QString Search::jsonWhere() const
{
    QJsonArray expressions;
    for (const SearchRule *rule : ruleRows()) {
        if (!rule->isUsed())
            continue;
        // The server knows the stored column behind a shown text column.
        expressions.append(QJsonObject{{RoleKey, rule->role().remove(QStringLiteral("_string"))},
                                       {OperationKey, rule->operation()},
                                       {ValueKey, rule->value()},
                                       {ConditionKey, rule->condition()}});
    }
    return QString::fromUtf8(QJsonDocument(oneGroup(expressions)).toJson(QJsonDocument::Compact));
}

void Search::onApply()
{
    if (!m_controller)
        return;
    if (m_controller->isStaticModel())
        applyLocally();
    else
        requestList();
}

void Search::applyLocally()
{
    Client::Controller::ProxyModel *proxy = m_controller->proxyModel();
    if (!proxy)
        return;
    proxy->beginPrepare();
    removeLocalFilter();
    proxy->appendHardFilterGroup(SearchGroup, And);
    for (const SearchRule *rule : ruleRows()) {
        if (rule->isUsed())
            proxy->appendHardFilterRole(rule->role(), rule->operation(), QVariant(rule->value()), rule->condition(),
                                        SearchGroup);
    }
    proxy->endPrepare();
}

// Only the search's own group goes: the page's filters stay.
void Search::removeLocalFilter()
{
    Client::Controller::ProxyModel *proxy = m_controller->proxyModel();
    proxy->removeHardFilterGroup(SearchGroup);
    proxy->removeHardFilterGroupRoles(SearchGroup);
}

void Search::requestList()
{
    // The page's own list parameters stay; an incremental reload's markers do not.
    QVariantMap params = m_controller->getMapParamsFromTrGetList();
    params.remove(QStringLiteral("_do_not_clear_model"));
    params.remove(QStringLiteral("dt_utc_last_update"));
    params.insert(QStringLiteral("JSON_WHERE"), jsonWhere());
    const bool used = m_controller->useTrGetList();
    m_controller->setUseTrGetList(true);
    m_controller->trGetList(params, false);
    m_controller->setUseTrGetList(used);
}

void Search::onReset()
{
    const QList<SearchRule *> rows = ruleRows();
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        removeRule(*it);
    insertDefaultRule(0);
    if (m_controller && m_controller->isStaticModel() && m_controller->proxyModel()) {
        m_controller->proxyModel()->beginPrepare();
        removeLocalFilter();
        m_controller->proxyModel()->endPrepare();
    }
}

} // namespace Gui
