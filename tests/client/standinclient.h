#pragma once

#include "network.h"

#include <QObject>

#include <memory>

namespace Client::Controller {
class Auth;
}

// One client of the stand-in server in this process: an application network of its own, signed in as one
// user. Controllers made while it is active join its registry; requests go out through the
// active client's network.
class StandinClient : public QObject
{
    Q_OBJECT

public:
    StandinClient();
    ~StandinClient() override;

    void activate();
    // Connects to 127.0.0.1:port and signs in; false when the server did not accept.
    bool signIn(int port, const QString &sign, const QString &password);
    Client::ApiNetwork *network() const { return m_network.get(); }
    // Signed in on the connection it has now: false from a lost connection until the sign-in
    // that follows the reconnection is accepted.
    bool isSignedIn() const { return m_signedIn; }

private:
    bool m_signedIn = false;
    std::unique_ptr<Network> m_network;
    std::unique_ptr<Client::Controller::Auth> m_auth;
};
