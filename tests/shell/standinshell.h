#pragma once

#include "scratchdatabase.h"
#include "shellharness.h"
#include "standinclient.h"
#include "standinserver.h"

#include <memory>

// The shell signed in to the stand-in server over a database of its own: the user "keeper"
// (password "kp") connected through the application's network, and the shell harness over that
// network. Members go in reverse order: the harness, the client, the server, the database.
class StandinShell
{
public:
    StandinShell();
    ~StandinShell();

    // Starts everything on a fresh database named after prefix; empty when it worked, otherwise why not.
    QString start(const QString &prefix);

    ShellHarness *harness() const { return m_harness.get(); }
    StandinClient *client() const { return m_client.get(); }

private:
    std::unique_ptr<ScratchDatabase> m_database;
    StandinServer m_server;
    std::unique_ptr<StandinClient> m_client;
    std::unique_ptr<ShellHarness> m_harness;
};
