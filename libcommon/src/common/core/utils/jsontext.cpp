#include "common/core/utils/jsontext.h"

#include "common/core/utils/jsonnamescan.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonParseError>
#include <QPair>
#include <QVector>

#include <algorithm>

namespace Common {
namespace {

QJsonValue withoutRenamed(const QJsonValue &value, const QString &prefix, bool *changed);

// A member of an object that loses its renamed members: renamed itself, or with a new value.
struct Change
{
    int index;
    bool renamed;
    QJsonValue value;
};

// Removing a member moves those after it: for a few renamed members.
QJsonObject changedInPlace(const QJsonObject &object, const QVector<Change> &changes)
{
    QJsonObject result = object;
    auto it = result.begin();
    int at = 0; // the index in object of the member at it
    for (const Change &change : changes) {
        it += change.index - at;
        at = change.index;
        if (change.renamed) {
            it = result.erase(it);
            ++at;
        } else {
            it.value() = change.value;
        }
    }
    return result;
}

// For many: the members kept, inserted in the order QJsonObject keeps, so that each appends.
QJsonObject rebuilt(const QJsonObject &object, const QVector<Change> &changes)
{
    QVector<QPair<QString, QJsonValue>> kept;
    kept.reserve(object.size());
    auto change = changes.cbegin();
    int index = 0;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it, ++index) {
        const bool changedHere = change != changes.cend() && change->index == index;
        if (!changedHere || !change->renamed)
            kept.append({it.key(), changedHere ? change->value : it.value()});
        if (changedHere)
            ++change;
    }
    std::sort(kept.begin(), kept.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QJsonObject result;
    for (const auto &member : qAsConst(kept))
        result.insert(member.first, member.second);
    return result;
}

// The object without its members whose names start with prefix, nor those of the objects within.
// It is changed through its iterators, never by name: where Qt's parser compares a name written
// in UTF-8 with one that has escapes it orders them by code point, but QJsonObject looks a name
// up by UTF-16 code unit, so it would miss some.
QJsonObject withoutRenamed(const QJsonObject &object, const QString &prefix, bool *changed)
{
    QVector<Change> changes;
    int index = 0;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it, ++index) {
        if (it.key().startsWith(prefix)) {
            changes.append({index, true, {}});
            continue;
        }
        bool inner = false;
        QJsonValue value = withoutRenamed(it.value(), prefix, &inner);
        if (inner)
            changes.append({index, false, std::move(value)});
    }
    if (changes.isEmpty())
        return object;
    *changed = true;
    const int renamed = int(std::count_if(changes.cbegin(), changes.cend(), [](const Change &c) { return c.renamed; }));
    return renamed > 16 ? rebuilt(object, changes) : changedInPlace(object, changes);
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
