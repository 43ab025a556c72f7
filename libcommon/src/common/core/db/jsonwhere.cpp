#include "jsonwhere.h"

#include "catalogue.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/utils/jsontext.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>

namespace Common {

namespace {

[[noreturn]] void refuse(const QString &location, const char *reason)
{
    throw Exception(warningLine(location, QLatin1String(reason)));
}

// A text member; any other JSON type reads as an empty text.
QString text(const QJsonObject &object, QLatin1String key)
{
    const QJsonValue value = object.value(key);
    return value.isString() ? value.toString() : QString();
}

bool readCondition(const QString &raw, bool *isAnd)
{
    const QString word = raw.trimmed();
    if (word.compare(QLatin1String("and"), Qt::CaseInsensitive) == 0) {
        *isAnd = true;
        return true;
    }
    if (word.compare(QLatin1String("or"), Qt::CaseInsensitive) == 0) {
        *isAnd = false;
        return true;
    }
    return false;
}

bool readOperation(const QString &raw, JsonWhere::Operation *operation)
{
    static const struct
    {
        const char *name;
        JsonWhere::Operation operation;
    } operations[] = {
        {"=", JsonWhere::Equal},         {"!=", JsonWhere::NotEqual},    {">", JsonWhere::Greater},
        {">=", JsonWhere::GreaterOrEqual}, {"<", JsonWhere::Less},       {"<=", JsonWhere::LessOrEqual},
        {"contains", JsonWhere::Contains}, {"not_contains", JsonWhere::NotContains},
    };
    const QString word = raw.trimmed();
    for (const auto &entry : operations) {
        if (word.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            *operation = entry.operation;
            return true;
        }
    }
    return false;
}

} // namespace

QVector<JsonWhere::Group> JsonWhere::parse(const QJsonArray &groups, const Catalogue &catalogue)
{
    if (groups.size() > MaxGroups)
        refuse(COMMON_LOCATION, "too many groups");
    QVector<Group> result;
    result.reserve(groups.size());
    int expressionCount = 0;
    for (const QJsonValue &groupValue : groups) {
        const QJsonObject groupObject = groupValue.toObject();
        Group group;
        if (!readCondition(text(groupObject, QLatin1String("condition")), &group.isAnd))
            refuse(COMMON_LOCATION, "group condition is wrong");
        const QJsonArray expressions = groupObject.value(QLatin1String("expressions")).toArray();
        expressionCount += expressions.size();
        if (expressionCount > MaxExpressions)
            refuse(COMMON_LOCATION, "too many expressions");
        group.expressions.reserve(expressions.size());
        for (const QJsonValue &expressionValue : expressions) {
            const QJsonObject object = expressionValue.toObject();
            Expression expression;
            if (!readCondition(text(object, QLatin1String("condition")), &expression.andNext))
                refuse(COMMON_LOCATION, "expression condition is wrong");
            expression.role = text(object, QLatin1String("role")).trimmed();
            const FieldDescriptor *field = catalogue.findField(expression.role);
            if (!field || field->has(Sql::CUSTOM) || Catalogue::isCredential(expression.role, *field))
                refuse(COMMON_LOCATION, "role is wrong");
            if (!readOperation(text(object, QLatin1String("operation")), &expression.operation))
                refuse(COMMON_LOCATION, "operation is wrong");
            expression.value = text(object, QLatin1String("value"));
            expression.used = !expression.value.isEmpty();
            group.expressions.append(expression);
        }
        result.append(group);
    }
    return result;
}

QVector<JsonWhere::Group> JsonWhere::parse(const QString &jsonText, const Catalogue &catalogue)
{
    if (jsonText.trimmed().isEmpty())
        return {};
    QString error;
    QString repeated;
    const QJsonDocument document = readJson(jsonText.toUtf8(), &error, &repeated);
    if (!error.isEmpty())
        refuse(COMMON_LOCATION, "filter is not valid JSON");
    if (!repeated.isEmpty())
        qWarning().noquote() << "Filter:" << repeated;
    if (document.isObject() && !document.object().isEmpty())
        refuse(COMMON_LOCATION, "filter groups are not an array");
    return parse(document.array(), catalogue);
}

QLatin1String JsonWhere::sql(Operation operation)
{
    switch (operation) {
    case Equal: return QLatin1String("=");
    case NotEqual: return QLatin1String("!=");
    case Greater: return QLatin1String(">");
    case GreaterOrEqual: return QLatin1String(">=");
    case Less: return QLatin1String("<");
    case LessOrEqual: return QLatin1String("<=");
    case Contains: return QLatin1String("LIKE");
    case NotContains: return QLatin1String("NOT LIKE");
    }
    return QLatin1String("=");
}

QString JsonWhere::likePattern(const QString &value)
{
    QString pattern;
    pattern.reserve(value.size() + 8);
    pattern += QLatin1Char('%');
    for (const QChar c : value) {
        if (c == QLatin1Char('!') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            pattern += QLatin1Char('!');
        pattern += c;
    }
    pattern += QLatin1Char('%');
    return pattern;
}

} // namespace Common
