#include "testmaintoolbar.h"

QStringList TestMainToolBar::defaultCommandIds() const
{
    return {QStringLiteral("users"), QStringLiteral("launcher")};
}

void TestMainToolBar::afterBuild()
{
    ++builds;
}
