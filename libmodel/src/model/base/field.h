#pragma once

#include "common/core/db/fielddescriptor.h"

#include <QString>
#include <QVariant>

namespace Model {

// Flag bits (PRIMARY_KEY, REFERENCE, ...), type codes (SQL_TEXT, ...) and foreign-key actions.
using namespace Common::Sql;

// Descriptor of one column, joined value or display value of a table catalogue: caption, type,
// flags, reference, default and the current value. A plain value type; the setters chain so
// that a declaration is one expression.
class Field : public Common::FieldDescriptor
{
public:
    // Required, no flags.
    Field();
    // Not required, with flags and, for references and joined values, where they point.
    explicit Field(quint64 flags, const QString &refTable = QString(), const QString &attachedColumn = QString(),
                   const QString &attachedJoin = QString());

    Field &addFlags(quint64 mask);
    Field &clearFlags(quint64 mask);
    Field &setType(qint32 type, bool required, const QVariant &defaultValue = QVariant());
    Field &setTitle(const QString &title);
    Field &setLength(quint16 length);
    // A reference to the "id" of refTable, with the ON DELETE / ON UPDATE action codes.
    Field &setReference(quint8 onDelete, quint8 onUpdate, qint32 type, bool required,
                        const QVariant &defaultValue = QVariant());
    Field &setReference(const QString &refColumn, quint8 onDelete, quint8 onUpdate, qint32 type, bool required,
                        const QVariant &defaultValue = QVariant());

    // A reference column to the "id" of refTable: BIGINT NOT NULL DEFAULT 1, ON UPDATE CASCADE.
    static Field referenceTo(const QString &refTable, quint8 onDelete, quint64 flags = ORDINARY);

    // Declaration number from the process-wide counter: declaration order is column order.
    quint64 serial;
    QString title;

private:
    static quint64 nextSerial();
};

} // namespace Model
