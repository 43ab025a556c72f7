#include "shapefile.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QStringList>

using namespace Model;

namespace ShapeFile {

namespace {

const QMap<QString, quint64> kFlags = {
    {"PRIMARY_KEY", PRIMARY_KEY}, {"REFERENCE", REFERENCE},   {"UPDATE_TIMESTAMP", UPDATE_TIMESTAMP},
    {"INSERT_TIMESTAMP", INSERT_TIMESTAMP}, {"UNIQUE", UNIQUE}, {"ATTACHED", ATTACHED},
    {"IS_UUID", IS_UUID},         {"NON_UPDATABLE", NON_UPDATABLE}, {"HIDDEN", HIDDEN},
    {"UNIQUE_DUPLICATE", UNIQUE_DUPLICATE}, {"CUSTOM", CUSTOM}, {"SYNC_TAX", SYNC_TAX},
    {"API", API},                 {"SYNC_ORLEM", SYNC_ORLEM},
};

const QMap<QString, qint32> kTypes = {
    {"SQL_UNDEFINED", SQL_UNDEFINED}, {"SQL_INTEGER", SQL_INTEGER}, {"SQL_BIGINTEGER", SQL_BIGINTEGER},
    {"SQL_REAL", SQL_REAL},           {"SQL_DOUBLE", SQL_DOUBLE},   {"SQL_VARCHAR", SQL_VARCHAR},
    {"SQL_TEXT", SQL_TEXT},
};

const QMap<QString, quint8> kActions = {
    {"RESTRICT", FK_RESTRICT}, {"NO ACTION", FK_NO_ACTION}, {"CASCADE", FK_CASCADE},
    {"SET NULL", FK_SET_NULL}, {"SET DEFAULT", FK_SET_DEFAULT},
};

QString localOffset()
{
    return QString::number(QDateTime::currentDateTime().offsetFromUtc() / 60);
}

quint64 parseFlags(const QString &text, QStringList &problems)
{
    quint64 flags = 0;
    for (const QString &name : text.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        if (!kFlags.contains(name))
            problems << QStringLiteral("shape file: unknown flag %1").arg(name);
        flags |= kFlags.value(name);
    }
    return flags;
}

QString describeDefault(const QVariant &value)
{
    if (!value.isValid())
        return QStringLiteral("none");
    return QStringLiteral("%1:%2").arg(QString::fromLatin1(value.typeName()), value.toString());
}

// The expected default as the same text as describeDefault.
QString expectedDefault(const QJsonValue &value)
{
    if (value.isNull())
        return QStringLiteral("none");
    const QString text = value.toString();
    if (text == QLatin1String("utc_offset"))
        return QStringLiteral("QString:") + localOffset();
    const int colon = text.indexOf(QLatin1Char(':'));
    const QString kind = text.left(colon);
    const QString rest = text.mid(colon + 1);
    if (kind == QLatin1String("int"))
        return QStringLiteral("int:") + rest;
    if (kind == QLatin1String("double"))
        return QStringLiteral("double:") + rest;
    return QStringLiteral("QString:") + rest;
}

void compareField(const QString &name, const Field &field, const QJsonArray &row, QStringList &problems)
{
    auto differ = [&](const char *what, const QString &actual, const QString &expected) {
        if (actual != expected)
            problems << QStringLiteral("%1.%2: '%3', expected '%4'").arg(name, QLatin1String(what), actual, expected);
    };
    differ("caption", field.title, row.at(1).toString());
    const QString typeName = row.at(2).toString();
    if (!kTypes.contains(typeName))
        problems << QStringLiteral("shape file: unknown type %1").arg(typeName);
    differ("type", QString::number(field.type), QString::number(kTypes.value(typeName, -1)));
    differ("flags", QString::number(field.flags), QString::number(parseFlags(row.at(3).toString(), problems)));
    differ("required", field.required ? "yes" : "no", row.at(4).toBool() ? "yes" : "no");
    differ("default", describeDefault(field.defaultValue), expectedDefault(row.at(5)));

    const QString reference = row.at(6).toString();
    QString refTable, attachedColumn, attachedJoin, onDelete = "0", onUpdate = "0", refColumn;
    if (reference.startsWith(QLatin1String("ref:"))) {
        const QStringList parts = reference.split(QLatin1Char(':'));
        refTable = parts.value(1);
        refColumn = QStringLiteral("id");
        onDelete = QString::number(kActions.value(parts.value(2), 99));
        onUpdate = QString::number(kActions.value(parts.value(3), 99));
    } else if (reference.startsWith(QLatin1String("from:"))) {
        const QStringList parts = reference.mid(5).split(QLatin1String(" via:"));
        refTable = parts.value(0).section(QLatin1Char('.'), 0, 0);
        attachedColumn = parts.value(0).section(QLatin1Char('.'), 1);
        attachedJoin = parts.value(1);
    }
    differ("refTable", field.refTable, refTable);
    differ("refColumn", field.refColumn, refColumn);
    differ("onDelete", QString::number(field.onDelete()), onDelete);
    differ("onUpdate", QString::number(field.onUpdate()), onUpdate);
    differ("attachedColumn", field.attachedColumn, attachedColumn);
    differ("attachedJoin", field.attachedJoin, attachedJoin);
}

QString indexText(const QList<QStringList> &indexes)
{
    QStringList parts;
    for (const QStringList &index : indexes)
        parts << QLatin1Char('(') + index.join(QLatin1Char(',')) + QLatin1Char(')');
    return parts.join(QLatin1Char(' '));
}

} // namespace

QJsonObject load(const QString &fileName)
{
    QFile file(qEnvironmentVariable("KORIV_SOURCE_DIR") + QStringLiteral("/tests/model/shapes/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

QString compare(const AbstractModel &model, const QJsonObject &description, const QJsonObject &common)
{
    QStringList problems;
    const QJsonValue table = description.value(QStringLiteral("table"));
    if (!table.isNull() && model.tableName() != table.toString())
        problems << QStringLiteral("table: '%1', expected '%2'").arg(model.tableName(), table.toString());

    QJsonArray rows;
    QList<QStringList> indexes;
    auto appendIndexes = [&indexes](const QJsonArray &list) {
        for (const QJsonValue &index : list)
            indexes << index.toVariant().toStringList();
    };
    if (description.value(QStringLiteral("common")).toBool()) {
        for (const QJsonValue &row : common.value(QStringLiteral("fields")).toArray())
            rows.append(row);
        appendIndexes(common.value(QStringLiteral("indexes")).toArray());
    }
    for (const QJsonValue &row : description.value(QStringLiteral("fields")).toArray())
        rows.append(row);
    appendIndexes(description.value(QStringLiteral("indexes")).toArray());

    QStringList names;
    for (const QJsonValue &row : rows)
        names << row.toArray().at(0).toString();
    const QStringList actual = model.fieldNamesBySerial();
    if (actual != names)
        problems << QStringLiteral("fields: %1\n  expected: %2").arg(actual.join(' '), names.join(' '));
    for (const QJsonValue &row : rows) {
        const QJsonArray field = row.toArray();
        const QString name = field.at(0).toString();
        if (const auto it = model.fields().constFind(name); it != model.fields().cend())
            compareField(name, it.value(), field, problems);
    }
    const QJsonValue count = description.value(QStringLiteral("fieldCount"));
    if (!count.isUndefined() && model.fields().size() != count.toInt())
        problems << QStringLiteral("field count %1, expected %2").arg(model.fields().size()).arg(count.toInt());
    if (indexText(model.indexes()) != indexText(indexes))
        problems << QStringLiteral("indexes: %1\n  expected: %2").arg(indexText(model.indexes()), indexText(indexes));
    const qint64 limit = description.value(QStringLiteral("limit")).toVariant().toLongLong();
    if (model.limit() != limit)
        problems << QStringLiteral("limit %1, expected %2").arg(model.limit()).arg(limit);
    return problems.join(QLatin1Char('\n'));
}

} // namespace ShapeFile
