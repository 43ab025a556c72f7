#include "qmlengineharness.h"

#include <QQmlComponent>

QmlEngineHarness::QmlEngineHarness()
    : m_standins(new QmlStandins(&m_engine))
{
    m_standins->install(&m_engine);
}

QObject *QmlEngineHarness::create(const QUrl &url, const QVariantMap &initialProperties)
{
    QQmlComponent component(&m_engine, url);
    QObject *object = component.isReady() ? component.createWithInitialProperties(initialProperties)
                                          : nullptr;
    if (component.isError() || !object) {
        for (const QQmlError &error : component.errors())
            qWarning("%s", qPrintable(error.toString()));
        delete object;
        return nullptr;
    }
    return object;
}
