#include "framefactory.h"

#include "companytable.h"

#include "gui/frame/framecreators.h"

Gui::FrameCreators *newFrameCreators()
{
    auto *creators = new Gui::FrameCreators;
    creators->insert(QStringLiteral("companyTable"), [] { return new CompanyTable; });
    return creators;
}
