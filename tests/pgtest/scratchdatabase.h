#pragma once

#include <QProcessEnvironment>
#include <QString>

// A database of its own on the test cluster, for programs that build their own schema (the
// stand-in server); dropped again on destruction.
class ScratchDatabase
{
public:
    explicit ScratchDatabase(const QString &prefix = QStringLiteral("scratch"));
    ~ScratchDatabase();

    bool isOpen() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QString name() const { return m_name; }
    // This process's environment with PGDATABASE naming the scratch database.
    QProcessEnvironment environment() const;

private:
    bool runOnCluster(const QString &sql);

    QString m_name;
    QString m_error;
};
