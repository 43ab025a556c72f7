#include "standinshell.h"

#include "gui/controller/network.h"
#include "testmainwindow.h"

#include "common/core/utils/utils.h"

StandinShell::StandinShell() = default;

StandinShell::~StandinShell()
{
    m_harness.reset();
    m_client.reset();
}

QString StandinShell::start(const QString &prefix)
{
    m_database = std::make_unique<ScratchDatabase>(prefix);
    if (!m_database->isOpen())
        return m_database->error();
    m_server.setEnvironment(m_database->environment());
    Utils utils;
    if (!m_server.start({"--database", "--quiet", "--user", "keeper:" + utils.getPwdHash("kp")}))
        return QStringLiteral("the stand-in server did not start");
    m_client = std::make_unique<StandinClient>();
    if (!m_client->signIn(m_server.port(), "keeper", "kp"))
        return QStringLiteral("the stand-in refused the sign-in");
    m_harness = std::make_unique<ShellHarness>(qobject_cast<Gui::Network *>(m_client->network()));
    return QString();
}
