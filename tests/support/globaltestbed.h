#pragma once

#include "modalwatchdog.h"
#include "tempsettings.h"

#include <functional>
#include <memory>

class OptionRights;

namespace Gui {
class Context;
class Network;
}

// What a test of GLOBAL sets up around it: a fresh settings file without the update check at
// start-up, the context (of the caller's kind, made once the settings are), a scripted network
// every controller sends through, the rights of the signed-in user (owner 5 of group 2) and a
// watchdog on modal windows that lets the data-loading window open.
class GlobalTestBed
{
public:
    explicit GlobalTestBed(const std::function<std::unique_ptr<Gui::Context>()> &makeContext);
    ~GlobalTestBed();

    Gui::Network *network() const { return m_network.get(); }
    OptionRights &rights() { return *m_rights; }
    ModalWatchdog &watchdog() { return *m_watchdog; }

private:
    TempSettings m_settings;
    std::unique_ptr<Gui::Context> m_context;
    std::unique_ptr<Gui::Network> m_network;
    std::unique_ptr<OptionRights> m_rights;
    std::unique_ptr<ModalWatchdog> m_watchdog;
};
