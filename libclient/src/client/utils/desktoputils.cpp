#include "desktoputils.h"

#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"

namespace Client {

DesktopUtils::DesktopUtils(QObject *parent)
    : Utils(parent)
{
}

DesktopUtils::~DesktopUtils() = default;

QDateTime DesktopUtils::currentDateTime()
{
    const Controller::UserSession *session = SpSingleton<Controller::UserSession>::instance();
    bool ok = false;
    const int offsetMinutes = session->utcOffset().toInt(&ok);
    return QDateTime::fromMSecsSinceEpoch(session->currentMSecsSinceEpoch(), Qt::OffsetFromUTC,
                                          ok ? offsetMinutes * 60 : 0);
}

} // namespace Client
