#pragma once

#include "common/core/db/db.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <memory>

// A schema of its own on the test cluster for one test case: a connection from the PG*
// environment variables, search_path set to a fresh schema, the session time zone pinned to UTC.
// The schema is dropped again on destruction.
class PgSchema
{
public:
    PgSchema();
    ~PgSchema();

    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }
    QString name() const { return m_name; }
    QSqlDatabase database() const { return m_database; }
    Common::Db *db() { return m_db.get(); }

    // Runs a statement; false (and error()) on failure.
    bool run(const QString &sql);
    // The first column of the first row, or an invalid value.
    QVariant scalar(const QString &sql);
    // Every row, columns as variants.
    QList<QVariantList> rows(const QString &sql);
    // One text per row: the columns joined by "|".
    QStringList lines(const QString &sql);

    // Empty when the PG* variables are set; otherwise what is missing and how to get it.
    static QString missingEnvironment();
    // A QPSQL connection under that name to the database the PG* variables name (not opened).
    static QSqlDatabase addClusterDatabase(const QString &connection);

private:
    bool m_open = false;
    QString m_error;
    QString m_name;
    QString m_connection;
    QSqlDatabase m_database;
    std::unique_ptr<Common::Db> m_db;
};

// Opens a schema for the current test function or fails it with the reason.
#define PG_SCHEMA(var)                                                                                             \
    PgSchema var;                                                                                                  \
    QVERIFY2(var.isOpen(), qPrintable(var.error()))
