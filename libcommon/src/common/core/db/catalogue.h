#pragma once

#include "fielddescriptor.h"

#include <QStringList>
#include <QVariant>

#include <functional>

class QSqlQuery;

namespace Common {

// A table's field catalogue holding one row of values: what Dao and the query builder work on.
// The model library's catalogues implement it.
class Catalogue
{
public:
    using FieldVisitor = std::function<void(const QString &name, const FieldDescriptor &field)>;

    virtual ~Catalogue();

    virtual QString tableName() const = 0;
    // Every field, in ascending name order.
    virtual void visitFields(const FieldVisitor &visit) const = 0;
    // The field of that name, or null.
    virtual const FieldDescriptor *findField(const QString &name) const = 0;
    // Value access by name; both throw an Exception kind for a name the catalogue lacks.
    virtual QVariant value(const QString &name) const = 0;
    virtual void setValue(const QString &name, const QVariant &value) = 0;
    // Copies the query's current row into the values of the fields it holds.
    virtual void fillFromQuery(const QSqlQuery &query) = 0;
    // Options of the next list query ("dt_utc_insert_start", "dt_utc_insert_end").
    virtual QString queryOption(const QString &key) const = 0;
    // SQL that code (never a request) adds to the fixed filters of a list query.
    virtual QString whereString() const = 0;
    // "'name'='value', ..." for logs, secrets masked.
    virtual QString debugString(const QStringList &names) const = 0;

    // The name of the primary key column ("id").
    QString primaryKey() const;
    // True for fields whose values never go to a log: HIDDEN ones and credentials.
    static bool isSecret(const QString &name, const FieldDescriptor &field);
    // True for credentials: SECRET fields and the names "sid", "...pwd..." and "...password...".
    // A request may neither filter nor sort by them.
    static bool isCredential(const QString &name, const FieldDescriptor &field);
};

} // namespace Common
