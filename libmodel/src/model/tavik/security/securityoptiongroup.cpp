#include "securityoptiongroup.h"

#include "controllernames.h"

#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

namespace Model::Tavik {

bool SecurityOptionGroup::populateListControllerName(Common::Db *)
{
    try {
        for (const ControllerNames::Entry &entry : ControllerNames::entries())
            appendRecord({ControllerNames::displayText(entry), QString::fromLatin1(entry.key)});
        return true;
    } catch (const Exception &e) {
        Logger::instance(loggerId())->warning(Common::warningLine(COMMON_LOCATION, e.message()));
    }
    return false;
}

} // namespace Model::Tavik
