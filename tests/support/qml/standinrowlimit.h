#pragma once

#include "standindialog.h"

// Stands in for the row limit dialog: the limit it was opened with, until a test enters another.
class StandinRowLimit : public StandinDialog
{
    Q_OBJECT
    Q_CLASSINFO("TestControls", "setLimit")

public:
    StandinRowLimit(int limit, QObject *parent);

    Q_INVOKABLE int limit() const { return m_limit; }
    // Test control: the user enters a limit.
    Q_INVOKABLE void setLimit(int limit) { m_limit = limit; }

private:
    int m_limit;
};
