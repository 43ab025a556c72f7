#pragma once

#include "gui/controller/network.h"

#include <memory>

namespace Client::Controller {
class UserSession;
}

// The application's connection, the network of both controller families: pings every 100 s,
// waits 8 s for the pong, and sends the ping through a session controller of its own that lives
// in the network thread.
class Network : public Gui::Network
{
    Q_OBJECT

public:
    Network();
    ~Network() override;

protected:
    void run() override;

protected slots:
    void sendPing() override;

private:
    std::unique_ptr<Client::Controller::UserSession> m_userSession;
};
