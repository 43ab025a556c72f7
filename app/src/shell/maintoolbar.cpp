#include "maintoolbar.h"

MainToolBar::MainToolBar() = default;

MainToolBar::~MainToolBar() = default;

QStringList MainToolBar::defaultCommandIds() const
{
    return {QStringLiteral("users"), QStringLiteral("drivers"), QStringLiteral("launcher")};
}
