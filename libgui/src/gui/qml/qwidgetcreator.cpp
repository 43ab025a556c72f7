#include "qwidgetcreator.h"

#include "gui/core/boxstack.h"
#include "gui/core/context.h"
#include "gui/core/message.h"
#include "gui/core/safequestion.h"
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

#include <QDebug>
#include <QGuiApplication>
#include <QPointer>
#include <QQmlEngine>
#include <QWindow>

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
    activateOnClose(widget, parent);
    return show(widget);
}

void QWidgetCreator::activateOnClose(QWidget *widget, QObject *parent)
{
    if (!parent)
        return;
    QObject::connect(widget, &QObject::destroyed, parent, [parent] {
        // Another box still open over the same window keeps the keys.
        if (BoxStack::activateYoungest(parent))
            return;
        if (auto *frame = qobject_cast<Frame *>(parent))
            frame->activate();
        else
            Utils::activateFrameWindow(parent);
    });
}

void QWidgetCreator::openBox(QObject *box, QObject *owner)
{
    BoxStack::showOver([box] { Utils::invoke(box, "open()"); }, owner);
}

void QWidgetCreator::activateOwner(QObject *owner)
{
    if (BoxStack::activateYoungest(owner))
        return;
    QWindow *window = Utils::topWindow(owner);
    if (window && window->isVisible())
        Utils::raiseWindow(window);
}

bool QWidgetCreator::activateBox(QObject *owner)
{
    return BoxStack::activateYoungest(owner);
}

QWidget *QWidgetCreator::calendar(QObject *parent, QQuickItem *item)
{
    auto *calendar = new Dialog::Calendar;
    showWindow(calendar, parent);
    // Once shown: closing it then deletes it.
    if (item)
        calendar->closeWith(item);
    return calendar;
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

QWidget *QWidgetCreator::message(int kind, const QString &text, QObject *parent)
{
    const QMessageBox::Icon icon = kind == 0 ? QMessageBox::Information
        : kind == 1                          ? QMessageBox::Warning
                                             : QMessageBox::Critical;
    QWidget *box = showWindow(Message::selectableBox(icon, nullptr, QGuiApplication::applicationDisplayName(), text),
                              parent);
    // Over the window it is about, as that window's box.
    Utils::keepOverFrame(box, parent);
    return box;
}

QWidget *QWidgetCreator::safeQuestion(const QString &text, QObject *parent)
{
    auto *question = new SafeQuestion(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text);
    question->setWindowModality(Qt::ApplicationModal);
    question->setAttribute(Qt::WA_DeleteOnClose);
    QQmlEngine::setObjectOwnership(question, QQmlEngine::CppOwnership);
    activateOnClose(question, parent);
    // Over the window whose edits it is about from its first show: with several editors open,
    // the operator sees whose.
    question->adjustSize();
    Utils::keepOverFrame(question, parent ? parent : Context::mainWidget());
    question->show();
    question->activateWindow();
    return question;
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
    QWidget *window = showWindow(new SmsVariables(variables), parent);
    // The list belongs to the editor it was opened from.
    Utils::keepOverFrame(window, parent);
    return window;
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

namespace {

// The id of a record: a positive decimal number; 0 and a warning otherwise.
qint64 recordId(const QString &text, const char *what)
{
    bool ok = false;
    const qint64 id = text.trimmed().toLongLong(&ok);
    if (ok && id > 0)
        return id;
    qWarning().noquote() << QStringLiteral("Balance log: %1 '%2' is not a record id").arg(QLatin1String(what), text);
    return 0;
}

} // namespace

QWidget *QWidgetCreator::viewBalanceLog(Client::Controller::DesktopController *logController, const QString &id,
                                        QObject *parent)
{
    const qint64 entry = recordId(id, "entry");
    if (!logController || entry == 0)
        return nullptr;
    return showWindow(new Dialog::BalanceLog(logController, entry), parent);
}

QWidget *QWidgetCreator::newBalanceLog(Client::Controller::DesktopController *typeController,
                                       Client::Controller::DesktopController *logController, const QString &ownerId,
                                       const QString &groupId, const QString &typeId, QObject *parent)
{
    const qint64 owner = recordId(ownerId, "owner");
    const qint64 group = recordId(groupId, "group");
    const qint64 type = typeId.trimmed() == QLatin1String("0") ? 0 : recordId(typeId, "type");
    if (!typeController || !logController || owner == 0 || group == 0)
        return nullptr;
    return showWindow(new Dialog::BalanceLog(typeController, logController, owner, group, type), parent);
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
