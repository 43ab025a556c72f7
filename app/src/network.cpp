#include "network.h"

#include "client/controller/usersession.h"

Network::Network()
{
    setPingInterval(std::chrono::seconds(100));
    setPongTimeout(std::chrono::seconds(8));
}

Network::~Network()
{
    stopThread();
}

void Network::run()
{
    m_userSession = std::make_unique<Client::Controller::UserSession>();
    Gui::Network::run();
    exec();
    m_userSession.reset();
}

void Network::sendPing()
{
    if (isPingEnabled() && m_userSession)
        m_userSession->trPing();
    Gui::Network::sendPing();
}
