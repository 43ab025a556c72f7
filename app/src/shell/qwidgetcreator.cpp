#include "qwidgetcreator.h"

#include "dialog/driverchangepassword.h"
#include "dialog/terminalcompanychangepassword.h"
#include "dialog/userchangepassword.h"

#include "gui/core/context.h"
#include "gui/core/message.h"
#include "gui/mainwindow/mainwindow.h"

QWidgetCreator::QWidgetCreator(QObject *parent)
    : Gui::QWidgetCreator(parent)
{
}

QWidgetCreator::~QWidgetCreator() = default;

template<typename Dialog>
QWidget *QWidgetCreator::changePassword(const QString &id, QObject *parent)
{
    bool isNumber = false;
    const qint64 entryId = id.toLongLong(&isNumber);
    if (!isNumber || entryId <= 0) {
        Gui::Message::critical(Gui::Context::mainWindow(),
                               tr("The password cannot be changed: \"%1\" is not the id of a record.").arg(id));
        return nullptr;
    }
    auto *dialog = new Dialog(entryId);
    if (parent)
        connect(parent, &QObject::destroyed, dialog, &QWidget::close);
    return showWindow(dialog, parent);
}

QWidget *QWidgetCreator::driverChangePassword(const QString &driverId, QObject *parent)
{
    return changePassword<DriverChangePassword>(driverId, parent);
}

QWidget *QWidgetCreator::terminalCompanyChangePassword(const QString &terminalCompanyId, QObject *parent)
{
    return changePassword<TerminalCompanyChangePassword>(terminalCompanyId, parent);
}

QWidget *QWidgetCreator::userChangePassword(const QString &userId, QObject *parent)
{
    return changePassword<UserChangePassword>(userId, parent);
}
