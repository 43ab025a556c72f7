#pragma once

#include "standinobject.h"

class StandinRowModel;

// Stands in for a page controller: its protocol name and number, its row model, and the
// requests pages send, recorded.
class StandinController : public StandinObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString objectNumber READ objectNumber CONSTANT)
    Q_PROPERTY(QObject *originalModel READ originalModel CONSTANT)

public:
    explicit StandinController(QObject *parent = nullptr);

    QString name() const { return m_name; }
    void setName(const QString &name);
    QString objectNumber() const { return m_objectNumber; }
    QObject *originalModel() const;
    StandinRowModel *rows() const { return m_rows; }

    Q_INVOKABLE void trGetList(const QVariantMap &params = {}) { record(QStringLiteral("trGetList"), {params}); }
    Q_INVOKABLE void trInfo(const QVariantMap &params) { record(QStringLiteral("trInfo"), {params}); }
    Q_INVOKABLE void trDuplicate(const QVariantMap &params) { record(QStringLiteral("trDuplicate"), {params}); }
    Q_INVOKABLE void trRemove(const QVariantMap &params) { record(QStringLiteral("trRemove"), {params}); }

signals:
    void nameChanged();

private:
    QString m_name;
    QString m_objectNumber;
    StandinRowModel *m_rows;
};
