#include "driverstatus.h"

#include <QObject>

namespace Client::Controller::Helper {

void DriverStatus::setStatusString(QVariantMap &row) const
{
    QString text;
    switch (row.value(QStringLiteral("status")).toInt()) {
    case 0:
    case 100:
    case 200:
        text = QObject::tr("Offline");
        break;
    case 1000:
        text = QObject::tr("Free");
        break;
    case 2000:
        text = QObject::tr("On order");
        break;
    case 2200:
        text = QObject::tr("Busy");
        break;
    case 3000:
        text = QObject::tr("SOS");
        break;
    case 4000:
        text = QObject::tr("Company car offline");
        break;
    default:
        text = QStringLiteral("n/a");
    }
    row.insert(QStringLiteral("status_string"), text);
}

} // namespace Client::Controller::Helper
