#include "message.h"

#include "boxstack.h"
#include "utils.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace Gui {

namespace {

// The window a box is opened over: its parent's, else the one that has the keys.
QWindow *ownerWindow(const QWidget *box)
{
    if (const QWidget *parent = box->parentWidget())
        return parent->window()->windowHandle();
    return QGuiApplication::focusWindow();
}

// Once a box went, the keys go to the youngest box still open over its window, else to the
// window, as with the QML boxes: with no window manager they would go to no one.
void handKeysBack(QWindow *owner)
{
    if (BoxStack::activateYoungest(owner))
        return;
    if (owner && owner->isVisible())
        Utils::raiseWindow(owner);
}

} // namespace

int Message::critical(QWidget *parent, const QString &text)
{
    return show(QMessageBox::Critical, parent, text);
}

int Message::information(QWidget *parent, const QString &text)
{
    return show(QMessageBox::Information, parent, text);
}

int Message::warning(QWidget *parent, const QString &text)
{
    return show(QMessageBox::Warning, parent, text);
}

int Message::question(QWidget *parent, const QString &text)
{
    return show(QMessageBox::Question, parent, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

int Message::show(QMessageBox::Icon icon, QWidget *parent, const QString &text,
                  QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return showTitled(icon, parent, title(parent), text, buttons, defaultButton);
}

int Message::showTitled(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
                        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    // On the heap: the parent may be destroyed while the box runs, and takes the box with it.
    auto *box = new QMessageBox(icon, title, text, buttons, parent);
    box->setDefaultButton(defaultButton);
    return run(box);
}

int Message::showSelectable(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text)
{
    return run(selectableBox(icon, parent, title, text));
}

QMessageBox *Message::selectableBox(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text)
{
    auto *box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box;
}

int Message::run(QMessageBox *box)
{
    box->setTextFormat(Qt::PlainText);
    return exec(box, true);
}

int Message::exec(QDialog *dialog, bool deleteAfter)
{
    QPointer<QDialog> guard(dialog);
    const QPointer<QWindow> owner = ownerWindow(dialog);
    const int result = guard->exec();
    if (deleteAfter)
        delete guard;
    handKeysBack(owner);
    return result;
}

QString Message::title(const QWidget *parent)
{
    const QString own = parent ? parent->window()->windowTitle() : QString();
    return own.isEmpty() ? QGuiApplication::applicationDisplayName() : own;
}

} // namespace Gui
