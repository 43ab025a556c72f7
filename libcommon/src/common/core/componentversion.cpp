#include "componentversion.h"

#include <QMap>

#include <mutex>

namespace {

struct Registry
{
    std::mutex mutex;
    // The application's own version is known before anything registers it.
    QMap<int, QVersionNumber> versions{{0, QVersionNumber(1, 6, 0)}};
};

Registry &registry()
{
    static Registry r;
    return r;
}

} // namespace

QVersionNumber componentVersion(int component)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.versions[component];
}

QVersionNumber setComponentVersion(int component, const QVersionNumber &version)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    QVersionNumber &stored = r.versions[component];
    if (stored.isNull())
        stored = version;
    return stored;
}
