#include "safequestion.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

namespace Gui {

SafeQuestion::SafeQuestion(QMessageBox::Icon icon, const QString &title, const QString &text, QWidget *parent)
    : QMessageBox(icon, title, text, QMessageBox::Yes | QMessageBox::No, parent)
{
    setTextFormat(Qt::PlainText);
    setDefaultButton(QMessageBox::No);
    setEscapeButton(QMessageBox::No);
    // Yes never holds the focus: Tab, Backtab and the arrows stay on No, which stays the default
    // for Return, Enter and Space. A click or Alt+Y still presses it.
    auto *yesButton = qobject_cast<QPushButton *>(button(QMessageBox::Yes));
    yesButton->setFocusPolicy(Qt::NoFocus);
    yesButton->setAutoDefault(false);
    connect(this, &QMessageBox::buttonClicked, this, [this](QAbstractButton *button) {
        if (standardButton(button) == QMessageBox::Yes)
            emit yes();
    });
}

void SafeQuestion::keyPressEvent(QKeyEvent *event)
{
    // The message box takes a bare letter as its button's mnemonic.
    const Qt::KeyboardModifiers chord = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString text = event->text();
    if (chord == Qt::NoModifier && !text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace()) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

} // namespace Gui
