#include "companytable.h"

#include "controller/company/company.h"

#include "gui/core/context.h"
#include "gui/error/errorcatalogue.h"
#include "gui/shell/global.h"

namespace {

const QStringList Columns{"id",      "rst_id_user_locked", "company_name", "balance", "lost_profit",
                          "is_system", "dt_utc_last_update", "dt_utc_insert"};

} // namespace

CompanyTable::CompanyTable()
    : Gui::StandardTable(new Company, Columns)
{
    setTitle(tr("Companies"));
    Gui::Global *global = Gui::Context::global();
    m_readAllowed = global && global->securityStateByName(controller()->name(), QStringLiteral("read"));
    if (m_readAllowed)
        controller()->trGetList({});
}

CompanyTable::~CompanyTable() = default;

void CompanyTable::afterShow()
{
    Gui::StandardTable::afterShow();
    if (m_readAllowed || m_refusalShown)
        return;
    m_refusalShown = true;
    Gui::ErrorCatalogue::show(this, {{"FN", controller()->name() + QStringLiteral("_saGetList")}, {"ERRCODE", "50"}});
}
