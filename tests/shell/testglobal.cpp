#include "testglobal.h"

#include "gui/frame/framecreators.h"

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

Gui::FrameCreators *TestGlobal::createFrameCreators()
{
    auto *creators = new Gui::FrameCreators;
    for (auto it = frameCreatorFunctions.cbegin(); it != frameCreatorFunctions.cend(); ++it)
        creators->insert(it.key(), it.value());
    return creators;
}
