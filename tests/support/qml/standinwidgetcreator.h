#pragma once

#include "standinobject.h"

// Stands in for QWIDGET_CREATOR, the opener of the shell's widget windows.
class StandinWidgetCreator : public StandinObject
{
    Q_OBJECT

public:
    explicit StandinWidgetCreator(QObject *parent = nullptr) : StandinObject(parent) {}

    Q_INVOKABLE QObject *toast(const QString &message, int mode);
};
