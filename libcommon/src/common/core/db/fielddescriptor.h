#pragma once

#include "sqltypes.h"

#include <QString>
#include <QVariant>

namespace Common {

// What the SQL layer reads of one field of a table catalogue: flags, type, reference and value.
struct FieldDescriptor
{
    QVariant value = QVariant(QStringLiteral(""));
    quint64 flags = 0;
    qint32 type = Sql::SQL_UNDEFINED;
    quint16 length = 0;
    QString refTable;
    QString refColumn;
    quint8 onDeleteAction = Sql::FK_NONE;
    quint8 onUpdateAction = Sql::FK_NONE;
    QString attachedColumn;
    QString attachedJoin;
    bool required = true;
    QVariant defaultValue;

    quint8 onDelete() const { return onDeleteAction; }
    quint8 onUpdate() const { return onUpdateAction; }
    bool has(quint64 mask) const { return (flags & mask) != 0; }
    bool isColumn() const { return (flags & Sql::NotAColumn) == 0; }

    // The value as it is bound: an empty text in a numeric column is SQL NULL.
    QVariant bindValue() const { return bindable(value); }
    QVariant bindable(const QVariant &v) const;
};

} // namespace Common
