#pragma once

#include "qmlmessageguard.h"
#include "qmlstandins.h"

#include <QQmlEngine>
#include <QUrl>
#include <QVariantMap>

// A QML engine as the shell gives it to pages, with the stand-in context objects, for Qt Test
// functions that create pages from C++. Create it after the test has started (initTestCase or
// later); check messages() after each function.
class QmlEngineHarness
{
public:
    QmlEngineHarness();

    QQmlEngine &engine() { return m_engine; }
    QmlStandins &standins() { return *m_standins; }
    QmlMessageGuard &messages() { return m_guard; }

    // The object of the component at url with the initial properties; null with the errors
    // reported as messages when it cannot be made.
    QObject *create(const QUrl &url, const QVariantMap &initialProperties = {});

private:
    QmlMessageGuard m_guard;
    QQmlEngine m_engine;
    QmlStandins *m_standins;
};
