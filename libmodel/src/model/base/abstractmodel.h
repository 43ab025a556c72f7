#pragma once

#include "field.h"

#include "common/core/db/catalogue.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

namespace Common {
class Db;
}

namespace Model {

// Base of every table catalogue: the table's fields, indexes and row limit, and one row of values.
// Declares the common columns id, rst_id_user_locked, dt_utc_last_update and dt_utc_insert.
// A catalogue declares its fields in its constructor; declaration order is column order.
class AbstractModel : public Common::Catalogue
{
public:
    AbstractModel();
    ~AbstractModel() override;

    QString tableName() const override = 0;
    // Creates the table and its indexes (ModelTableCreator).
    virtual bool createTable(Common::Db *db);
    // Makes sure the system rows exist; the base makes the default row with id 1.
    virtual bool createSystemRecords(Common::Db *db);
    // Fills every column's value from its declaration before a seed insert.
    virtual void populateDefault();

    // Declaring fields: each call stores the descriptor under the name, replacing a former one.
    Field &declare(const QString &name, const Field &field);
    Field &declareColumn(const QString &name, qint32 type, bool required, const QVariant &defaultValue,
                         const QString &title, quint64 flags = ORDINARY);
    // BIGINT NOT NULL DEFAULT 1 REFERENCES refTable(id) ON DELETE CASCADE ON UPDATE CASCADE.
    Field &declareReference(const QString &name, const QString &refTable, const QString &title,
                            quint64 flags = ORDINARY);
    // A value joined from refTable.attachedColumn (through attachedJoin when not a direct reference).
    Field &declareAttached(const QString &name, const QString &refTable, const QString &attachedColumn,
                           const QString &title, const QString &attachedJoin = QString());
    // A value the client fills per row ("..._string").
    Field &declareDisplay(const QString &name, const QString &title);
    // An index over columns; "UNIQUE" as first item makes it unique.
    void addIndex(const QStringList &index);
    const QList<QStringList> &indexes() const { return m_indexes; }

    // By-name access; each throws NoSuchFieldException for a name the catalogue lacks.
    Field &field(const QString &name);
    const Field &field(const QString &name) const;
    QVariant value(const QString &name) const override;
    void setValue(const QString &name, const QVariant &value) override;
    qint64 id() const;
    void setId(qint64 id);
    void setFieldFlags(const QString &name, quint64 flags);
    AbstractModel &clearFieldFlags(const QString &name, quint64 mask);
    void renameField(const QString &oldName, const QString &newName);

    QMap<QString, Field> &fields() { return m_fields; }
    const QMap<QString, Field> &fields() const { return m_fields; }
    // Column names in declaration order.
    QStringList fieldNamesBySerial() const;
    // How many fields are table columns (neither joined nor display values).
    int columnCount() const;

    // ":name" -> value for every field.
    void bindValues(QVariantMap &binds) const;
    QString debugString(const QStringList &names) const override;
    void fillFromQuery(const QSqlQuery &query) override;
    // Every value back to the empty text of a fresh catalogue.
    void resetValues();

    QMap<QString, QString> &queryOptions() { return m_queryOptions; }
    QString queryOption(const QString &key) const override;
    // Takes the list options a request may set (insert-time bounds as integers); nothing else.
    void applyRequestOptions(const QVariantMap &params);
    QString whereString() const override { return m_whereString; }
    // SQL added to the fixed filters of list queries, beginning with its joining word. Code only.
    void setWhereString(const QString &sql) { m_whereString = sql; }

    qint64 limit() const { return m_limit; }
    void setLimit(qint64 limit) { m_limit = limit; }
    QString uuidFieldName() const { return m_uuidFieldName; }
    void setUuidFieldName(const QString &name) { m_uuidFieldName = name; }
    int loggerId() const { return m_loggerId; }
    void setLoggerId(int id) { m_loggerId = id; }

    void visitFields(const FieldVisitor &visit) const override;
    const Common::FieldDescriptor *findField(const QString &name) const override;

private:
    QList<QStringList> m_indexes;
    QMap<QString, Field> m_fields;
    int m_loggerId = 0;
    QMap<QString, QString> m_queryOptions;
    QString m_whereString;
    qint64 m_limit = 0;
    QString m_uuidFieldName = QStringLiteral("uuid");
    // fillFromQuery: the statement last read and the column of each field (-1: none).
    QString m_fillStatement;
    QVector<int> m_fillColumns;
};

} // namespace Model
