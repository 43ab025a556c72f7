#include "common/core/utils/jsontext.h"

#include "common/core/utils/jsonnamescan.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonParseError>

#include <optional>

namespace Common {
namespace {

QJsonValue withoutRenamed(const QJsonValue &value, const QString &prefix, bool *changed);

// The object without its members whose names start with prefix, nor those of the objects within.
QJsonObject withoutRenamed(const QJsonObject &object, const QString &prefix, bool *changed)
{
    // Built only from the first member that changes; members come in key order, so each insert
    // appends.
    std::optional<QJsonObject> kept;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QString key = it.key();
        const bool renamed = key.startsWith(prefix);
        bool inner = false;
        const QJsonValue value = renamed ? QJsonValue() : withoutRenamed(it.value(), prefix, &inner);
        if (!kept && (renamed || inner)) {
            kept.emplace();
            for (auto done = object.constBegin(); done != it; ++done)
                kept->insert(done.key(), done.value());
        }
        if (kept && !renamed)
            kept->insert(key, value);
    }
    *changed = *changed || kept.has_value();
    return kept ? *kept : object;
}

QJsonArray withoutRenamed(const QJsonArray &array, const QString &prefix, bool *changed)
{
    QJsonArray result = array;
    for (int i = 0; i < array.size(); ++i) {
        bool inner = false;
        const QJsonValue value = withoutRenamed(array.at(i), prefix, &inner);
        if (inner)
            result.replace(i, value);
        *changed = *changed || inner;
    }
    return result;
}

QJsonValue withoutRenamed(const QJsonValue &value, const QString &prefix, bool *changed)
{
    if (value.isObject())
        return withoutRenamed(value.toObject(), prefix, changed);
    if (value.isArray())
        return withoutRenamed(value.toArray(), prefix, changed);
    return value;
}

} // namespace

QJsonDocument readJson(const QByteArray &text, QString *error, QString *repeated)
{
    JsonNameScan names(text);
    const bool repeats = names.findRepeated();
    QJsonParseError parseError;
    QJsonDocument document = QJsonDocument::fromJson(repeats ? names.renamed() : text, &parseError);
    const bool read = parseError.error == QJsonParseError::NoError;
    if (error)
        *error = read ? QString() : parseError.errorString();
    if (repeated) {
        *repeated = read && repeats ? QStringLiteral("member \"%1\" is given twice in one object: the last value is read")
                                          .arg(names.firstRepeated().left(80))
                                    : QString();
    }
    if (!read || !repeats)
        return document;
    bool changed = false;
    const QString prefix = names.renamePrefix();
    return document.isObject() ? QJsonDocument(withoutRenamed(document.object(), prefix, &changed))
                               : QJsonDocument(withoutRenamed(document.array(), prefix, &changed));
}

} // namespace Common
