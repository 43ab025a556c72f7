#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace Model {

class AbstractModel;

// Process-wide registry of catalogue factories by table name.
class Creator
{
public:
    using Factory = std::function<AbstractModel *()>;

    Creator() = delete;

    // A new catalogue for the table name (the caller owns it). Throws Exception when no factory
    // is registered under the name or the factory makes none.
    static AbstractModel *instance(const QString &name);

    // Registers a factory; false (and nothing changed) for an empty name or factory, or a name
    // that is taken.
    static bool registerFactory(const QString &name, Factory factory);
    // A factory that makes a new T.
    template<typename T>
    static Factory factory()
    {
        return [] { return static_cast<AbstractModel *>(new T()); };
    }
    // Registers T under the table name that T reports.
    template<typename T>
    static bool registerModel()
    {
        const T probe;
        return registerFactory(probe.tableName(), factory<T>());
    }
    static bool isRegistered(const QString &name);
    static QStringList names();
};

} // namespace Model
