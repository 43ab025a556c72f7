#pragma once

#include <QMap>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>

namespace Model {
class AbstractModel;
}

namespace Client::Controller {

// The hard filters of a list view: single-column expressions joined inside named groups, and
// the groups joined in turn. The records keep their insertion order; compile() resolves them
// against a catalogue once (O(filters x groups)), after which accepts() costs one value look-up
// per filter (O(filters x log columns)) and no name or operation is looked up again.
class HardFilters
{
public:
    HardFilters();

    // The records. A filter names its group; "default" exists from the start.
    void append(const QString &role, const QString &operation, const QVariant &value, const QString &condition,
                const QString &group);
    void clear();
    void removeRole(const QString &role);
    // Removes the filters on role whose value, as a QVariant, equals the text value.
    void removeRole(const QString &role, const QString &value);
    // Removes the filters of one group, leaving the group records as they are.
    void removeGroupFilters(const QString &group);
    void appendGroup(const QString &group, const QString &condition);
    // Removes the group records of that name; the filters naming it stay.
    void removeGroup(const QString &group);
    // Leaves the "default" group alone: the filters added without a group name belong to it.
    void resetGroups();
    // The filtered columns, in insertion order (a column once per filter).
    QStringList roles() const;

    // Resolves operations, groups and column types; the problems found are logged here, once
    // per compile and not once per row. Columns outside the catalogue read as empty values.
    void compile(const Model::AbstractModel *catalogue);
    bool isCompiled() const { return m_compiled; }
    // Whether the row passes; a filter naming a missing group rejects every row. Needs compile().
    bool accepts(const QVariantMap &row) const;
    // The column each compiled filter reads, in order; empty for a column outside the catalogue.
    QStringList filterColumns() const;
    // The same, value(i) giving the row's value in filterColumns().at(i).
    bool accepts(const std::function<const QVariant &(int)> &value) const;

private:
    struct Group
    {
        QString name;
        QString condition;
    };
    struct Filter
    {
        QString role;
        QString condition;
        QVariant value;
        QString operation;
        QString group;
    };
    enum class Join { And, Or, Invalid };
    enum class Operation { Equal, NotEqual, Greater, GreaterOrEqual, Less, LessOrEqual, Contains, NotContains };
    // A filter ready for the row loop: its column, comparison and operands resolved once.
    struct Compiled
    {
        QString column;
        Operation operation;
        bool integral;
        QString text;
        qint64 integer;
        double real;
        int group;
        Join join;
    };

    static Join joinOf(const QString &condition);
    static bool matches(const Compiled &filter, const QVariant &value);
    void changed() { m_compiled = false; }

    QMap<qint64, Group> m_groups;
    QMap<qint64, Filter> m_filters;
    bool m_compiled = false;
    bool m_missingGroup = false;
    QVector<Compiled> m_compiledFilters;
    // The condition of each group, joining its result to the next group's.
    QVector<Join> m_groupJoins;
};

} // namespace Client::Controller
