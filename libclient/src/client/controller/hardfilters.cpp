#include "hardfilters.h"

#include "fieldorder.h"

#include "model/base/abstractmodel.h"

#include <QDebug>
#include <QHash>
#include <QVarLengthArray>

namespace Client::Controller {

namespace {

const QString DefaultGroup = QStringLiteral("default");

template<typename Record, typename Predicate>
void removeWhere(QMap<qint64, Record> &records, Predicate matches)
{
    for (auto it = records.begin(); it != records.end();) {
        if (matches(it.value()))
            it = records.erase(it);
        else
            ++it;
    }
}

// A new record's key follows the largest one, so the map keeps insertion order.
template<typename T>
qint64 nextKey(const QMap<qint64, T> &map)
{
    return map.isEmpty() ? 0 : map.lastKey() + 1;
}

} // namespace

HardFilters::HardFilters()
{
    resetGroups();
}

void HardFilters::append(const QString &role, const QString &operation, const QVariant &value,
                         const QString &condition, const QString &group)
{
    m_filters.insert(nextKey(m_filters), {role, condition, value, operation, group});
    changed();
}

void HardFilters::clear()
{
    m_filters.clear();
    changed();
}

void HardFilters::removeRole(const QString &role)
{
    removeWhere(m_filters, [&](const Filter &filter) { return filter.role == role; });
    changed();
}

void HardFilters::removeRole(const QString &role, const QString &value)
{
    const QVariant text(value);
    removeWhere(m_filters, [&](const Filter &filter) { return filter.role == role && filter.value == text; });
    changed();
}

void HardFilters::removeGroupFilters(const QString &group)
{
    removeWhere(m_filters, [&](const Filter &filter) { return filter.group == group; });
    changed();
}

void HardFilters::appendGroup(const QString &group, const QString &condition)
{
    m_groups.insert(nextKey(m_groups), {group, condition});
    changed();
}

void HardFilters::removeGroup(const QString &group)
{
    removeWhere(m_groups, [&](const Group &record) { return record.name == group; });
    changed();
}

void HardFilters::resetGroups()
{
    m_groups.clear();
    m_groups.insert(0, {DefaultGroup, QStringLiteral("and")});
    changed();
}

QStringList HardFilters::roles() const
{
    QStringList roles;
    for (const Filter &filter : m_filters)
        roles.append(filter.role);
    return roles;
}

HardFilters::Join HardFilters::joinOf(const QString &condition)
{
    if (condition == QLatin1String("and"))
        return Join::And;
    if (condition == QLatin1String("or"))
        return Join::Or;
    return Join::Invalid;
}

void HardFilters::compile(const Model::AbstractModel *catalogue)
{
    static const QHash<QString, Operation> operations{
        {QStringLiteral("="), Operation::Equal},          {QStringLiteral("!="), Operation::NotEqual},
        {QStringLiteral(">"), Operation::Greater},        {QStringLiteral(">="), Operation::GreaterOrEqual},
        {QStringLiteral("<"), Operation::Less},           {QStringLiteral("<="), Operation::LessOrEqual},
        {QStringLiteral("contains"), Operation::Contains}, {QStringLiteral("not_contains"), Operation::NotContains},
    };
    m_compiled = true;
    m_missingGroup = false;
    m_compiledFilters.clear();
    m_groupJoins.clear();
    const QVector<Group> groups = m_groups.values().toVector();
    for (const Group &group : groups) {
        const Join join = joinOf(group.condition);
        if (join == Join::Invalid)
            qCritical() << "Invalid group expression condition:" << group.condition;
        m_groupJoins.append(join);
    }
    for (const Filter &filter : qAsConst(m_filters)) {
        const auto operation = operations.constFind(filter.operation);
        if (operation == operations.cend()) {
            // A filter with an unknown operation takes no part in its group.
            qCritical() << "Invalid expression operation:" << filter.operation;
            continue;
        }
        int group = -1;
        for (int g = 0; g < groups.size() && group < 0; ++g) {
            if (groups.at(g).name == filter.group)
                group = g;
        }
        if (group < 0) {
            qWarning().noquote() << QStringLiteral("groupFilters doesn't contain value for key='%1'").arg(filter.group);
            m_missingGroup = true;
            continue;
        }
        const Common::FieldDescriptor *field = catalogue ? catalogue->findField(filter.role) : nullptr;
        const Join join = joinOf(filter.condition);
        if (join == Join::Invalid)
            qCritical() << "Invalid group expression operation:" << filter.operation;
        m_compiledFilters.append({field ? filter.role : QString(), operation.value(),
                                  field && FieldOrder::isIntegral(field->type), filter.value.toString(),
                                  filter.value.toLongLong(), filter.value.toDouble(), group, join});
    }
}

namespace {

// Whether the value, as text, equals the text; a text value is not copied to find out.
bool equalsText(const QVariant &value, const QString &text)
{
    if (value.userType() == QMetaType::QString)
        return *static_cast<const QString *>(value.constData()) == text;
    return value.toString() == text;
}

} // namespace

bool HardFilters::matches(const Compiled &filter, const QVariant &value)
{
    switch (filter.operation) {
    case Operation::Equal:
        return equalsText(value, filter.text);
    case Operation::NotEqual:
        return !equalsText(value, filter.text);
    case Operation::Contains:
        return value.toString().contains(filter.text, Qt::CaseInsensitive);
    case Operation::NotContains:
        return !value.toString().contains(filter.text, Qt::CaseInsensitive);
    default:
        break;
    }
    int order;
    if (filter.integral) {
        const qint64 v = value.toLongLong();
        order = v < filter.integer ? -1 : (v > filter.integer ? 1 : 0);
    } else {
        const double v = value.toDouble();
        order = v < filter.real ? -1 : (v > filter.real ? 1 : 0);
    }
    switch (filter.operation) {
    case Operation::Greater:
        return order > 0;
    case Operation::GreaterOrEqual:
        return order >= 0;
    case Operation::Less:
        return order < 0;
    default:
        return order <= 0;
    }
}

bool HardFilters::accepts(const QVariantMap &row) const
{
    static const QVariant none;
    return accepts([this, &row](int filter) -> const QVariant & {
        const QString &column = m_compiledFilters.at(filter).column;
        const auto value = column.isEmpty() ? row.cend() : row.constFind(column);
        return value == row.cend() ? none : value.value();
    });
}

QStringList HardFilters::filterColumns() const
{
    QStringList columns;
    for (const Compiled &filter : m_compiledFilters)
        columns.append(filter.column);
    return columns;
}

bool HardFilters::accepts(const std::function<const QVariant &(int)> &value) const
{
    Q_ASSERT(m_compiled);
    if (m_missingGroup)
        return false;
    if (m_compiledFilters.isEmpty())
        return true;
    struct GroupState
    {
        bool result = true;
        bool first = true;
        Join previous = Join::And;
    };
    QVarLengthArray<GroupState, 8> groups(m_groupJoins.size());
    for (int f = 0; f < m_compiledFilters.size(); ++f) {
        const Compiled &filter = m_compiledFilters.at(f);
        const bool match = matches(filter, value(f));
        GroupState &group = groups[filter.group];
        // Within a group, each filter joins the one before it by that filter's condition.
        if (group.first) {
            group.result = match;
            group.first = false;
        } else if (group.previous == Join::And) {
            group.result = group.result && match;
        } else if (group.previous == Join::Or) {
            group.result = group.result || match;
        }
        group.previous = filter.join;
    }
    bool outcome = groups.isEmpty() || groups.at(0).result;
    for (int g = 1; g < groups.size(); ++g) {
        const Join join = m_groupJoins.at(g - 1);
        if (join == Join::And)
            outcome = outcome && groups.at(g).result;
        else if (join == Join::Or)
            outcome = outcome || groups.at(g).result;
    }
    return outcome;
}

} // namespace Client::Controller
