#include "toolbar.h"

#include "model/base/shell/toolbar.h"

namespace Client::Controller {

ToolBar::ToolBar(QQuickItem *parent)
    : DesktopController(parent)
{
    useOwnModel<Model::Base::ToolBar>();
}

ToolBar::~ToolBar() = default;

QString ToolBar::name() const
{
    return QStringLiteral("toolBar");
}

} // namespace Client::Controller
