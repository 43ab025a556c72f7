#include "rowscontroller.h"

#include "listcatalogue.h"

RowsController::RowsController(const QString &name, QObject *parent)
    : AbstractController(new ListCatalogue, parent)
    , m_name(name)
{
}

void RowsController::handle(const QString &action)
{
    setHandler(action, [this, action](const QVariantMap &params) { handled.append({action, params}); });
}
