#include "standinclient.h"

#include "client/controller/auth.h"
#include "common/core/utils/utils.h"
#include "timelimit.h"

#include <QSignalSpy>

StandinClient::StandinClient()
    : m_network(std::make_unique<Network>())
{
    m_network->start();
}

StandinClient::~StandinClient()
{
    m_auth.reset();
    m_network.reset();
}

void StandinClient::activate()
{
    Common::AbstractController::setNetwork(m_network.get());
}

bool StandinClient::signIn(int port, const QString &sign, const QString &password)
{
    activate();
    m_auth = std::make_unique<Client::Controller::Auth>();
    Client::ApiNetwork *network = m_network.get();
    // The sign-in goes out through this client's network, whichever client is active by then.
    connect(network, &Common::ApiNetwork::fireTrAuth, m_auth.get(), [network] {
        NetDTO request;
        request.insert(QStringLiteral("FN"), QStringLiteral("auth_trAuth"));
        request.insert(QStringLiteral("SID"), network->pwd());
        emit network->sendMessage(request);
    });
    connect(m_auth.get(), &Client::Controller::Auth::saAuth, this, [this] { m_signedIn = true; });
    connect(network, &Common::Network::connectionState, this, [this](bool isConnected) {
        if (!isConnected)
            m_signedIn = false;
    });
    QSignalSpy accepted(m_auth.get(), &Client::Controller::Auth::saAuth);
    network->setHost(QStringLiteral("127.0.0.1"));
    network->setPort(port);
    network->setSign(sign);
    Utils utils;
    network->setPwd(utils.getPwdHash(password));
    emit network->makeConnection();
    return accepted.wait(timeLimit(10000));
}
