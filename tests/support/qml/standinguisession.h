#pragma once

#include "standinobject.h"

#include <QVariantMap>

// Stands in for the current GUI session: the settings frames leave under their names.
class StandinGuiSession : public StandinObject
{
    Q_OBJECT
    Q_PROPERTY(int currentId READ currentId WRITE setCurrentId NOTIFY currentIdChanged)
    Q_PROPERTY(QVariantMap stored READ stored NOTIFY storedChanged)

public:
    explicit StandinGuiSession(QObject *parent = nullptr) : StandinObject(parent) {}

    int currentId() const { return m_currentId; }
    void setCurrentId(int id);
    QVariantMap stored() const { return m_stored; }

    Q_INVOKABLE QVariantMap frameSettings(const QString &name);
    // An empty map is not stored.
    Q_INVOKABLE void setFrameSettings(const QString &name, const QVariantMap &settings);

signals:
    void currentIdChanged(int id);
    void storedChanged();

private:
    int m_currentId = 1;
    QVariantMap m_stored;
};
