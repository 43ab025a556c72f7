#pragma once

#include <QString>

// A database of its own on the test cluster (named by the PG* variables), for a program that
// needs a whole database such as the stand-in server over PostgreSQL. Dropped on destruction.
class PgScratchDatabase
{
public:
    explicit PgScratchDatabase(const QString &prefix);
    ~PgScratchDatabase();

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QString name() const { return m_name; }

private:
    bool runOnCluster(const QString &statement);

    QString m_name;
    QString m_error;
};
