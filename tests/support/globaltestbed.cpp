#include "globaltestbed.h"

#include "optionrights.h"

#include "common/net/abstractcontroller.h"
#include "gui/controller/abstractcontroller.h"
#include "gui/controller/network.h"
#include "gui/core/context.h"
#include "gui/settings/settings.h"

GlobalTestBed::GlobalTestBed(const std::function<std::unique_ptr<Gui::Context>()> &makeContext)
{
    // Made after the temporary folder: it chooses the INI format there.
    Gui::Settings settings;
    Gui::Settings::setValue(QStringLiteral("updating"), QStringLiteral("checkOnStartup"), false);
    m_context = makeContext();
    m_network = std::make_unique<Gui::Network>();
    Common::AbstractController::setNetwork(m_network.get());
    Gui::Controller::AbstractController::setNetwork(m_network.get());
    m_rights = std::make_unique<OptionRights>(QStringLiteral("2"), QStringLiteral("5"));
    m_watchdog = std::make_unique<ModalWatchdog>();
    m_watchdog->allowOpen(QStringLiteral("Gui::DataLoading"));
}

GlobalTestBed::~GlobalTestBed() = default;
