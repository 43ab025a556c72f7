#pragma once

#include <QObject>

class QQmlEngine;

// The set-up object of the Qt Quick Test runner: every test file's engine gets fresh stand-ins.
class QmlTestSetup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine);
};
