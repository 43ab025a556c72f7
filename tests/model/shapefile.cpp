#include "shapefile.h"

#include "shapenames.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

using namespace Model;

namespace ShapeFile {

namespace {

QString localOffset()
{
    return QString::number(QDateTime::currentDateTime().offsetFromUtc() / 60);
}

quint64 parseFlags(const QString &text)
{
    quint64 flags = 0;
    for (const QString &name : text.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        flags |= ShapeNames::flag(name);
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
    differ("type", QString::number(field.type), QString::number(ShapeNames::type(row.at(2).toString())));
    differ("flags", QString::number(field.flags), QString::number(parseFlags(row.at(3).toString())));
    differ("required", field.required ? "yes" : "no", row.at(4).toBool() ? "yes" : "no");
    differ("default", describeDefault(field.defaultValue), expectedDefault(row.at(5)));

    const QString reference = row.at(6).toString();
    QString refTable, attachedColumn, attachedJoin, onDelete = "0", onUpdate = "0", refColumn;
    if (reference.startsWith(QLatin1String("ref:"))) {
        const QStringList parts = reference.split(QLatin1Char(':'));
        refTable = parts.value(1);
        refColumn = QStringLiteral("id");
        onDelete = QString::number(ShapeNames::action(parts.value(2)));
        onUpdate = QString::number(ShapeNames::action(parts.value(3)));
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
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("%s: %s", qPrintable(file.fileName()), qPrintable(error.errorString()));
    return document.object();
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
