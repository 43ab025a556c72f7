#pragma once

#include "shellharness.h"

#include <QObject>

#include <memory>

namespace Gui {
class Frames;
class MainTabWidget;
}

// The test object of a shell test: one harness for all its tests, a fresh main window shown
// before each test, and no unexpected QML message or modal window after it. A test that needs
// more before or after declares its own init() or cleanup() slot and calls these.
class ShellTestCase : public QObject
{
    Q_OBJECT

protected slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

protected:
    Gui::Frames *frames() const;
    Gui::MainTabWidget *tabs() const;

    std::unique_ptr<ShellHarness> m_harness;
};
