#pragma once

#include <QObject>
#include <QVariantList>

// Base of the test stand-ins for the shell's context objects: records every call a page makes,
// as {"name", "args"} maps in the order of the calls, for tests to read from QML or C++.
class StandinObject : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("TestControls", "calls callsChanged callsOf clearCalls ownedObjects")
    Q_PROPERTY(QVariantList calls READ calls NOTIFY callsChanged)

public:
    explicit StandinObject(QObject *parent = nullptr);

    QVariantList calls() const;
    // Calls of one name, each as its argument list.
    Q_INVOKABLE QVariantList callsOf(const QString &name) const;
    Q_INVOKABLE void clearCalls();
    // The objects pages made with this object as their parent, such as message dialogs.
    Q_INVOKABLE QVariantList ownedObjects() const;

signals:
    void callsChanged();

protected:
    void record(const QString &name, const QVariantList &args = {});

private:
    QVariantList m_calls;
};
