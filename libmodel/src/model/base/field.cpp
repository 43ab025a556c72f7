#include "field.h"

#include <atomic>

namespace Model {

quint64 Field::nextSerial()
{
    static std::atomic<quint64> counter{0};
    return counter.fetch_add(1, std::memory_order_relaxed);
}

Field::Field()
    : serial(nextSerial())
{
}

Field::Field(quint64 flags, const QString &refTable, const QString &attachedColumn, const QString &attachedJoin)
    : serial(nextSerial())
{
    this->flags = flags;
    this->refTable = refTable;
    this->attachedColumn = attachedColumn;
    this->attachedJoin = attachedJoin;
    required = false;
}

Field &Field::addFlags(quint64 mask)
{
    flags |= mask;
    return *this;
}

Field &Field::clearFlags(quint64 mask)
{
    flags &= ~mask;
    return *this;
}

Field &Field::setType(qint32 type, bool required, const QVariant &defaultValue)
{
    this->type = type;
    this->required = required;
    this->defaultValue = defaultValue;
    return *this;
}

Field &Field::setTitle(const QString &title)
{
    this->title = title;
    return *this;
}

Field &Field::setLength(quint16 length)
{
    this->length = length;
    return *this;
}

Field &Field::setReference(quint8 onDelete, quint8 onUpdate, qint32 type, bool required,
                           const QVariant &defaultValue)
{
    return setReference(QStringLiteral("id"), onDelete, onUpdate, type, required, defaultValue);
}

Field &Field::setReference(const QString &refColumn, quint8 onDelete, quint8 onUpdate, qint32 type, bool required,
                           const QVariant &defaultValue)
{
    setType(type, required, defaultValue);
    this->refColumn = refColumn;
    onDeleteAction = onDelete;
    onUpdateAction = onUpdate;
    return *this;
}

Field Field::referenceTo(const QString &refTable, quint8 onDelete, quint64 flags)
{
    return Field(REFERENCE | flags, refTable).setReference(onDelete, FK_CASCADE, SQL_BIGINTEGER, true, 1);
}

} // namespace Model
