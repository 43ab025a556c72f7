#include "creator.h"

#include "abstractmodel.h"

#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"

#include <QHash>

#include <mutex>

namespace Model {

namespace {

struct Registry
{
    std::mutex mutex;
    QHash<QString, Creator::Factory> factories;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

} // namespace

AbstractModel *Creator::instance(const QString &name)
{
    Factory factory;
    {
        Registry &r = registry();
        std::lock_guard<std::mutex> lock(r.mutex);
        auto it = r.factories.constFind(name);
        if (it == r.factories.cend()) {
            throw Exception(Common::warningLine(
                COMMON_LOCATION, QStringLiteral("Creator for getting instance of model '%1' not found").arg(name)));
        }
        factory = it.value();
    }
    AbstractModel *model = factory();
    if (!model) {
        throw Exception(
            Common::warningLine(COMMON_LOCATION, QStringLiteral("Failed to create model '%1'").arg(name)));
    }
    return model;
}

bool Creator::registerFactory(const QString &name, Factory factory)
{
    if (name.isEmpty() || !factory)
        return false;
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (r.factories.contains(name))
        return false;
    r.factories.insert(name, std::move(factory));
    return true;
}

bool Creator::isRegistered(const QString &name)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.factories.contains(name);
}

QStringList Creator::names()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    QStringList result = r.factories.keys();
    result.sort();
    return result;
}

} // namespace Model
