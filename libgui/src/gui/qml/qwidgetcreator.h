#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

class QQuickItem;
class QWidget;

namespace Client::Controller {
class DesktopController;
}

namespace Gui {

class Updater;

// "QWIDGET_CREATOR": opens the shell's widget windows for QML pages. Every opener returns the
// window it made; the window deletes itself when closed. A window opened for a page ("parent")
// brings the page's window forward again when it goes, or the youngest box still open over it.
class QWidgetCreator : public QObject
{
    Q_OBJECT

public:
    explicit QWidgetCreator(QObject *parent = nullptr);
    ~QWidgetCreator() override;

    // Opens a QML box (its open()) as a box of owner's window (owner: a window, an item, a frame).
    Q_INVOKABLE void openBox(QObject *box, QObject *owner);
    // A QML box of owner (a window, an item, a frame) went: the keys and the top go to the youngest
    // box still open over owner's window, else to that window while it is shown.
    Q_INVOKABLE void activateOwner(QObject *owner);
    // A frame went: a box still open, application-modal anywhere or over owner's window, takes
    // the keys and the top; false when none is, and the opener should.
    Q_INVOKABLE bool activateBox(QObject *owner);
    // The calendar of a date input (item), which closes without a signal when the item goes.
    Q_INVOKABLE QWidget *calendar(QObject *parent = nullptr, QQuickItem *item = nullptr);
    // Mode 0 is the green notice, any other the red one; the page places it.
    Q_INVOKABLE QWidget *toast(const QString &message, int mode);
    // A message whose text can be selected and copied (a file's path), shown without waiting;
    // kind 0 is information, 1 a warning, any other an error.
    Q_INVOKABLE QWidget *message(int kind, const QString &text, QObject *parent = nullptr);
    // A warning that asks Yes or No without the operator asking for it (a record changed by
    // another user), modal, whose default is No and which no bare letter answers; it emits yes().
    Q_INVOKABLE QWidget *safeQuestion(const QString &text, QObject *parent = nullptr);
    Q_INVOKABLE QWidget *completer(QObject *parent = nullptr);
    Q_INVOKABLE QWidget *dataLoading();
    // roles: maps with "role" and "title".
    Q_INVOKABLE QWidget *roles(const QVariantList &roles, QObject *parent = nullptr);
    Q_INVOKABLE QWidget *intervalEditor(const QString &intervals, int units, QObject *parent = nullptr);
    Q_INVOKABLE QWidget *smsVariables(const QVariantMap &variables, QObject *parent = nullptr);
    Q_INVOKABLE QWidget *rowLimit(int limit, QObject *parent = nullptr);
    // The extended search of a page's list, opened with the rules it saved the last time.
    Q_INVOKABLE QWidget *search(Client::Controller::DesktopController *controller, const QJsonArray &rules,
                                QObject *parent);
    // Record ids are 64-bit: the balance-log openers take them as decimal text (a page's number
    // becomes its text), and refuse with a warning, returning null, an owner or entry id that is
    // not a record id, or a missing controller. A type id "0" leaves the type to choose.
    // A balance log entry of the log controller's list, read-only.
    Q_INVOKABLE QWidget *viewBalanceLog(Client::Controller::DesktopController *logController, const QString &id,
                                        QObject *parent);
    // A new balance log entry of the owner, of a type of the group.
    Q_INVOKABLE QWidget *newBalanceLog(Client::Controller::DesktopController *typeController,
                                       Client::Controller::DesktopController *logController, const QString &ownerId,
                                       const QString &groupId, const QString &typeId, QObject *parent);
    // The versions of a manifest the updater offers; null without an updater.
    Q_INVOKABLE QWidget *updates(Gui::Updater *updater, const QJsonObject &manifest);
    // The preferences dialog; an application may offer its own.
    Q_INVOKABLE virtual QWidget *options();
    // Chooses the tool bar's commands; Ok hands them to the main tool bar.
    Q_INVOKABLE QWidget *customize(const QStringList &commands, const QStringList &defaultCommands);
    Q_INVOKABLE QWidget *launcher();
    Q_INVOKABLE void about();

    // The plain show: deleted on close, grouped with the main window, shown and activated.
    static QWidget *show(QWidget *widget);
    // The same, and once the window is gone the window of parent (a page or a widget frame)
    // comes forward again, unless parent went first.
    static QWidget *showWindow(QWidget *widget, QObject *parent);
    // The parent (a frame, a frame's window) takes the keys back when the widget goes, unless
    // another box is still open over its window: the youngest of them does.
    static void activateOnClose(QWidget *widget, QObject *parent);
};

} // namespace Gui
