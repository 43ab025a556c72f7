#include "rowscontroller.h"

#include "listcatalogue.h"
#include "modeltester.h"

#include "gui/tablemodel/originalmodel.h"
#include "gui/tablemodel/proxymodel.h"

RowsController::RowsController(const QString &name, QObject *parent)
    : AbstractController(new ListCatalogue, parent)
    , m_name(name)
{
    watchModel(originalModel());
    watchModel(proxyModel());
}

void RowsController::handle(const QString &action)
{
    setHandler(action, [this, action](const QVariantMap &params) { handled.append({action, params}); });
}
