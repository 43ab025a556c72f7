#include "search.h"

#include "model/base/search/searchrole.h"

namespace Client::Controller {

Search::Search(QQuickItem *parent)
    : DesktopController(parent)
{
    useOwnModel<Model::Base::SearchRole>();
}

Search::~Search() = default;

QString Search::name() const
{
    return QStringLiteral("search");
}

} // namespace Client::Controller
