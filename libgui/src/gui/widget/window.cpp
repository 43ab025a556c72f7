#include "window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

namespace Gui {

Window::Window()
    : QWidget(nullptr)
    , Helper::WindowGuiSettings(this)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

Window::~Window() = default;

void Window::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit enterPressed();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Window::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        loadFromGuiSession();
}

void Window::closeEvent(QCloseEvent *event)
{
    saveToGuiSession();
    event->accept();
}

} // namespace Gui
