#pragma once

#include "standinobject.h"

class StandinRowModel;

// Stands in for a page controller: its protocol name and number, its row model, the requests
// pages send, recorded, and the answer signals, which a test emits.
class StandinController : public StandinObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString objectNumber READ objectNumber CONSTANT)
    Q_PROPERTY(QObject *originalModel READ originalModel CONSTANT)
    Q_PROPERTY(bool isStaticModel READ isStaticModel CONSTANT)
    Q_PROPERTY(bool ignoreSrUpdated MEMBER m_ignoreSrUpdated)
    Q_PROPERTY(QString recordId MEMBER m_recordId)

public:
    explicit StandinController(QObject *parent = nullptr);

    QString name() const { return m_name; }
    void setName(const QString &name);
    QString objectNumber() const { return m_objectNumber; }
    QObject *originalModel() const;
    StandinRowModel *rows() const { return m_rows; }
    bool isStaticModel() const { return true; }

    Q_INVOKABLE void trGetList(const QVariantMap &params = {}) { record(QStringLiteral("trGetList"), {params}); }
    Q_INVOKABLE void trInfo(const QVariantMap &params) { record(QStringLiteral("trInfo"), {params}); }
    Q_INVOKABLE void trDuplicate(const QVariantMap &params) { record(QStringLiteral("trDuplicate"), {params}); }
    Q_INVOKABLE void trRemove(const QVariantMap &params) { record(QStringLiteral("trRemove"), {params}); }
    Q_INVOKABLE void trUpdate(const QVariantMap &params) { record(QStringLiteral("trUpdate"), {params}); }

signals:
    void nameChanged();
    void saInfo(QVariantMap mapParams);
    void saUpdate(QVariantMap mapParams);
    void srUpdated(QVariantMap mapParams);
    void saLock(QVariantMap mapParams);

private:
    QString m_name;
    QString m_objectNumber;
    StandinRowModel *m_rows;
    bool m_ignoreSrUpdated = true;
    QString m_recordId;
};
