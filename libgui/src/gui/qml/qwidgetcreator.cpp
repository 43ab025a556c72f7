#include "qwidgetcreator.h"

#include "gui/core/context.h"
#include "gui/core/utils.h"
#include "gui/dialog/balancelog.h"
#include "gui/dialog/calendar.h"
#include "gui/dialog/intervaleditor.h"
#include "gui/dialog/options.h"
#include "gui/dialog/roles.h"
#include "gui/dialog/rowlimit.h"
#include "gui/dialog/smsvariables.h"
#include "gui/frame/frame.h"
#include "gui/mainwindow/about.h"
#include "gui/mainwindow/customize.h"
#include "gui/mainwindow/launcher.h"
#include "gui/search/search.h"
#include "gui/update/updates.h"
#include "gui/widget/completer.h"
#include "gui/widget/dataloading.h"
#include "gui/widget/toastwindow.h"

#include <QPointer>
#include <QQmlEngine>

namespace Gui {

QWidgetCreator::QWidgetCreator(QObject *parent)
    : QObject(parent)
{
}

QWidgetCreator::~QWidgetCreator() = default;

QWidget *QWidgetCreator::show(QWidget *widget)
{
    // Returned to scripts: the window owns itself, never the script's garbage collector.
    QQmlEngine::setObjectOwnership(widget, QQmlEngine::CppOwnership);
    return Utils::showOwnWindow(widget);
}

QWidget *QWidgetCreator::showWindow(QWidget *widget, QObject *parent)
{
    if (parent) {
        QObject::connect(widget, &QObject::destroyed, parent, [parent] {
            if (auto *frame = qobject_cast<Frame *>(parent))
                frame->activate();
            else
                Utils::activateFrameWindow(parent);
        });
    }
    return show(widget);
}

QWidget *QWidgetCreator::calendar(QObject *parent)
{
    return showWindow(new Dialog::Calendar, parent);
}

QWidget *QWidgetCreator::toast(const QString &message, int mode)
{
    // Shown without activation: a notice never takes the focus from the page.
    auto *toast = new ToastWindow(message, mode);
    QQmlEngine::setObjectOwnership(toast, QQmlEngine::CppOwnership);
    toast->setAttribute(Qt::WA_DeleteOnClose);
    toast->show();
    return toast;
}

QWidget *QWidgetCreator::completer(QObject *parent)
{
    return showWindow(new Completer, parent);
}

QWidget *QWidgetCreator::dataLoading()
{
    return show(new DataLoading);
}

QWidget *QWidgetCreator::roles(const QVariantList &roles, QObject *parent)
{
    return showWindow(new Dialog::Roles(roles), parent);
}

QWidget *QWidgetCreator::intervalEditor(const QString &intervals, int units, QObject *parent)
{
    return showWindow(new Dialog::IntervalEditor(intervals, units), parent);
}

QWidget *QWidgetCreator::smsVariables(const QVariantMap &variables, QObject *parent)
{
    return showWindow(new SmsVariables(variables), parent);
}

QWidget *QWidgetCreator::rowLimit(int limit, QObject *parent)
{
    return showWindow(new Dialog::RowLimit(limit), parent);
}

QWidget *QWidgetCreator::search(Client::Controller::DesktopController *controller, const QJsonArray &rules,
                                QObject *parent)
{
    return showWindow(new Search(controller, rules), parent);
}

QWidget *QWidgetCreator::viewBalanceLog(Client::Controller::DesktopController *logController, int id,
                                        QObject *parent)
{
    if (!logController)
        return nullptr;
    return showWindow(new Dialog::BalanceLog(logController, id), parent);
}

QWidget *QWidgetCreator::newBalanceLog(Client::Controller::DesktopController *typeController,
                                       Client::Controller::DesktopController *logController, int ownerId,
                                       int groupId, int typeId, QObject *parent)
{
    if (!typeController || !logController)
        return nullptr;
    return showWindow(new Dialog::BalanceLog(typeController, logController, ownerId, groupId, typeId), parent);
}

QWidget *QWidgetCreator::updates(Updater *updater, const QJsonObject &manifest)
{
    if (!updater)
        return nullptr;
    return show(new Updates(updater, manifest));
}

QWidget *QWidgetCreator::options()
{
    return show(new Dialog::Options);
}

QWidget *QWidgetCreator::customize(const QStringList &commands, const QStringList &defaultCommands)
{
    auto *dialog = new Dialog::Customize(commands, defaultCommands);
    dialog->applyTo(Context::mainToolBar());
    return show(dialog);
}

QWidget *QWidgetCreator::launcher()
{
    return show(new Launcher);
}

void QWidgetCreator::about()
{
    Utils::showAbout();
}

} // namespace Gui
