#include "message.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

namespace Gui {

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
    QPointer<QMessageBox> box = new QMessageBox(icon, title, text, buttons, parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(defaultButton);
    const int result = box->exec();
    delete box;
    return result;
}

QString Message::title(const QWidget *parent)
{
    const QString own = parent ? parent->window()->windowTitle() : QString();
    return own.isEmpty() ? QGuiApplication::applicationDisplayName() : own;
}

} // namespace Gui
