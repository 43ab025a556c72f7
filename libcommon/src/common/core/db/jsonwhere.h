#pragma once

#include <QJsonArray>
#include <QString>
#include <QVector>

namespace Common {

class Catalogue;

// The filter groups of a list request ("JSON_WHERE"), validated against a catalogue.
// Each group holds expressions (role, operation, value) joined by "and"/"or".
class JsonWhere
{
public:
    enum Operation { Equal, NotEqual, Greater, GreaterOrEqual, Less, LessOrEqual, Contains, NotContains };

    struct Expression
    {
        QString role;
        Operation operation = Equal;
        QString value;
        bool andNext = true; // joins this expression to the next one of its group
        bool used = false;   // false when the value is empty or not a JSON string
    };

    struct Group
    {
        bool isAnd = true; // joins this group to the previous one
        QVector<Expression> expressions;
    };

    static constexpr int MaxGroups = 20;
    static constexpr int MaxExpressions = 100;

    // Validates and reads the groups; throws Exception with the reason at the first fault.
    static QVector<Group> parse(const QJsonArray &groups, const Catalogue &catalogue);
    // The same for JSON text: an array of groups, an empty document, or an empty object.
    static QVector<Group> parse(const QString &jsonText, const Catalogue &catalogue);

    // Canonical SQL of an operation: "=", "!=", ">", ">=", "<", "<=", "LIKE", "NOT LIKE".
    static QLatin1String sql(Operation operation);
    static bool isLike(Operation operation) { return operation == Contains || operation == NotContains; }
    // The LIKE pattern "%value%" with "!", "%" and "_" escaped by "!" (the statement says ESCAPE '!').
    static QString likePattern(const QString &value);
};

} // namespace Common
