#include "testglobal.h"

TestGlobal::TestGlobal(QObject *parent)
    : Gui::Global(parent)
    , m_notification(new Client::Controller::Notification)
{
}

TestGlobal::~TestGlobal()
{
    delete m_notification;
}

Client::Controller::Notification *TestGlobal::notification()
{
    return m_notification;
}

void TestGlobal::createControllers()
{
    if (onCreateControllers)
        onCreateControllers(this);
}

void TestGlobal::loadControllers(int stage, const QVariantMap &)
{
    stages.append(stage);
    if (stage == 0 && onFirstLoad)
        onFirstLoad(this);
}
