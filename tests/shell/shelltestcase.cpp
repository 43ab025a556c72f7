#include "shelltestcase.h"

#include "testglobal.h"

#include "gui/core/context.h"

#include <QTest>

void ShellTestCase::initTestCase()
{
    m_harness = std::make_unique<ShellHarness>();
}

void ShellTestCase::init()
{
    QVERIFY(m_harness->showFreshWindow());
}

void ShellTestCase::cleanup()
{
    const QString problems = m_harness->problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void ShellTestCase::cleanupTestCase()
{
    m_harness.reset();
}

Gui::Frames *ShellTestCase::frames() const
{
    return m_harness->global()->frames();
}

Gui::MainTabWidget *ShellTestCase::tabs() const
{
    return Gui::Context::mainTabWidget();
}
